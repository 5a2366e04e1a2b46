// CMemFile: a growable file in memory, or a read-only view of given bytes.
#pragma once
#include <vector>
#include "framework/File.h"

class CMemFile : public CFile {
public:
    CMemFile() = default;
    // Reads from (a copy of) the given bytes.
    CMemFile(const void* pData, size_t nSize);

    unsigned Read(void* pBuf, unsigned nCount) override;
    void Write(const void* pBuf, unsigned nCount) override;
    uint64_t Seek(int64_t lOff, SeekPosition nFrom) override;
    uint64_t GetPosition() const override { return m_nPosition; }
    uint64_t GetLength() const override { return m_data.size(); }
    void Flush() override {}
    void Close() override {}
    void Abort() override {}

    const std::vector<unsigned char>& Data() const { return m_data; }

private:
    std::vector<unsigned char> m_data;
    size_t m_nPosition = 0;
};
