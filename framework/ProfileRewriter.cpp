#include "framework/ProfileRewriter.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <windows.h>

bool CProfileRewriter::Rewrite(const CString& strPath,
                               const std::function<void(const CString&)>& write) {
    // A read-only file is refused, as Windows refuses to replace it.
    const DWORD dwAttrib = ::GetFileAttributesA(strPath);
    if (dwAttrib != INVALID_FILE_ATTRIBUTES &&
        (dwAttrib & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const CString strTemp = strPath + ".tmp";
    ::DeleteFileA(strTemp);
    // Forgotten while there is no copy: forgetting a file the profile
    // functions do not hold has them read it first.
    Forget(strTemp);
    bool bDone = dwAttrib == INVALID_FILE_ATTRIBUTES || ::CopyFileA(strPath, strTemp, FALSE);
    if (!bDone && ::GetLastError() == ERROR_ACCESS_DENIED) {
        // A folder that takes no new files may still let its files change:
        // written in place then, as without a copy, and checked all the same.
        // A file that cannot be opened for writing is refused first: the
        // profile functions would keep its changes and read them back.
        if (!CanWrite(strPath))
            return false;
        write(strPath);
        return ReadsBackWhole(strPath);
    }
    if (bDone) {
        write(strTemp);
        bDone = ReadsBackWhole(strTemp);
    }
    // The file is forgotten as it stands, which the profile functions mostly
    // hold already; once replaced, it would be read again only to be dropped.
    Forget(strPath);
    bDone = bDone &&
            ::MoveFileExA(strTemp, strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!bDone)
        ::DeleteFileA(strTemp);
    return bDone;
}

bool CProfileRewriter::CanWrite(const CString& strPath) {
    HANDLE hFile = ::CreateFileA(strPath, GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(hFile);
    return true;
}

// What the profile functions hold of the copy against what its disk holds.
bool CProfileRewriter::ReadsBackWhole(const CString& strTemp) {
    if (::GetFileAttributesA(strTemp) == INVALID_FILE_ATTRIBUTES)
        return false;
    const std::string strWritten = ProfileText(strTemp);
    Forget(strTemp);
    return ProfileText(strTemp) == strWritten;
}

// The profile functions may keep a file's contents and answer from them
// while its time stamp stays the same; the flush call drops them, so that
// the next read comes from the disk.
void CProfileRewriter::Forget(const CString& strPath) {
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, strPath);
}

// Every section of the file, as the profile functions read it. No section's
// text is longer than the file.
std::string CProfileRewriter::ProfileText(const CString& strPath) {
    WIN32_FILE_ATTRIBUTE_DATA attr = {};
    if (!::GetFileAttributesExA(strPath, GetFileExInfoStandard, &attr) || attr.nFileSizeHigh)
        return std::string();
    // A file of absurd size is compared by its first 64 MB, so that a 32-bit
    // program does not run out of memory over it.
    const DWORD nSize = std::min<DWORD>(attr.nFileSizeLow, 64u << 20) + 1024;
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
