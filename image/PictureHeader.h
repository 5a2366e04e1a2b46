// CPictureHeader: what the first bytes of a picture file say about it: its
// format judged by content, the size it states, how many bits a pixel the
// decoder keeps of the whole frame, and any variant the platform's codecs
// may not read. Read before the file reaches a decoder, so that a picture
// too large for the program is refused before memory is taken for it.
// Portable.
#pragma once
#include <cstddef>
#include <cstdint>

struct CPictureKind {
    enum Format { unknown, bitmap, png, jpeg, gif, tiff };
    Format format = unknown;
    // Whether the header stating the size lay within the bytes given.
    bool bSized = false;
    uint32_t nWidth = 0;
    uint32_t nHeight = 0;
    // Bits a pixel of the decoded frame the codec holds whole while it
    // converts (its bit depth times its channels); 0 when not known.
    uint32_t nDecodedBits = 0;
    // A variant a codec may refuse, named for the user ("CMYK"); or null.
    const char* pszVariant = nullptr;
};

class CPictureHeader {
public:
    static CPictureKind Read(const uint8_t* pData, size_t nSize);
    // "bitmap", "PNG", "JPEG", "GIF", "TIFF"; "picture" when unknown.
    static const char* FormatName(CPictureKind::Format format);
    // Bytes of the decoded frame; 0 when its depth is not known, UINT64_MAX
    // beyond what 64 bits count.
    static uint64_t DecodedBytes(const CPictureKind& kind);

private:
    static void ReadBitmap(const uint8_t* pData, size_t nSize, CPictureKind& kind);
    static void ReadPng(const uint8_t* pData, size_t nSize, CPictureKind& kind);
    static void ReadJpeg(const uint8_t* pData, size_t nSize, CPictureKind& kind);
    static void ReadTiff(const uint8_t* pData, size_t nSize, CPictureKind& kind);
};
