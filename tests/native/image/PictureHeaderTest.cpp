#include "image/PictureHeader.h"

#include <gtest/gtest.h>

#include <string>

#include "common/LittleEndian.h"

namespace {
std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += (char)v;
    return s;
}
} // namespace

TEST(PictureHeaderTest, SizesStatedByEachFormat) {
    const std::string png = Bytes({0x89, 'P', 'N', 'G', 13, 10,   26,   10, 0, 0, 0, 13, 'I',
                                   'H',  'D', 'R', 0,   0,  0x75, 0x30, 0,  1, 0, 2, 8,  2});
    const std::string gif = std::string("GIF89a") + Bytes({0x40, 0x1F, 0x10, 0x00, 0});
    // A comment segment, fill bytes, then the frame: 60000 wide, 3 high.
    const std::string jpg = Bytes(
        {0xFF, 0xD8, 0xFF, 0xFE, 0, 4, 'h', 'i', 0xFF, 0xFF, 0xC2, 0, 17, 8, 0, 3, 0xEA, 0x60, 3});
    const struct {
        const char* pszWhat;
        std::string data;
        bool bFound;
        uint32_t nWidth, nHeight;
    } cases[] = {
        {"png", png, true, 30000, 65538},
        {"gif", gif, true, 8000, 16},
        {"jpeg", jpg, true, 60000, 3},
        {"png cut in its header", png.substr(0, 20), false, 0, 0},
        {"jpeg cut in its frame", jpg.substr(0, 17), false, 0, 0},
        {"jpeg whose segment runs past the end", jpg.substr(0, 12), false, 0, 0},
        {"jpeg scan before any frame", Bytes({0xFF, 0xD8, 0xFF, 0xDA, 0, 2}), false, 0, 0},
        {"jpeg with garbage between segments", Bytes({0xFF, 0xD8, 0x00, 0xC0, 0, 0, 0, 0}), false,
         0, 0},
        {"bitmap", "BM\0\0\0\0\0\0\0\0\0\0", false, 0, 0},
        {"nothing", "", false, 0, 0},
    };
    for (const auto& c : cases) {
        const CPictureKind kind =
            CPictureHeader::Read((const uint8_t*)c.data.data(), c.data.size());
        EXPECT_EQ(c.bFound, kind.bSized) << c.pszWhat;
        EXPECT_EQ(c.nWidth, kind.nWidth) << c.pszWhat;
        EXPECT_EQ(c.nHeight, kind.nHeight) << c.pszWhat;
    }
}

namespace {
// The first bytes of a bitmap file with an information header of nHeader bytes.
std::string BitmapHead(uint32_t nHeader, int32_t nWidth, int32_t nHeight, uint32_t nBits,
                       uint32_t nCompression = 0) {
    return "BM" + Le(0, 8) + Le(14 + nHeader, 4) + Le(nHeader, 4) + Le((uint32_t)nWidth, 4) +
           Le((uint32_t)nHeight, 4) + Le(1, 2) + Le(nBits, 2) + Le(nCompression, 4);
}

// A little-endian TIFF whose first directory holds the given (tag, short value) entries.
std::string TiffHead(std::initializer_list<std::pair<uint32_t, uint32_t>> entries) {
    std::string s = "II*" + std::string(1, '\0') + Le(8, 4) + Le((uint32_t)entries.size(), 2);
    for (const auto& e : entries)
        s += Le(e.first, 2) + Le(3, 2) + Le(1, 4) + Le(e.second, 4);
    return s;
}
} // namespace

