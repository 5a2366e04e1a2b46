#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include "framework/MemFile.h"
#include "image/DibFormat.h"

namespace {
using Bytes = std::vector<BYTE>;

void Put(Bytes& b, size_t at, DWORD value, int nBytes) {
    for (int i = 0; i < nBytes; i++)
        b[at + i] = (BYTE)(value >> (8 * i));
}

struct Picture {
    LONG width = 2, height = 2;
    WORD bits = 24;
    DWORD clrUsed = 0, sizeImage = 0, headerSize = 40, compression = 0;
    size_t colors = 0, pixelBytes = 16; // what actually follows the header
};

// Information header, colour table (entry i = i, 2i, 3i) and pixels 0, 1, 2...
Bytes Packed(const Picture& p) {
    Bytes b(40 + 4 * p.colors + p.pixelBytes);
    Put(b, 0, p.headerSize, 4);
    Put(b, 4, (DWORD)p.width, 4);
    Put(b, 8, (DWORD)p.height, 4);
    Put(b, 12, 1, 2);
    Put(b, 14, p.bits, 2);
    Put(b, 16, p.compression, 4);
    Put(b, 20, p.sizeImage, 4);
    Put(b, 32, p.clrUsed, 4);
    for (size_t i = 0; i < p.colors; i++)
        Put(b, 40 + 4 * i, (DWORD)(i | (2 * i) << 8 | (3 * i) << 16), 4);
    for (size_t i = 0; i < p.pixelBytes; i++)
        b[40 + 4 * p.colors + i] = (BYTE)i;
    return b;
}

Bytes Stored(const Picture& p, DWORD offset = 0) {
    Bytes b(14);
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 2, 0xDEAD, 4);
    Put(b, 10, offset ? offset : 54 + 4 * (DWORD)p.colors, 4);
    Bytes info = Packed(p);
    b.insert(b.end(), info.begin(), info.end());
    return b;
}

CDibFormat::Error ReadBytes(const Bytes& b, CStoredDib& out) {
    CMemFile file(b.data(), b.size());
    return CDibFormat::ReadStored(file, out);
}

// Records the largest read asked for, which is also the largest allocation.
class CProbeFile : public CMemFile {
public:
    using CMemFile::CMemFile;
    unsigned Read(void* pBuf, unsigned nCount) override {
        m_nLargest = std::max(m_nLargest, nCount);
        return CMemFile::Read(pBuf, nCount);
    }
    unsigned m_nLargest = 0;
};

class CBrokenFile : public CMemFile {
public:
    unsigned Read(void*, unsigned) override { throw CFileException(CFileException::hardIO); }
    void Write(const void*, unsigned) override { throw CFileException(CFileException::diskFull); }
};
} // namespace

TEST(DibFormatTest, DerivesColorCountAndPixelSize) {
    struct Case {
        WORD bits;
        LONG width;
        DWORD clrUsed, sizeImage;
        int nColors;
        DWORD dwBitsSize;
    } cases[] = {
        {1, 9, 0, 0, 2, 4 * 3},   {4, 9, 0, 0, 16, 8 * 3},  {8, 5, 0, 0, 256, 8 * 3},
        {8, 5, 20, 0, 20, 8 * 3}, {16, 3, 0, 0, 0, 8 * 3},  {24, 3, 0, 0, 0, 12 * 3},
        {32, 3, 0, 0, 0, 12 * 3}, {24, 3, 7, 0, 7, 12 * 3}, {24, 3, 0, 100, 0, 100},
    };
    for (const Case& c : cases) {
        Picture p;
        p.bits = c.bits, p.width = c.width, p.height = 3, p.clrUsed = c.clrUsed;
        p.sizeImage = c.sizeImage;
        Bytes b = Packed(p);
        CDibMetrics m;
        ASSERT_EQ(CDibFormat::GetMetrics(b.data(), b.size(), m), CDibFormat::none) << c.bits;
        EXPECT_EQ(m.nColors, c.nColors) << c.bits << " bpp, used " << c.clrUsed;
        EXPECT_EQ(m.dwBitsSize, c.dwBitsSize) << c.bits << " bpp, width " << c.width;
    }
}

TEST(DibFormatTest, RejectsUnusableHeaders) {
    struct Case {
        Picture p;
        CDibFormat::Error expected;
    } cases[] = {
        {{2, 2, 24, 0, 0, 12}, CDibFormat::badHeaderSize},  // OS/2 core header
        {{2, 2, 24, 0, 0, 124}, CDibFormat::badHeaderSize}, // version 5 header
        {{0, 2}, CDibFormat::badDimensions},
        {{2, -2}, CDibFormat::badDimensions}, // top-down
        {{-2, 2}, CDibFormat::badDimensions},
        {{2, 2, 2}, CDibFormat::badBitCount},
        {{2, 2, 0}, CDibFormat::badBitCount},
        {{2, 2, 8, 0, 0, 40, 1}, CDibFormat::badCompression},
        {{2, 2, 24, 0x10000}, CDibFormat::badColorCount},
        {{2, 2, 24, 0, 15}, CDibFormat::badImageSize}, // rows need 16 bytes
        // 32-bit size arithmetic wraps: the stored size would not be what GDI reads.
        {{0x7FFFFFFF, 1, 32}, CDibFormat::badImageSize},
        {{65536, 65536, 8}, CDibFormat::badImageSize},
        {{65536, 65536, 8, 0, 0xFFFFFFFF}, CDibFormat::badImageSize},
    };
    for (const Case& c : cases) {
        Bytes b = Packed(c.p);
        CDibMetrics m;
        EXPECT_EQ(CDibFormat::GetMetrics(b.data(), b.size(), m), c.expected)
            << c.p.width << "x" << c.p.height << " " << c.p.bits << " bpp";
        EXPECT_EQ(m.dwBitsSize, 0u);
        CStoredDib out;
        EXPECT_EQ(ReadBytes(Stored(c.p), out), c.expected);
        EXPECT_FALSE(out.pHeader);
    }
}

