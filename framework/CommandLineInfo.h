// CCommandLineInfo: what the standard command line asks for. Parameters are
// fed one at a time, as the C runtime splits them, flags without their
// leading "/" or "-".
#pragma once
#include <vector>

#include "framework/String.h"

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileNothing, AppUnregister };

    virtual ~CCommandLineInfo() = default;
    virtual void ParseParam(const char* pszParam, bool bFlag, bool bLast);

    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;
    // "/p" with several files: the files after the first, printed as one job.
    std::vector<CString> m_astrMoreFiles;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;
    bool m_bShowSplash = true;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;

private:
    void ParseParamFlag(const char* pszParam);
    void ParseParamNotFlag(const char* pszParam);
    void ParseLast(bool bLast);
};
