#include "save/PayloadDoc.h"

#include <vector>
#include "framework/Archive.h"

namespace {
const int32_t kMagic = 0x4C504C41; // "ALPL"

uint32_t Fnv1a(uint32_t nHash, const uint8_t* p, unsigned nCount) {
    for (unsigned i = 0; i < nCount; ++i)
        nHash = (nHash ^ p[i]) * 16777619u;
    return nHash;
}
} // namespace

uint8_t CPayloadDoc::ByteAt(uint32_t nIndex, uint32_t nTag) {
    uint32_t n = (nIndex + 1) * 2654435761u ^ nTag * 40503u;
    return (uint8_t)(n >> 13);
}

void CPayloadDoc::Serialize(CArchive& ar) {
    const unsigned kChunk = m_nChunk;
    std::vector<uint8_t> chunk(kChunk);
    uint32_t nHash = 2166136261u;
    if (ar.IsStoring()) {
        ar.WriteInt(kMagic);
        ar.WriteInt((int32_t)m_nSize);
        ar.WriteInt((int32_t)m_nTag);
        for (uint32_t nDone = 0; nDone < m_nSize;) {
            unsigned n = m_nSize - nDone < kChunk ? m_nSize - nDone : kChunk;
            for (unsigned i = 0; i < n; ++i)
                chunk[i] = ByteAt(nDone + i, m_nTag);
            ar.Write(chunk.data(), n);
            nHash = Fnv1a(nHash, chunk.data(), n);
            nDone += n;
        }
        ar.WriteInt((int32_t)nHash);
        return;
    }
    if (ar.ReadInt() != kMagic)
        throw CArchiveException(CArchiveException::badSchema);
    uint32_t nSize = (uint32_t)ar.ReadInt();
    uint32_t nTag = (uint32_t)ar.ReadInt();
    for (uint32_t nDone = 0; nDone < nSize;) {
        unsigned n = nSize - nDone < kChunk ? nSize - nDone : kChunk;
        ar.Read(chunk.data(), n);
        for (unsigned i = 0; i < n; ++i)
            if (chunk[i] != ByteAt(nDone + i, nTag))
                throw CArchiveException(CArchiveException::badSchema);
        nHash = Fnv1a(nHash, chunk.data(), n);
        nDone += n;
    }
    if ((uint32_t)ar.ReadInt() != nHash)
        throw CArchiveException(CArchiveException::badSchema);
    // Nothing may follow the checksum.
    bool bMore = true;
    try {
        ar.ReadByte();
    } catch (const CArchiveException& e) {
        if (e.m_cause != CArchiveException::endOfFile)
            throw;
        bMore = false;
    }
    if (bMore)
        throw CArchiveException(CArchiveException::badSchema);
    m_nSize = nSize;
    m_nTag = nTag;
}
