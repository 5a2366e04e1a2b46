// The program's own command-line argument: whatever follows the first "/"
// of the raw command line, an event file or the uninstall switch.
#pragma once
#include "framework/String.h"

struct CProgramArgument {
    bool m_bUninstall = false;
    // Absolute path of the named event file; empty when none was named.
    CString m_strEventFile;
};

// strCurDir ends in a backslash.
CProgramArgument ParseProgramArgument(const CString& strCmdLine, const CString& strCurDir);

// The raw command line without the program's own name (quoted or not) and
// the blanks after it.
const char* SkipProgramName(const char* pszCmdLine);
