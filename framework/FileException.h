// Thrown by CFile and CArchive on file-system errors; caught by the
// framework's open and save paths, which turn it into a message.
#pragma once
#include "framework/String.h"

class CFileException {
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    CFileException(Cause cause = none, const CString& strFileName = CString(), int nOsError = 0)
        : m_cause(cause), m_strFileName(strFileName), m_lOsError(nOsError) {}

    // Maps an errno value to a cause.
    static Cause CauseFromErrno(int nErrno);

    Cause m_cause;
    CString m_strFileName;
    int m_lOsError;
};
