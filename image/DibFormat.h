// CDibFormat: the checks, derived sizes and stored form of a device-independent
// bitmap with a 40-byte information header. Portable: CDib draws, this parses.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include "framework/File.h"
#include "framework/WinTypes.h"

// What a picture's pixel data and colour table take.
struct CDibMetrics {
    DWORD dwBitsSize = 0;
    int nColors = 0;
};

// A picture read from its stored form: header block (information header,
// colour table, and any gap before the pixels) and pixel block.
struct CStoredDib {
    std::unique_ptr<BYTE[]> pHeader;
    size_t nHeaderBytes = 0;
    std::unique_ptr<BYTE[]> pBits;
    CDibMetrics metrics;
};

class CDibFormat {
public:
    enum : unsigned { kFileHeaderSize = 14, kInfoHeaderSize = 40, kMinPixelOffset = 54 };
    enum : WORD { kSignature = 0x4D42 }; // "BM"
    // The colour count of a palette is a 16-bit number.
    enum : DWORD { kMaxColors = 0xFFFF };
    // A length that is not known: only the information header is checked.
    static constexpr uint64_t kUnknownLength = UINT64_MAX;

    enum Error {
        none,
        badSignature,
        badHeaderSize,  // not a 40-byte information header
        badDimensions,  // width or height not positive (top-down pictures included)
        badBitCount,    // not 1, 4, 8, 16, 24 or 32 bits per pixel
        badCompression, // only uncompressed rows are held
        badColorCount,
        badImageSize, // image size too small for the rows, or the size overflows 32 bits
        badPixelOffset,
        truncated,
        outOfMemory,
        fileError
    };

    // Checks the information header at pHeader (nAvail bytes readable there)
    // and derives the pixel size and the colour count.
    static Error GetMetrics(const void* pHeader, uint64_t nAvail, CDibMetrics& metrics);
    // As GetMetrics, and also that colour table and pixels follow the header
    // within nAvail bytes: a packed bitmap, as in a file after its file
    // header.
    static Error CheckPacked(const void* pHeader, uint64_t nAvail, CDibMetrics& metrics);

    static bool HasSignature(const void* pData, uint64_t nAvail);
    // The file header as it is written: size and reserved fields 0.
    static void MakeFileHeader(int nColors, BYTE pOut[kFileHeaderSize]);

    // Reads the stored form at the file's position. Allocates no more than the
    // rest of the file holds; on failure out is left empty.
    static Error ReadStored(CFile& file, CStoredDib& out);
    // Writes the file header, the header and colour table, then the pixels.
    // False on a file error.
    static bool WriteStored(CFile& file, const void* pHeader, int nColors, const void* pBits,
                            DWORD dwBitsSize);
    // The same, passing the file's error (a full disk, say) on to the caller.
    static void WriteStoredOrThrow(CFile& file, const void* pHeader, int nColors, const void* pBits,
                                   DWORD dwBitsSize);

    // Bytes of a row of 24-bit pixels, padded to a multiple of four.
    static DWORD RowBytes24(DWORD nWidth);
    // The raw header fields, read without alignment requirements.
    static BITMAPINFOHEADER LoadInfoHeader(const void* pHeader);
};