TEST(DibFormatTest, PackedBitmapMustHoldColorsAndPixels) {
    Picture p;
    p.bits = 8, p.clrUsed = 20, p.colors = 20, p.width = 3, p.pixelBytes = 8;
    Bytes b = Packed(p);
    CDibMetrics m;
    EXPECT_EQ(CDibFormat::CheckPacked(b.data(), b.size(), m), CDibFormat::none);
    for (size_t n = 0; n < b.size(); n++)
        EXPECT_NE(CDibFormat::CheckPacked(b.data(), n, m), CDibFormat::none) << n;
}

TEST(DibFormatTest, StoredFormRoundTrip) {
    Picture p;
    p.bits = 8, p.width = 3, p.colors = 256, p.pixelBytes = 8;
    // A gap between colour table and pixels is read but not written again.
    Bytes in = Stored(p, 54 + 4 * 256 + 6);
    in.insert(in.begin() + 14 + 40 + 4 * 256, 6, 0xEE);
    in.push_back(0x77); // what follows the picture in a document

    CMemFile src(in.data(), in.size());
    CStoredDib dib;
    ASSERT_EQ(CDibFormat::ReadStored(src, dib), CDibFormat::none);
    EXPECT_EQ(src.GetPosition(), in.size() - 1);
    EXPECT_EQ(dib.metrics.nColors, 256);
    EXPECT_EQ(dib.metrics.dwBitsSize, 8u);

    CMemFile dst;
    ASSERT_TRUE(CDibFormat::WriteStored(dst, dib.pHeader.get(), dib.metrics.nColors,
                                        dib.pBits.get(), dib.metrics.dwBitsSize));
    Bytes expected = Stored(p);
    Put(expected, 2, 0, 4);
    EXPECT_EQ(dst.Data(), expected);
    EXPECT_EQ(dst.Data()[10] | dst.Data()[11] << 8, 54 + 4 * 256);
}

TEST(DibFormatTest, EveryTruncationIsRejected) {
    Picture p;
    p.bits = 4, p.width = 3, p.colors = 16, p.pixelBytes = 8;
    Bytes full = Stored(p);
    for (size_t n = 0; n < full.size(); n++) {
        CStoredDib out;
        EXPECT_EQ(ReadBytes(Bytes(full.begin(), full.begin() + n), out), CDibFormat::truncated)
            << n;
    }
}

TEST(DibFormatTest, LyingHeadersAllocateNoMoreThanTheFileHolds) {
    Picture small; // 2x2, 24 bpp
    Picture huge = small;
    huge.sizeImage = 0xFFFFFFFF;
    Picture manyColors = small;
    manyColors.clrUsed = 0xFFFF;
    Picture tableOutsideBlock = small;
    tableOutsideBlock.bits = 8; // 256 colours, but the offset leaves room for none
    // Within the file's whole length, but not within what follows the position.
    Picture pastRest = small;
    pastRest.sizeImage = 4000;
    Bytes behindJunk(4096, 0);
    Bytes rest = Stored(pastRest);
    behindJunk.insert(behindJunk.end(), rest.begin(), rest.end());
    struct Case {
        Bytes data;
        CDibFormat::Error expected;
        size_t nSkip = 0;
    } cases[] = {
        {behindJunk, CDibFormat::truncated, 4096},
        {Stored(huge), CDibFormat::truncated},
        {Stored(small, 0xFFFFFFFF), CDibFormat::truncated},
        {Stored(small, 53), CDibFormat::badPixelOffset},
        {Stored(small, 14), CDibFormat::badPixelOffset},
        {Stored(manyColors), CDibFormat::truncated},
        {Stored(tableOutsideBlock), CDibFormat::truncated},
        {Bytes{'B', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0}, CDibFormat::badSignature},
    };
    for (const Case& c : cases) {
        CProbeFile file(c.data.data(), c.data.size());
        file.Seek((int64_t)c.nSkip, CFile::begin);
        CStoredDib out;
        EXPECT_EQ(CDibFormat::ReadStored(file, out), c.expected);
        EXPECT_LE(file.m_nLargest, c.data.size() - c.nSkip);
    }
}

TEST(DibFormatTest, FileErrorsAreReportedNotThrown) {
    CBrokenFile file;
    CStoredDib out;
    Bytes b = Packed(Picture());
    EXPECT_FALSE(CDibFormat::WriteStored(file, b.data(), 0, b.data() + 40, 16));
    // An empty file reads nothing; make one that claims to hold bytes.
    class CBrokenLongFile : public CBrokenFile {
        uint64_t GetLength() const override { return 1000; }
    } longFile;
    EXPECT_EQ(CDibFormat::ReadStored(longFile, out), CDibFormat::fileError);
}
