// CPictureDecoder: takes a picture file into a CDib. Bitmap files go through
// CDib's own reader and messages; PNG, JPEG, GIF and TIFF files are decoded
// by the platform's imaging codecs into a 24-bit bottom-up bitmap, which the
// CDib then holds, draws and stores like any bitmap.
#pragma once
#include <windows.h>

#include <cstdint>

class CDib;

class CPictureDecoder {
public:
    // Larger pictures are refused before any memory is taken for them.
    enum : UINT { kMaxSide = 8000 };
    static constexpr uint64_t kMaxPixelBytes = 100ull * 1024 * 1024;
    // The open dialog's filter: bitmaps first, then what the codecs read.
    static const char kFilter[];

    // False after a message; dib is then as it was, or empty when CDib's
    // own reader failed after it had begun.
    static BOOL Load(CDib& dib, const char* pszPath);
    // True for the names of files the codecs decode.
    static bool UsesCodecs(const char* pszPath);
    // Bytes of the 24-bit rows of a w by h picture; 0 beyond the limits.
    static uint64_t PixelBytes(UINT nWidth, UINT nHeight);

private:
    static BOOL Decode(CDib& dib, const char* pszPath);
};
