// Reads a stored bitmap and, as the mapped-file path does, a packed one after
// the 14-byte file header. Every byte a picture claims is touched, so reading
// past the input shows; an accepted picture must come back unchanged from a
// store and reload. Judges the input as a picture file's first bytes too:
// its format, stated size and decoded depth, as the picture loader does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "framework/MemFile.h"
#include "image/DibFormat.h"
#include "image/PictureHeader.h"

namespace {
volatile unsigned g_nSink;

void Touch(const BYTE* p, size_t n) {
    unsigned nSum = 0;
    for (size_t i = 0; i < n; i++)
        nSum += p[i];
    g_nSink = nSum;
}

void CheckStored(const uint8_t* pData, size_t nSize) {
    CMemFile file(pData, nSize);
    CStoredDib dib;
    if (CDibFormat::ReadStored(file, dib) != CDibFormat::none) {
        if (dib.pHeader || dib.pBits)
            abort();
        return;
    }
    size_t nTable = CDibFormat::kInfoHeaderSize + 4 * (size_t)dib.metrics.nColors;
    if (nTable > dib.nHeaderBytes || file.GetPosition() > nSize)
        abort();
    Touch(dib.pHeader.get(), dib.nHeaderBytes);
    Touch(dib.pBits.get(), dib.metrics.dwBitsSize);

    CMemFile copy;
    if (!CDibFormat::WriteStored(copy, dib.pHeader.get(), dib.metrics.nColors, dib.pBits.get(),
                                 dib.metrics.dwBitsSize))
        abort();
    copy.SeekToBegin();
    CStoredDib again;
    if (CDibFormat::ReadStored(copy, again) != CDibFormat::none || again.nHeaderBytes != nTable ||
        again.metrics.nColors != dib.metrics.nColors ||
        again.metrics.dwBitsSize != dib.metrics.dwBitsSize ||
        memcmp(again.pHeader.get(), dib.pHeader.get(), nTable) != 0 ||
        memcmp(again.pBits.get(), dib.pBits.get(), dib.metrics.dwBitsSize) != 0)
        abort();
}

void CheckPacked(const uint8_t* pData, size_t nSize) {
    if (!CDibFormat::HasSignature(pData, nSize) || nSize < CDibFormat::kFileHeaderSize)
        return;
    const BYTE* pHeader = pData + CDibFormat::kFileHeaderSize;
    size_t nAvail = nSize - CDibFormat::kFileHeaderSize;
    CDibMetrics metrics;
    if (CDibFormat::CheckPacked(pHeader, nAvail, metrics) != CDibFormat::none)
        return;
    Touch(pHeader, CDibFormat::kInfoHeaderSize + 4 * (size_t)metrics.nColors + metrics.dwBitsSize);
}
void CheckKind(const uint8_t* pData, size_t nSize) {
    const CPictureKind kind = CPictureHeader::Read(pData, nSize);
    if (kind.pszVariant)
        g_nSink = (unsigned)strlen(kind.pszVariant);
    if (kind.format == CPictureKind::unknown && (kind.bSized || kind.pszVariant))
        abort();
    // A frame's decoded bytes never come out smaller than its rows' bits say.
    if (kind.nDecodedBits && kind.nHeight &&
        CPictureHeader::DecodedBytes(kind) < (uint64_t)kind.nWidth * kind.nDecodedBits / 8)
        abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    CheckStored(pData, nSize);
    CheckPacked(pData, nSize);
    CheckKind(pData, nSize);
    return 0;
}
