// CPictureDecoder: reads a picture file into a CDib, which then owns it:
// nothing refers to the file once it is loaded. A file is judged by its
// content. Bitmaps of the stored form are read as they are; PNG, JPEG, GIF
// and TIFF files, and bitmaps of other kinds (top-down, run-length
// compressed, OS/2, bit fields), are decoded by the platform's imaging
// codecs into a 24-bit bottom-up bitmap, which the CDib then holds, draws
// and stores like any bitmap.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "image/PictureHeader.h"

class CDib;
class CFile;

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
    // Whether a bitmap file's first bytes (head) are of the form CDib holds,
    // or too damaged for any reader.
    static bool HoldsAsItIs(const std::vector<BYTE>& head);
    static BOOL ReadBitmap(CDib& dib, CFile& file);
    static BOOL Decode(CDib& dib, const char* pszPath, const CPictureKind& kind);
    // False after a message when the picture or its decoded frame exceed
    // the limits.
    static bool WithinLimits(UINT nWidth, UINT nHeight, UINT nDecodedBits,
                             const CPictureKind& kind);
};
