#include "dates/EventFileWriter.h"

#include <cstring>
#include <vector>

#include <windows.h>

bool CEventFileWriter::Rewrite(const CString& strPath,
                               const std::function<void(const CString&)>& write) {
    // A read-only file is refused, as Windows refuses to replace it.
    const DWORD dwAttrib = ::GetFileAttributesA(strPath);
    if (dwAttrib != INVALID_FILE_ATTRIBUTES &&
        (dwAttrib & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const CString strTemp = strPath + ".tmp";
    ::DeleteFileA(strTemp);
    bool bDone = dwAttrib == INVALID_FILE_ATTRIBUTES ||
                 (::CopyFileA(strPath, strTemp, FALSE) && Touch(strTemp));
    if (bDone) {
        write(strTemp);
        bDone = ReadsBackWhole(strTemp) &&
                ::MoveFileExA(strTemp, strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    if (!bDone)
        ::DeleteFileA(strTemp);
    return bDone;
}

// The profile functions may answer from what they wrote rather than from the
// disk; a new time stamp on the file makes them read it again.
bool CEventFileWriter::ReadsBackWhole(const CString& strTemp) {
    if (::GetFileAttributesA(strTemp) == INVALID_FILE_ATTRIBUTES)
        return false;
    const std::string strWritten = ProfileText(strTemp);
    return Touch(strTemp) && ProfileText(strTemp) == strWritten;
}

// Two seconds back: a time that no earlier read of the file can have seen
// and that even a file system counting in two-second steps keeps.
bool CEventFileWriter::Touch(const CString& strPath) {
    HANDLE hFile = ::CreateFileA(strPath, FILE_WRITE_ATTRIBUTES | FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    FILETIME ft = {};
    bool bDone = ::GetFileTime(hFile, nullptr, nullptr, &ft);
    if (bDone) {
        ULARGE_INTEGER t = {{ft.dwLowDateTime, ft.dwHighDateTime}};
        t.QuadPart -= 20000000;
        ft = {t.LowPart, t.HighPart};
        bDone = ::SetFileTime(hFile, nullptr, nullptr, &ft);
    }
    ::CloseHandle(hFile);
    return bDone;
}

// Every section of the file, as the profile functions read it. No section's
// text is longer than the file.
std::string CEventFileWriter::ProfileText(const CString& strPath) {
    WIN32_FILE_ATTRIBUTE_DATA attr = {};
    if (!::GetFileAttributesExA(strPath, GetFileExInfoStandard, &attr) || attr.nFileSizeHigh)
        return std::string();
    const DWORD nSize = attr.nFileSizeLow + 1024;
    std::vector<char> names(nSize), lines(nSize);
    const DWORD nNames = ::GetPrivateProfileSectionNamesA(names.data(), nSize, strPath);
    std::string strText(names.data(), nNames);
    for (const char* pszName = names.data(); *pszName; pszName += strlen(pszName) + 1) {
        const DWORD n = ::GetPrivateProfileSectionA(pszName, lines.data(), nSize, strPath);
        strText += '\n';
        strText.append(lines.data(), n);
    }
    return strText;
}
