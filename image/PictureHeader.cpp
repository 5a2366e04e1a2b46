#include "image/PictureHeader.h"

#include <cstring>

namespace {
uint32_t Be16(const uint8_t* p) {
    return (uint32_t)p[0] << 8 | p[1];
}
uint32_t Be32(const uint8_t* p) {
    return Be16(p) << 16 | Be16(p + 2);
}
uint32_t Le16(const uint8_t* p) {
    return (uint32_t)p[1] << 8 | p[0];
}
uint32_t Le32(const uint8_t* p) {
    return Le16(p + 2) << 16 | Le16(p);
}

// Start-of-frame markers of every JPEG coding process; they carry the size.
bool IsStartOfFrame(uint8_t m) {
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

// The JPEG coding processes a decoder of baseline and progressive files may
// not know, named for the user.
const char* JpegVariant(uint8_t nMarker, uint8_t nPrecision, uint8_t nComponents) {
    if (nComponents == 4)
        return "CMYK";
    if (nMarker == 0xC3 || nMarker == 0xC7 || nMarker == 0xCB || nMarker == 0xCF)
        return "lossless";
    if (nMarker >= 0xC9)
        return "arithmetic-coded";
    if (nPrecision > 8)
        return "12 bits a sample";
    return nullptr;
}

// The information header sizes of the bitmap versions in use: OS/2 1.x,
// OS/2 2.x (short and long), Windows 3 to 5 with the two Adobe extensions.
bool IsKnownBitmapHeader(uint32_t nSize) {
    static const uint32_t s_anSizes[] = {12, 16, 40, 52, 56, 64, 108, 124};
    for (uint32_t n : s_anSizes)
        if (n == nSize)
            return true;
    return false;
}

// Reads TIFF numbers in the file's own byte order.
struct CTiffReader {
    const uint8_t* pData;
    size_t nSize;
    bool bBig;
    // Offsets come from the file: any 32-bit number.
    bool Holds(size_t at, size_t nBytes) const { return at <= nSize && nSize - at >= nBytes; }
    uint32_t U16(size_t at) const { return Holds(at, 2) ? (bBig ? Be16 : Le16)(pData + at) : 0; }
    uint32_t U32(size_t at) const { return Holds(at, 4) ? (bBig ? Be32 : Le32)(pData + at) : 0; }
    // The first value of an entry of SHORT or LONG type; the values of an
    // entry that holds more than fit in it lie at the offset it gives.
    uint32_t Value(size_t nEntry) const {
        const uint32_t nType = U16(nEntry + 2), nCount = U32(nEntry + 4);
        const uint32_t nBytes = nType == 3 ? 2 : 4;
        size_t at = nEntry + 8;
        if ((uint64_t)nCount * nBytes > 4)
            at = U32(nEntry + 8);
        return nType == 3 ? U16(at) : nType == 4 ? U32(at) : 0;
    }
};
} // namespace

CPictureKind CPictureHeader::Read(const uint8_t* pData, size_t nSize) {
    static const uint8_t s_png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    CPictureKind kind;
    if (!pData)
        return kind;
    if (nSize >= 2 && pData[0] == 'B' && pData[1] == 'M') {
        kind.format = CPictureKind::bitmap;
        ReadBitmap(pData, nSize, kind);
    } else if (nSize >= 8 && memcmp(pData, s_png, 8) == 0) {
        kind.format = CPictureKind::png;
        if (nSize >= 24 && memcmp(pData + 12, "IHDR", 4) == 0)
            ReadPng(pData, nSize, kind);
    } else if (nSize >= 6 && (memcmp(pData, "GIF87a", 6) == 0 || memcmp(pData, "GIF89a", 6) == 0)) {
        kind.format = CPictureKind::gif;
        if (nSize >= 10) {
            kind.bSized = true;
            kind.nWidth = Le16(pData + 6);
            kind.nHeight = Le16(pData + 8);
            kind.nDecodedBits = 8; // one palette index a pixel
        }
    } else if (nSize >= 2 && pData[0] == 0xFF && pData[1] == 0xD8) {
        kind.format = CPictureKind::jpeg;
        ReadJpeg(pData, nSize, kind);
    } else if (nSize >= 4 && (memcmp(pData, "II*\0", 4) == 0 || memcmp(pData, "MM\0*", 4) == 0)) {
        kind.format = CPictureKind::tiff;
        ReadTiff(pData, nSize, kind);
    }
    return kind;
}

const char* CPictureHeader::FormatName(CPictureKind::Format format) {
    switch (format) {
    case CPictureKind::bitmap:
        return "bitmap";
    case CPictureKind::png:
        return "PNG";
    case CPictureKind::jpeg:
        return "JPEG";
    case CPictureKind::gif:
        return "GIF";
    case CPictureKind::tiff:
        return "TIFF";
    default:
        return "picture";
    }
}

uint64_t CPictureHeader::DecodedBytes(const CPictureKind& kind) {
    const uint64_t nRow = ((uint64_t)kind.nWidth * kind.nDecodedBits + 7) / 8;
    if (kind.nHeight && nRow > UINT64_MAX / kind.nHeight)
        return UINT64_MAX;
    return nRow * kind.nHeight;
}

void CPictureHeader::ReadBitmap(const uint8_t* pData, size_t nSize, CPictureKind& kind) {
    if (nSize < 18)
        return;
    const uint32_t nHeader = Le32(pData + 14);
    if (!IsKnownBitmapHeader(nHeader)) {
        kind.pszVariant = "unknown header";
        return;
    }
    if (nHeader == 12) { // OS/2 1.x: 16-bit sizes
        if (nSize < 26)
            return;
        kind.nWidth = Le16(pData + 18);
        kind.nHeight = Le16(pData + 20);
        kind.nDecodedBits = Le16(pData + 24);
        kind.bSized = kind.nWidth > 0 && kind.nHeight > 0;
        return;
    }
    if (nSize < 34)
        return;
    const int32_t nWidth = (int32_t)Le32(pData + 18);
    const int32_t nHeight = (int32_t)Le32(pData + 22);
    const uint32_t nBits = Le16(pData + 28);
    const uint32_t nCompression = nHeader >= 20 ? Le32(pData + 30) : 0;
    // A negative height is a picture stored top-down; its size is the same.
    if (nWidth > 0 && nHeight != 0 && nHeight != INT32_MIN) {
        kind.nWidth = (uint32_t)nWidth;
        kind.nHeight = (uint32_t)(nHeight < 0 ? -nHeight : nHeight);
        kind.bSized = true;
    }
    // Run-length compressed rows are expanded to 32 bits a pixel.
    kind.nDecodedBits = nCompression == 1 || nCompression == 2 ? 32 : nBits;
    if (nCompression == 4)
        kind.pszVariant = "JPEG inside";
    else if (nCompression == 5)
        kind.pszVariant = "PNG inside";
    else if (nCompression > 6)
        kind.pszVariant = "unknown compression";
    else if (nBits > 32)
        kind.pszVariant = "more than 32 bits a pixel";
}

void CPictureHeader::ReadPng(const uint8_t* pData, size_t nSize, CPictureKind& kind) {
    kind.bSized = true;
    kind.nWidth = Be32(pData + 16);
    kind.nHeight = Be32(pData + 20);
    if (nSize < 26)
        return;
    const uint32_t nDepth = pData[24];
    // Grey with alpha is widened to colour with alpha as it is decoded.
    static const uint8_t s_anChannels[] = {1, 0, 3, 1, 4, 0, 4};
    const uint8_t nType = pData[25];
    kind.nDecodedBits = nType < sizeof s_anChannels ? nDepth * s_anChannels[nType] : 0;
}

void CPictureHeader::ReadJpeg(const uint8_t* pData, size_t nSize, CPictureKind& kind) {
    size_t nPos = 2;
    while (nPos + 4 <= nSize) {
        if (pData[nPos] != 0xFF)
            return;
        const uint8_t m = pData[nPos + 1];
        if (m == 0xFF) { // fill byte before a marker
            ++nPos;
            continue;
        }
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD8)) { // markers without a segment
            nPos += 2;
            continue;
        }
        if (m == 0xD9 || m == 0xDA) // the image data starts (or ends) without a frame
            return;
        if (IsStartOfFrame(m)) {
            if (nPos + 9 > nSize)
                return;
            kind.bSized = true;
            kind.nHeight = Be16(pData + nPos + 5);
            kind.nWidth = Be16(pData + nPos + 7);
            // Held at 8 bits a component; until the count is read, three.
            const uint8_t nComponents = nPos + 10 <= nSize ? pData[nPos + 9] : 3;
            kind.nDecodedBits = 8u * nComponents;
            kind.pszVariant = JpegVariant(m, pData[nPos + 4], nComponents);
            return;
        }
        nPos += 2 + Be16(pData + nPos + 2);
    }
}

