#include "dates/EventFileNames.h"

#include <algorithm>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

char Lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? (char)(ch - 'A' + 'a') : ch;
}

// The name is matched as given; the extension without regard to case, since
// the command line may name "PARTY.EVN" and the shown name is then "PARTY".
bool ArgNamesFile(const CString& strEventFileArg, const CString& strName) {
    const std::string& arg = strEventFileArg.str();
    const std::string stem = "\\" + strName.str() + ".";
    for (size_t pos = arg.find(stem); pos != std::string::npos; pos = arg.find(stem, pos + 1)) {
        size_t ext = pos + stem.size();
        if (ext + 3 <= arg.size() && Lower(arg[ext]) == 'e' && Lower(arg[ext + 1]) == 'v' &&
            Lower(arg[ext + 2]) == 'n')
            return true;
    }
    return false;
}

// Control characters cannot stand in a file name either; a pasted tab would
// otherwise give a name no file can have.
bool IsBadNameChar(char ch) {
    switch (ch) {
    case '\\':
    case '/':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
    case 127:
        return true;
    default:
        return (unsigned char)ch < 32;
    }
}

} // namespace

CString ResolveEventFilePath(const CString& strName, const CString& strEventFileArg,
                             const CString& strCurDir) {
    if (ArgNamesFile(strEventFileArg, strName))
        return strEventFileArg;
    return strCurDir + strName + ".evn";
}

CString TakeEventFilePathForDelete(const CString& strName, CString& strEventFileArg,
                                   const CString& strCurDir) {
    if (strName.IsEmpty())
        return CString();
    if (ArgNamesFile(strEventFileArg, strName)) {
        CString strPath = strEventFileArg;
        strEventFileArg.Empty();
        return strPath;
    }
    return strCurDir + strName + ".evn";
}

CString EventFileDisplayName(const CString& strPath) {
    CString strFile = strPath.Mid(strPath.ReverseFind('\\') + 1);
    return strFile.Left(strFile.GetLength() - 4);
}

CString DefaultEventFileName(const CString& strLastEventFile, const CString& strEventFileArg) {
    const CString& strPath = strLastEventFile.IsEmpty() ? strEventFileArg : strLastEventFile;
    if (strPath.IsEmpty())
        return CString();
    return EventFileDisplayName(strPath);
}

bool CleanEventFileName(CString& strName, int& nCaret) {
    std::string s = strName.str();
    bool bRemoved = false;
    // A blank inside the name is legal; leading blanks go, also those that a
    // removed character leaves in front ("?  x").
    auto removeLeadingBlanks = [&] {
        size_t nLead = std::min(s.find_first_not_of(' '), s.size());
        if (nLead > 0) {
            s.erase(0, nLead);
            nCaret = 0;
            bRemoved = true;
        }
    };
    removeLeadingBlanks();
    for (size_t i = 0; i < s.size();) {
        if (IsBadNameChar(s[i])) {
            s.erase(i, 1);
            nCaret = (int)i;
            bRemoved = true;
        } else {
            ++i;
        }
    }
    removeLeadingBlanks();
    if (!bRemoved)
        nCaret = -1;
    strName = CString(std::move(s));
    return bRemoved;
}

bool HasEvnExtension(const CString& strFile) {
    return strFile.GetLength() > 4 && strFile.Right(4).CompareNoCase(".evn") == 0;
}

#ifdef _WIN32
std::vector<CString> EvnFileTitles(const CString& strFolder) {
    std::vector<CString> titles;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strFolder + "*.evn", &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return titles;
    do {
        const CString strFile = fd.cFileName;
        // The pattern also matches longer extensions through their short
        // names ("x.evnt" is "X~1.EVN").
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasEvnExtension(strFile))
            titles.push_back(strFile.Left(strFile.GetLength() - 4));
    } while (::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);
    return titles;
}
#endif
