#include "image/PictureHeader.h"

#include <gtest/gtest.h>

#include <string>

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
        uint32_t w = 0, h = 0;
        EXPECT_EQ(c.bFound,
                  CPictureHeader::ReadSize((const uint8_t*)c.data.data(), c.data.size(), w, h))
            << c.pszWhat;
        EXPECT_EQ(c.nWidth, w) << c.pszWhat;
        EXPECT_EQ(c.nHeight, h) << c.pszWhat;
    }
}
