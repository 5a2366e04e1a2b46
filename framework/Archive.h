// CArchive: the buffered, typed reader and writer of the program's files.
// Numbers are little-endian; strings carry a 1-, 3- or 7-byte length prefix.
// A read past the end throws CArchiveException(endOfFile), also when a length
// prefix claims more bytes than the file still holds.
#pragma once
#include <cstdint>
#include <vector>
#include "framework/ArchiveException.h"
#include "framework/File.h"
#include "framework/String.h"
#include "framework/WinTypes.h"

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    CArchive(CFile* pFile, Mode nMode, int nBufSize = 4096);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    // Does not flush: call Close after a successful store.
    ~CArchive() = default;

    bool IsLoading() const { return m_nMode == load; }
    bool IsStoring() const { return m_nMode == store; }
    // The underlying file. Flush first: then its position is the archive's
    // logical position, and the archive goes on from wherever it is left.
    CFile* GetFile() const { return m_pFile; }
    // Storing: writes out the buffer. Loading: drops what is buffered and
    // moves the file back to the logical position.
    void Flush();
    // Flushes a storing archive; the file stays open.
    void Close();

    void WriteInt(int32_t n);
    void WriteShort(int16_t n);
    void WriteByte(uint8_t n);
    void WriteDouble(double d);
    void WriteString(const CString& s);
    // The 28-byte fixed part of a LOGFONT (no face name).
    void WriteFont(const LOGFONT& lf);
    void Write(const void* pBuf, unsigned nCount);

    int32_t ReadInt();
    int16_t ReadShort();
    uint8_t ReadByte();
    double ReadDouble();
    CString ReadString();
    void ReadFont(LOGFONT& lf);
    // Reads exactly nCount bytes or throws endOfFile.
    void Read(void* pBuf, unsigned nCount);

private:
    void FillBuffer(unsigned nNeeded);
    uint64_t BytesLeft() const;
    uint32_t ReadStringLength(bool& bWide);

    CFile* m_pFile;
    Mode m_nMode;
    std::vector<unsigned char> m_buf;
    size_t m_nCur = 0; // next byte to read or write in m_buf
    size_t m_nLim = 0; // loading: end of the valid bytes in m_buf
};
