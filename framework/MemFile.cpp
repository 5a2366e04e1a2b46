#include "framework/MemFile.h"

#include <cstdint>
#include <cstring>

CMemFile::CMemFile(const void* pData, size_t nSize)
    : m_data((const unsigned char*)pData, (const unsigned char*)pData + (pData ? nSize : 0)) {}

unsigned CMemFile::Read(void* pBuf, unsigned nCount) {
    if (m_nPosition >= m_data.size())
        return 0;
    size_t nAvail = m_data.size() - m_nPosition;
    unsigned nRead = nAvail < nCount ? (unsigned)nAvail : nCount;
    if (nRead) {
        memcpy(pBuf, m_data.data() + m_nPosition, nRead);
        m_nPosition += nRead;
    }
    return nRead;
}

void CMemFile::Write(const void* pBuf, unsigned nCount) {
    if (nCount == 0)
        return;
    if (nCount > SIZE_MAX - m_nPosition || m_nPosition + nCount > m_data.max_size())
        throw CFileException(CFileException::diskFull);
    size_t nEnd = m_nPosition + nCount;
    if (nEnd > m_data.size())
        m_data.resize(nEnd);
    memcpy(m_data.data() + m_nPosition, pBuf, nCount);
    m_nPosition = nEnd;
}

// A position beyond the end is allowed, as on disk: a later write fills the
// gap with zeros.
uint64_t CMemFile::Seek(int64_t lOff, SeekPosition nFrom) {
    const uint64_t nMax = (uint64_t)SIZE_MAX < (uint64_t)INT64_MAX ? SIZE_MAX : INT64_MAX;
    int64_t lBase = nFrom == begin     ? 0
                    : nFrom == current ? (int64_t)m_nPosition
                                       : (int64_t)m_data.size();
    if ((lOff < 0 && lBase + lOff < 0) || (lOff > 0 && (uint64_t)lOff > nMax - (uint64_t)lBase))
        throw CFileException(CFileException::badSeek);
    m_nPosition = (size_t)(lBase + lOff);
    return m_nPosition;
}
