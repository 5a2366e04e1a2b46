#include "app/ProgramArgument.h"

CProgramArgument ParseProgramArgument(const CString& strCmdLine, const CString& strCurDir) {
    CProgramArgument result;
    int nSlash = strCmdLine.Find('/');
    if (nSlash < 0)
        return result;
    CString strArg = strCmdLine.Mid(nSlash + 1);
    if (strArg.Left(1) == "\"") {
        strArg = strArg.Mid(1);
        if (strArg.Right(1) == "\"")
            strArg = strArg.Left(strArg.GetLength() - 1);
    }
    CString strLower = strArg;
    strLower.MakeLower();
    if (strLower.Find("uninst") >= 0) {
        result.m_bUninstall = true;
        return result;
    }
    if (strLower.Right(4) != ".evn")
        return result;
    bool bDriveAbsolute = strArg.GetLength() >= 3 && strArg[1] == ':' && strArg[2] == '\\';
    result.m_strEventFile = bDriveAbsolute ? strArg : strCurDir + strArg;
    return result;
}

const char* SkipProgramName(const char* pszCmdLine) {
    const char* p = pszCmdLine ? pszCmdLine : "";
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t')
            ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}
