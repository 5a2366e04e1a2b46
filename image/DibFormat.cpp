#include "image/DibFormat.h"

#include <new>
#include "framework/FileException.h"

namespace {
DWORD Le32(const BYTE* p) {
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}

WORD Le16(const BYTE* p) {
    return (WORD)(p[0] | (p[1] << 8));
}

void PutLe32(BYTE* p, DWORD n) {
    for (int i = 0; i < 4; i++)
        p[i] = (BYTE)(n >> (8 * i));
}

// Reads exactly nCount bytes; a short read is a truncated file.
bool ReadAll(CFile& file, void* pBuf, DWORD nCount) {
    return file.Read(pBuf, nCount) == nCount;
}
} // namespace

DWORD CDibFormat::RowBytes24(DWORD nWidth) {
    return (nWidth * 3 + 3) & ~3u;
}

BITMAPINFOHEADER CDibFormat::LoadInfoHeader(const void* pHeader) {
    const BYTE* p = (const BYTE*)pHeader;
    BITMAPINFOHEADER h;
    h.biSize = Le32(p);
    h.biWidth = (LONG)Le32(p + 4);
    h.biHeight = (LONG)Le32(p + 8);
    h.biPlanes = Le16(p + 12);
    h.biBitCount = Le16(p + 14);
    h.biCompression = Le32(p + 16);
    h.biSizeImage = Le32(p + 20);
    h.biXPelsPerMeter = (LONG)Le32(p + 24);
    h.biYPelsPerMeter = (LONG)Le32(p + 28);
    h.biClrUsed = Le32(p + 32);
    h.biClrImportant = Le32(p + 36);
    return h;
}

CDibFormat::Error CDibFormat::GetMetrics(const void* pHeader, uint64_t nAvail,
                                         CDibMetrics& metrics) {
    metrics = CDibMetrics();
    if (!pHeader || nAvail < 4)
        return truncated;
    if (Le32((const BYTE*)pHeader) != kInfoHeaderSize)
        return badHeaderSize;
    if (nAvail < kInfoHeaderSize)
        return truncated;
    BITMAPINFOHEADER h = LoadInfoHeader(pHeader);
    if (h.biWidth <= 0 || h.biHeight <= 0)
        return badDimensions;
    DWORD nBits = h.biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32)
        return badBitCount;
    if (h.biCompression != BI_RGB)
        return badCompression;

    // The stored form's size rule, in 32-bit unsigned arithmetic as it always
    // was; where that wraps, the true size (what drawing reads) differs.
    DWORD dwRowBits = nBits * (DWORD)h.biWidth;
    DWORD dwSize32 = (dwRowBits + 31) / 32 * (DWORD)h.biHeight * 4;
    uint64_t nTrueSize =
        ((uint64_t)nBits * (uint64_t)h.biWidth + 31) / 32 * 4 * (uint64_t)h.biHeight;
    CDibMetrics result;
    if (h.biSizeImage != 0) {
        if (h.biSizeImage < nTrueSize)
            return badImageSize;
        result.dwBitsSize = h.biSizeImage;
    } else {
        if (dwSize32 != nTrueSize)
            return badImageSize;
        result.dwBitsSize = dwSize32;
    }

    DWORD dwColors = h.biClrUsed;
    if (dwColors == 0)
        dwColors = nBits <= 8 ? (DWORD)1 << nBits : 0;
    if (dwColors > kMaxColors)
        return badColorCount;
    result.nColors = (int)dwColors;
    metrics = result;
    return none;
}

CDibFormat::Error CDibFormat::CheckPacked(const void* pHeader, uint64_t nAvail,
                                          CDibMetrics& metrics) {
    Error err = GetMetrics(pHeader, nAvail, metrics);
    if (err != none)
        return err;
    if (nAvail == kUnknownLength)
        return none;
    uint64_t nNeeded = kInfoHeaderSize + 4 * (uint64_t)metrics.nColors + metrics.dwBitsSize;
    if (nNeeded > nAvail) {
        metrics = CDibMetrics();
        return truncated;
    }
    return none;
}

bool CDibFormat::HasSignature(const void* pData, uint64_t nAvail) {
    return pData && nAvail >= 2 && Le16((const BYTE*)pData) == kSignature;
}

void CDibFormat::MakeFileHeader(int nColors, BYTE pOut[kFileHeaderSize]) {
    pOut[0] = 'B';
    pOut[1] = 'M';
    PutLe32(pOut + 2, 0);
    PutLe32(pOut + 6, 0);
    PutLe32(pOut + 10, kMinPixelOffset + 4 * (DWORD)nColors);
}

CDibFormat::Error CDibFormat::ReadStored(CFile& file, CStoredDib& out) {
    out = CStoredDib();
    CStoredDib dib;
    try {
        uint64_t nLength = file.GetLength();
        uint64_t nPos = file.GetPosition();
        uint64_t nLeft = nLength > nPos ? nLength - nPos : 0;

        BYTE fileHeader[kFileHeaderSize];
        if (nLeft < kFileHeaderSize || !ReadAll(file, fileHeader, kFileHeaderSize))
            return truncated;
        nLeft -= kFileHeaderSize;
        if (!HasSignature(fileHeader, kFileHeaderSize))
            return badSignature;
        DWORD dwOffset = Le32(fileHeader + 10);
        if (dwOffset < kMinPixelOffset)
            return badPixelOffset;
        DWORD dwHeaderBytes = dwOffset - kFileHeaderSize;
        if (dwHeaderBytes > nLeft)
            return truncated;

        dib.pHeader.reset(new (std::nothrow) BYTE[dwHeaderBytes]);
        if (!dib.pHeader)
            return outOfMemory;
        dib.nHeaderBytes = dwHeaderBytes;
        if (!ReadAll(file, dib.pHeader.get(), dwHeaderBytes))
            return truncated;
        nLeft -= dwHeaderBytes;

        Error err = GetMetrics(dib.pHeader.get(), dwHeaderBytes, dib.metrics);
        if (err != none)
            return err;
        // The colour table belongs to the header block, which is all that
        // drawing and the palette may read.
        if (kInfoHeaderSize + 4 * (uint64_t)dib.metrics.nColors > dwHeaderBytes)
            return truncated;
        if (dib.metrics.dwBitsSize > nLeft)
            return truncated;

        dib.pBits.reset(new (std::nothrow) BYTE[dib.metrics.dwBitsSize]);
        if (!dib.pBits)
            return outOfMemory;
        // Touching each page first lets the system read straight into
        // committed memory: under Wine a large read into fresh pages is
        // markedly slower than the page faults done here.
        for (DWORD i = 0; i < dib.metrics.dwBitsSize; i += 4096)
            dib.pBits[i] = 0;
        if (!ReadAll(file, dib.pBits.get(), dib.metrics.dwBitsSize))
            return truncated;
    } catch (const CFileException&) {
        return fileError;
    }
    out = std::move(dib);
    return none;
}

bool CDibFormat::WriteStored(CFile& file, const void* pHeader, int nColors, const void* pBits,
                             DWORD dwBitsSize) {
    try {
        WriteStoredOrThrow(file, pHeader, nColors, pBits, dwBitsSize);
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

void CDibFormat::WriteStoredOrThrow(CFile& file, const void* pHeader, int nColors,
                                    const void* pBits, DWORD dwBitsSize) {
    BYTE fileHeader[kFileHeaderSize];
    MakeFileHeader(nColors, fileHeader);
    file.Write(fileHeader, kFileHeaderSize);
    file.Write(pHeader, kInfoHeaderSize + 4 * (unsigned)nColors);
    file.Write(pBits, dwBitsSize);
}
