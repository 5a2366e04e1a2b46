#include "common/TestSupport.h"

#include <cstdio>
#include <vector>

CTempDir::CTempDir(const char* pszPrefix) {
    char szBase[MAX_PATH] = {0};
    ::GetTempPathA(MAX_PATH, szBase);
    static int s_nCounter = 0;
    for (;;) {
        CString strPath;
        strPath.Format("%s%s%lu_%d", szBase, pszPrefix, ::GetCurrentProcessId(), ++s_nCounter);
        if (::CreateDirectoryA(strPath, nullptr)) {
            m_strPath = strPath + "\\";
            break;
        }
    }
}

namespace {
void RemoveTree(const CString& strDir) {
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strDir + "*", &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            CString strName = fd.cFileName;
            if (strName == "." || strName == "..")
                continue;
            CString strPath = strDir + strName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(strPath + "\\");
            } else {
                ::SetFileAttributesA(strPath, FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(strPath);
            }
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(strDir);
}
} // namespace

CTempDir::~CTempDir() {
    RemoveTree(m_strPath);
}

CScopedAnswers::CScopedAnswers(int nDefault) : m_nDefault(nDefault) {
    CModalSeam::SetResponder([this](CModalRequest& request) {
        m_asked.push_back(request);
        if (request.kind != CModalRequest::messageBox)
            return m_dialogHandler ? m_dialogHandler(request) : 0;
        if (m_answers.empty())
            return m_nDefault;
        int nAnswer = m_answers.front();
        m_answers.pop_front();
        return nAnswer;
    });
}

CScopedAnswers::~CScopedAnswers() {
    CModalSeam::SetResponder(nullptr);
}

std::vector<CString> CScopedAnswers::Messages() const {
    std::vector<CString> texts;
    for (const CModalRequest& request : m_asked)
        if (request.kind == CModalRequest::messageBox)
            texts.push_back(request.strText);
    return texts;
}

bool CScopedAnswers::WasAsked(const char* pszText) const {
    for (const CString& text : Messages())
        if (text == pszText)
            return true;
    return false;
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

CString ReadWholeFile(const char* pszPath) {
    FILE* f = fopen(pszPath, "rb");
    if (!f)
        return CString();
    std::vector<char> data;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        data.insert(data.end(), buf, buf + n);
    fclose(f);
    return CString(data.data(), (int)data.size());
}

bool WriteWholeFile(const char* pszPath, const CString& strData) {
    FILE* f = fopen(pszPath, "wb");
    if (!f)
        return false;
    bool bOK = fwrite(strData.c_str(), 1, strData.GetLength(), f) == (size_t)strData.GetLength();
    return fclose(f) == 0 && bOK;
}

bool FileExistsOnDisk(const char* pszPath) {
    return ::GetFileAttributesA(pszPath) != INVALID_FILE_ATTRIBUTES;
}
