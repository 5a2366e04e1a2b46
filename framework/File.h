// CFile: a binary file on disk (over the C runtime's FILE stream, which
// exists on every platform the program builds for). Errors throw
// CFileException, except Open, which reports them through its result.
#pragma once
#include <cstdint>
#include <cstdio>
#include "framework/FileException.h"
#include "framework/String.h"

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareDenyWrite = 0x0020,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeBinary = 0
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    virtual bool Open(const char* pszFileName, unsigned nOpenFlags,
                      CFileException* pError = nullptr);
    // Reads up to nCount bytes; returns how many were read (0 at the end).
    virtual unsigned Read(void* pBuf, unsigned nCount);
    virtual void Write(const void* pBuf, unsigned nCount);
    virtual uint64_t Seek(int64_t lOff, SeekPosition nFrom);
    virtual uint64_t GetPosition() const;
    virtual uint64_t GetLength() const;
    virtual void Flush();
    virtual void Close();
    // Closes without throwing; used when an error is already being handled.
    virtual void Abort();

    uint64_t SeekToBegin() { return Seek(0, begin); }
    const CString& GetFilePath() const { return m_strFileName; }
    FILE* GetStream() const { return m_pStream; }
    bool IsOpen() const { return m_pStream != nullptr; }

protected:
    [[noreturn]] void ThrowErrno(int nErrno) const;

    FILE* m_pStream = nullptr;
    CString m_strFileName;

private:
    enum LastOp { opNone, opRead, opWrite };
    void SwitchTo(LastOp nOp);

    LastOp m_nLastOp = opNone;
};
