#include "image/PostScriptImage.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "common/PostScriptDecode.h"
#include "image/DibFormat.h"

namespace {
struct SPattern {
    const char* pszName;
    int cx;
    int cy;
    std::function<uint8_t(int x, int y, int c)> value;
    const char* pszShows = nullptr; // what the text must hold for the case to test its rule
};

// A bottom-up 24-bit DIB's bits with padded rows, blue first.
std::vector<uint8_t> Bits(const SPattern& pattern, size_t nStride) {
    std::vector<uint8_t> bits(nStride * pattern.cy, 0xEE);
    for (int y = 0; y < pattern.cy; ++y)
        for (int x = 0; x < pattern.cx; ++x)
            for (int c = 0; c < 3; ++c)
                bits[y * nStride + 3 * x + c] = pattern.value(x, y, c);
    return bits;
}
} // namespace

// Whatever the pixels, the text decodes to their red, green and blue rows
// from the bottom up, and keeps to short lines that no spooler takes for
// comments.
TEST(PostScriptImageTest, DecodesToThePixelsInRgbOrder) {
    const SPattern patterns[] = {
        {"one pixel", 1, 1, [](int, int, int c) { return uint8_t(10 + c); }},
        {"zeros, long runs", 64, 8, [](int, int, int) { return uint8_t(0); }},
        {"four zero bytes in the codes, a z group", 2, 2,
         [](int x, int y, int c) {
             static const uint8_t s_abBgr[2][2][3] = {{{0, 0, 0}, {0, 0, 5}},
                                                      {{5, 5, 0}, {0, 0, 5}}};
             return s_abBgr[y][x][c];
         },
         "z"},
        {"one colour, long runs", 300, 3, [](int, int, int) { return uint8_t(0x80); }},
        {"noise, long literals", 173, 9,
         [](int x, int y, int c) { return uint8_t((x * 131 + y * 71 + c * 29) ^ (x * y)); }},
        {"pairs and triples", 50, 4,
         [](int x, int y, int c) { return uint8_t((x / 2 + y + c) % 3); }},
        {"runs of exactly 128 and 129", 43, 2,
         [](int x, int y, int c) { return uint8_t(7 + (y == 0 && x == 42 && c == 0)); }},
        {"a literal of 15 bytes, whose group starts with a percent sign", 5, 1,
         [](int x, int, int c) { return uint8_t(1 + x * 3 + c); }, " %"},
        {"partial last groups", 5, 1, [](int x, int, int c) { return uint8_t(x * 3 + c + 200); }},
    };
    for (const SPattern& pattern : patterns) {
        SCOPED_TRACE(pattern.pszName);
        const size_t nStride = CDibFormat::RowBytes24(pattern.cx);
        const std::vector<uint8_t> bits = Bits(pattern, nStride);
        CPostScriptImage image;
        image.Encode(bits.data(), pattern.cx, pattern.cy, nStride);
        const std::string& body = image.Body();
        const std::string end = "~>\ngrestore\n";
        ASSERT_GE(body.size(), end.size());
        EXPECT_EQ(body.substr(body.size() - end.size()), end);

        std::vector<uint8_t> decoded;
        ASSERT_TRUE(DecodePostScriptImage(body, decoded));
        std::vector<uint8_t> expected;
        for (int y = 0; y < pattern.cy; ++y)
            for (int x = 0; x < pattern.cx; ++x)
                for (int c = 2; c >= 0; --c)
                    expected.push_back(pattern.value(x, y, c));
        EXPECT_EQ(decoded, expected);
        if (pattern.pszShows)
            EXPECT_NE(body.find(pattern.pszShows), std::string::npos);

        std::istringstream lines(body);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LT(line.size(), 80u);
            EXPECT_TRUE(line.empty() || line[0] != '%') << line;
        }
    }
}

TEST(PostScriptImageTest, NothingForAnEmptyPicture) {
    const uint8_t bits[4] = {};
    CPostScriptImage image;
    image.Encode(bits, 0, 1, 4);
    EXPECT_TRUE(image.IsEmpty());
}