TEST(PictureHeaderTest, FormatDepthAndVariantJudgedByContent) {
    const std::string png = Bytes({0x89, 'P', 'N', 'G', 13, 10,   26,   10, 0, 0,    0,    13, 'I',
                                   'H',  'D', 'R', 0,   0,  0x13, 0x88, 0,  0, 0x13, 0x88, 16, 6});
    std::string greyAlpha = png;
    greyAlpha[24] = 8, greyAlpha[25] = 4;
    const std::string cmykJpeg =
        Bytes({0xFF, 0xD8, 0xFF, 0xC0, 0, 20, 8, 0, 2, 0, 3, 4, 1, 0x11, 0});
    const std::string lossless = Bytes({0xFF, 0xD8, 0xFF, 0xC3, 0, 11, 8, 0, 2, 0, 3, 1});
    const struct {
        const char* pszWhat;
        std::string data;
        CPictureKind::Format format;
        bool bSized;
        uint32_t nWidth, nHeight, nBits;
        const char* pszVariant;
    } cases[] = {
        {"16-bit RGBA PNG", png, CPictureKind::png, true, 5000, 5000, 64, nullptr},
        {"grey with alpha widened to colour", greyAlpha, CPictureKind::png, true, 5000, 5000, 32,
         nullptr},
        {"PNG without its depth", png.substr(0, 24), CPictureKind::png, true, 5000, 5000, 0,
         nullptr},
        {"CMYK JPEG", cmykJpeg, CPictureKind::jpeg, true, 3, 2, 32, "CMYK"},
        {"lossless JPEG", lossless, CPictureKind::jpeg, true, 3, 2, 8, "lossless"},
        {"plain bitmap", BitmapHead(40, 7, 5, 24), CPictureKind::bitmap, true, 7, 5, 24, nullptr},
        {"top-down bitmap", BitmapHead(40, 7, -5, 8), CPictureKind::bitmap, true, 7, 5, 8, nullptr},
        {"run-length bitmap", BitmapHead(40, 7, 5, 8, 1), CPictureKind::bitmap, true, 7, 5, 32,
         nullptr},
        {"V5 bitmap with a JPEG inside", BitmapHead(124, 7, 5, 0, 4), CPictureKind::bitmap, true, 7,
         5, 0, "JPEG inside"},
        {"OS/2 bitmap",
         "BM" + Le(0, 8) + Le(26, 4) + Le(12, 4) + Le(9, 2) + Le(4, 2) + Le(1, 2) + Le(24, 2),
         CPictureKind::bitmap, true, 9, 4, 24, nullptr},
        {"bitmap of an unknown header", BitmapHead(41, 7, 5, 24), CPictureKind::bitmap, false, 0, 0,
         0, "unknown header"},
        {"bitmap of no width", BitmapHead(40, 0, 5, 24), CPictureKind::bitmap, false, 0, 0, 24,
         nullptr},
        {"CMYK TIFF", TiffHead({{256, 600}, {257, 400}, {258, 8}, {262, 5}, {277, 4}}),
         CPictureKind::tiff, true, 600, 400, 32, "CMYK"},
        {"big-endian TIFF without its directory", "MM" + Bytes({0, 42, 0, 0, 0, 8}),
         CPictureKind::tiff, false, 0, 0, 0, nullptr},
        {"GIF", std::string("GIF87a") + Bytes({2, 0, 3, 0}), CPictureKind::gif, true, 2, 3, 8,
         nullptr},
        {"text", "Dear diary", CPictureKind::unknown, false, 0, 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        const CPictureKind kind =
            CPictureHeader::Read((const uint8_t*)c.data.data(), c.data.size());
        EXPECT_EQ(c.format, kind.format) << c.pszWhat;
        EXPECT_EQ(c.bSized, kind.bSized) << c.pszWhat;
        EXPECT_EQ(c.nWidth, kind.nWidth) << c.pszWhat;
        EXPECT_EQ(c.nHeight, kind.nHeight) << c.pszWhat;
        EXPECT_EQ(c.nBits, kind.nDecodedBits) << c.pszWhat;
        EXPECT_STREQ(c.pszVariant, kind.pszVariant) << c.pszWhat;
    }
    // The 194 KB PNG of the report decodes to 200 MB.
    EXPECT_EQ(200000000u, CPictureHeader::DecodedBytes(
                              CPictureHeader::Read((const uint8_t*)png.data(), png.size())));
}
