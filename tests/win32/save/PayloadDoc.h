// A document whose content is a known run of bytes: large enough that a
// save takes many writes, and checked whole (length and checksum) when read
// back, so that a torn file cannot pass for a good one.
#pragma once
#include <cstdint>
#include "framework/Document.h"

class CPayloadDoc : public CDocument {
public:
    // nChunk: the bytes handed to the archive at a time; a chunk as large as
    // the archive's buffer goes to the file in one write.
    explicit CPayloadDoc(uint32_t nSize = 0, uint32_t nTag = 0, unsigned nChunk = 1000)
        : m_nSize(nSize), m_nTag(nTag), m_nChunk(nChunk ? nChunk : 1) {}

    void Serialize(CArchive& ar) override;

    // The byte at nIndex of the content tagged nTag.
    static uint8_t ByteAt(uint32_t nIndex, uint32_t nTag);

    uint32_t m_nSize;
    uint32_t m_nTag;
    unsigned m_nChunk;
};
