// CPictureHeader: the size a PNG, GIF or JPEG file states in its header,
// read before the file reaches a decoder, so that a picture too large for
// the program is refused before memory is taken for it. Portable.
#pragma once
#include <cstddef>
#include <cstdint>

class CPictureHeader {
public:
    // True when pData (nSize bytes from the file's start) holds a header of
    // one of the three formats with its width and height.
    static bool ReadSize(const uint8_t* pData, size_t nSize, uint32_t& nWidth, uint32_t& nHeight);

private:
    static bool ReadJpegSize(const uint8_t* pData, size_t nSize, uint32_t& nWidth,
                             uint32_t& nHeight);
};