void CPictureHeader::ReadTiff(const uint8_t* pData, size_t nSize, CPictureKind& kind) {
    const CTiffReader tiff = {pData, nSize, pData[0] == 'M'};
    const size_t nIfd = tiff.U32(4);
    if (nIfd < 8 || !tiff.Holds(nIfd, 2))
        return;
    uint32_t nBits = 1, nSamples = 1, nPhotometric = 0;
    const uint32_t nEntries = tiff.U16(nIfd);
    for (uint32_t i = 0; i < nEntries && tiff.Holds(nIfd + 2 + 12 * (size_t)i, 12); ++i) {
        const size_t nEntry = nIfd + 2 + 12 * (size_t)i;
        const uint32_t nValue = tiff.Value(nEntry);
        switch (tiff.U16(nEntry)) {
        case 256:
            kind.nWidth = nValue;
            break;
        case 257:
            kind.nHeight = nValue;
            break;
        case 258:
            nBits = nValue;
            break;
        case 262:
            nPhotometric = nValue;
            break;
        case 277:
            nSamples = nValue;
            break;
        }
    }
    kind.bSized = kind.nWidth > 0 && kind.nHeight > 0;
    // A count beyond any codec's pixel formats is left to the codec to refuse.
    const uint64_t nAllBits = (uint64_t)nBits * nSamples;
    kind.nDecodedBits = nAllBits <= 256 ? (uint32_t)nAllBits : 0;
    if (nPhotometric == 5)
        kind.pszVariant = "CMYK";
    else if (nPhotometric >= 8 && nPhotometric <= 10)
        kind.pszVariant = "CIELab";
    else if (nPhotometric > 10)
        kind.pszVariant = "unknown colour model";
}
