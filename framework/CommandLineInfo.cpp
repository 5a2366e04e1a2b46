#include "framework/CommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char* pszParam, bool bFlag, bool bLast) {
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam) {
    CString flag(pszParam);
    if (flag.CompareNoCase("pt") == 0)
        m_nShellCommand = FilePrintTo;
    else if (flag.CompareNoCase("p") == 0)
        m_nShellCommand = FilePrint;
    else if (flag.CompareNoCase("Unregister") == 0 || flag.CompareNoCase("Unregserver") == 0)
        m_nShellCommand = AppUnregister;
    else if (flag.CompareNoCase("Embedding") == 0)
        m_bRunEmbedded = true, m_bShowSplash = false;
    else if (flag.CompareNoCase("Automation") == 0)
        m_bRunAutomated = true, m_bShowSplash = false;
    // Any other flag belongs to the program itself and is left alone here.
}

void CCommandLineInfo::ParseParamNotFlag(const char* pszParam) {
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrint)
        m_astrMoreFiles.push_back(pszParam);
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(bool bLast) {
    if (bLast && m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}
