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

// Start-of-frame markers of every JPEG coding process; they carry the size.
bool IsStartOfFrame(uint8_t m) {
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}
} // namespace

bool CPictureHeader::ReadSize(const uint8_t* pData, size_t nSize, uint32_t& nWidth,
                              uint32_t& nHeight) {
    static const uint8_t s_png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (nSize >= 24 && memcmp(pData, s_png, 8) == 0 && memcmp(pData + 12, "IHDR", 4) == 0) {
        nWidth = Be32(pData + 16);
        nHeight = Be32(pData + 20);
        return true;
    }
    if (nSize >= 10 && (memcmp(pData, "GIF87a", 6) == 0 || memcmp(pData, "GIF89a", 6) == 0)) {
        nWidth = Le16(pData + 6);
        nHeight = Le16(pData + 8);
        return true;
    }
    if (nSize >= 2 && pData[0] == 0xFF && pData[1] == 0xD8)
        return ReadJpegSize(pData, nSize, nWidth, nHeight);
    return false;
}

bool CPictureHeader::ReadJpegSize(const uint8_t* pData, size_t nSize, uint32_t& nWidth,
                                  uint32_t& nHeight) {
    size_t nPos = 2;
    while (nPos + 4 <= nSize) {
        if (pData[nPos] != 0xFF)
            return false;
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
            return false;
        if (IsStartOfFrame(m)) {
            if (nPos + 9 > nSize)
                return false;
            nHeight = Be16(pData + nPos + 5);
            nWidth = Be16(pData + nPos + 7);
            return true;
        }
        nPos += 2 + Be16(pData + nPos + 2);
    }
    return false;
}
