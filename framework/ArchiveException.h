// Thrown by CArchive when the data does not fit the expected sequence.
#pragma once

class CArchiveException {
public:
    enum Cause {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(Cause cause = none) : m_cause(cause) {}

    Cause m_cause;
};
