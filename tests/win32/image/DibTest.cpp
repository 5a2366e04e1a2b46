#include <gtest/gtest.h>

#include <windows.h>
#include <cstring>
#include <vector>
#include "framework/Archive.h"
#include "framework/MemFile.h"
#include "image/Dib.h"
#include "ShownMessages.h"

namespace {
using Bytes = std::vector<BYTE>;

// Quadrant colours of the 2x2 test pictures, as COLORREF.
const COLORREF kTopLeft = RGB(255, 0, 0), kTopRight = RGB(0, 255, 0);
const COLORREF kBottomLeft = RGB(0, 0, 255), kBottomRight = RGB(255, 255, 255);

void Put(Bytes& b, size_t at, DWORD value, int nBytes) {
    for (int i = 0; i < nBytes; i++)
        b[at + i] = (BYTE)(value >> (8 * i));
}

void PutQuad(Bytes& b, size_t at, COLORREF cr) {
    b[at] = GetBValue(cr), b[at + 1] = GetGValue(cr), b[at + 2] = GetRValue(cr), b[at + 3] = 0;
}

// A 2x2 bitmap file; rows are stored bottom-up, each padded to 4 bytes.
Bytes BitmapFile(WORD bits, DWORD clrUsed = 0, size_t nTable = 0, DWORD headerSize = 40) {
    size_t nStride = bits == 8 ? 4 : 8;
    Bytes b(54 + 4 * nTable + 2 * nStride);
    b[0] = 'B', b[1] = 'M';
    Put(b, 2, (DWORD)b.size(), 4);
    Put(b, 10, 54 + 4 * (DWORD)nTable, 4);
    Put(b, 14, headerSize, 4);
    Put(b, 18, 2, 4);
    Put(b, 22, 2, 4);
    Put(b, 26, 1, 2);
    Put(b, 28, bits, 2);
    Put(b, 46, clrUsed, 4);
    const COLORREF order[] = {kBottomLeft, kBottomRight, kTopLeft, kTopRight};
    for (size_t i = 0; i < nTable; i++)
        PutQuad(b, 54 + 4 * i, i < 4 ? order[i] : RGB(i, i, i));
    for (int i = 0; i < 4; i++) {
        BYTE* p = &b[54 + 4 * nTable + (i / 2) * nStride + (i % 2) * (bits / 8)];
        if (bits == 8)
            p[0] = (BYTE)i;
        else
            p[0] = GetBValue(order[i]), p[1] = GetGValue(order[i]), p[2] = GetRValue(order[i]);
    }
    return b;
}

class DibTest : public testing::Test {
protected:
    void SetUp() override { ShownMessages().clear(); }
    void TearDown() override { m_dib.Clear(); }

    CDib m_dib;
};

// A 20x20 top-down 32-bit surface in a memory DC.
class CSurface {
public:
    CSurface() {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 20, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        m_hDC = CreateCompatibleDC(nullptr);
        m_hBitmap = CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, (void**)&m_pPixels, nullptr, 0);
        m_hOld = SelectObject(m_hDC, m_hBitmap);
    }
    ~CSurface() {
        SelectPalette(m_hDC, (HPALETTE)GetStockObject(DEFAULT_PALETTE), FALSE);
        SelectObject(m_hDC, m_hOld);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hDC);
    }
    COLORREF At(int x, int y) const {
        GdiFlush();
        DWORD px = m_pPixels[y * 20 + x];
        return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
    }
    void ExpectQuadrants() const {
        EXPECT_EQ(At(5, 5), kTopLeft);
        EXPECT_EQ(At(15, 5), kTopRight);
        EXPECT_EQ(At(5, 15), kBottomLeft);
        EXPECT_EQ(At(15, 15), kBottomRight);
    }

    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    DWORD* m_pPixels = nullptr;
};

int PaletteSize(HPALETTE hPal) {
    return hPal ? (int)GetPaletteEntries(hPal, 0, 0, nullptr) : 0;
}

class CBrokenFile : public CMemFile {
public:
    void Write(const void*, unsigned) override { throw CFileException(CFileException::diskFull); }
};
} // namespace

TEST_F(DibTest, AttachesMemoryInPlaceAndDraws) {
    Bytes file = BitmapFile(8, 0, 256);
    ASSERT_TRUE(m_dib.AttachMemory(file.data() + 14, FALSE, nullptr, file.size() - 14));
    EXPECT_TRUE(ShownMessages().empty());
    EXPECT_EQ(m_dib.GetSize(), CSize(2, 2));
    EXPECT_EQ(m_dib.m_nColors, 256);
    EXPECT_EQ(m_dib.m_dwBitsSize, 8u);
    EXPECT_EQ((BYTE*)m_dib.m_pHeader, file.data() + 14);
    EXPECT_EQ(m_dib.m_pBits, (BYTE*)m_dib.m_pColors + 4 * 256);
    EXPECT_EQ(PaletteSize(m_dib.m_hPal), 256);

    CSurface surface;
    EXPECT_TRUE(m_dib.Draw(surface.m_hDC, 0, 0, 20, 20));
    surface.ExpectQuadrants();
    EXPECT_EQ(GetCurrentObject(surface.m_hDC, OBJ_PAL), m_dib.m_hPal);

    m_dib.Clear();
    EXPECT_EQ(m_dib.GetSize(), CSize(0, 0));
    EXPECT_FALSE(m_dib.Draw(surface.m_hDC, 0, 0, 20, 20));
}

TEST_F(DibTest, UnsupportedOrShortBlockEmptiesThePicture) {
    Bytes ok = BitmapFile(24);
    Bytes os2 = BitmapFile(24, 0, 0, 12);
    Bytes v5 = BitmapFile(24, 0, 0, 124);
    Bytes cut = BitmapFile(8, 0, 256);
    cut.pop_back();
    Bytes headerOnly = BitmapFile(24);
    headerOnly.resize(30);
    for (Bytes* pFile : {&os2, &v5, &cut, &headerOnly}) {
        ASSERT_TRUE(m_dib.AttachMemory(ok.data() + 14, FALSE, nullptr, ok.size() - 14));
        ShownMessages().clear();
        EXPECT_FALSE(m_dib.AttachMemory(pFile->data() + 14, FALSE, nullptr, pFile->size() - 14));
        EXPECT_EQ(ShownMessages(), std::vector<CString>{"AttachMemory error"});
        EXPECT_TRUE(m_dib.IsEmpty());
    }
}

TEST_F(DibTest, WriteReadAndSerializeKeepThePicture) {
    Bytes file = BitmapFile(8, 20, 20);
    ASSERT_TRUE(m_dib.AttachMemory(file.data() + 14, FALSE, nullptr, file.size() - 14));

    CMemFile mem;
    ASSERT_TRUE(m_dib.Write(&mem));
    Bytes expected = file;
    Put(expected, 2, 0, 4);
    EXPECT_EQ(mem.Data(), expected);

    CMemFile doc;
    {
        CArchive ar(&doc, CArchive::store);
        ar.WriteInt(7);
        m_dib.Serialize(ar);
        ar.WriteInt(9);
        ar.Close();
    }
    EXPECT_EQ(doc.Data().size(), 4 + file.size() + 4);
    EXPECT_EQ(memcmp(doc.Data().data() + 4, expected.data(), expected.size()), 0);

    doc.SeekToBegin();
    CDib loaded;
    CArchive ar(&doc, CArchive::load);
    EXPECT_EQ(ar.ReadInt(), 7);
    loaded.Serialize(ar);
    EXPECT_EQ(ar.ReadInt(), 9);
    EXPECT_EQ(loaded.m_nColors, 20);
    EXPECT_EQ(PaletteSize(loaded.m_hPal), 20);
    CSurface surface;
    EXPECT_TRUE(loaded.Draw(surface.m_hDC, 0, 0, 20, 20));
    surface.ExpectQuadrants();
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(DibTest, ReadAndWriteFailuresAreReported) {
    Bytes good = BitmapFile(24);
    Bytes os2 = BitmapFile(24, 0, 0, 12);
    Bytes cut(good.begin(), good.end() - 1);
    Bytes notBm = good;
    notBm[0] = 'X';
    for (const Bytes* pData : {&os2, &cut, &notBm}) {
        CMemFile file(pData->data(), pData->size());
        ShownMessages().clear();
        ASSERT_TRUE(m_dib.AttachMemory(good.data() + 14, FALSE, nullptr, good.size() - 14));
        EXPECT_FALSE(m_dib.Read(&file));
        EXPECT_EQ(ShownMessages(), std::vector<CString>{"Read error"});
        EXPECT_TRUE(m_dib.IsEmpty());
    }

    ShownMessages().clear();
    CBrokenFile broken;
    EXPECT_FALSE(m_dib.Write(&broken)); // empty: nothing to store
    ASSERT_TRUE(m_dib.AttachMemory(good.data() + 14, FALSE, nullptr, good.size() - 14));
    EXPECT_FALSE(m_dib.Write(&broken));
    EXPECT_EQ(ShownMessages(), (std::vector<CString>{"write error", "write error"}));
}

TEST_F(DibTest, PalettesFollowTheColorTable) {
    Bytes indexed = BitmapFile(8, 20, 20);
    ASSERT_TRUE(m_dib.AttachMemory(indexed.data() + 14, FALSE, nullptr, indexed.size() - 14));
    PALETTEENTRY entries[20];
    ASSERT_EQ(GetPaletteEntries(m_dib.m_hPal, 0, 20, entries), 20u);
    for (int i = 0; i < 20; i++) {
        RGBQUAD q = m_dib.m_pColors[i];
        EXPECT_EQ(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue),
                  RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
        EXPECT_EQ(entries[i].peFlags, 0);
    }
    HPALETTE hOwn = m_dib.m_hPal;
    EXPECT_FALSE(m_dib.BuildHalftonePalette(nullptr));
    EXPECT_EQ(m_dib.m_hPal, hOwn);

    Bytes rgb = BitmapFile(24);
    ASSERT_TRUE(m_dib.AttachMemory(rgb.data() + 14, FALSE, nullptr, rgb.size() - 14));
    EXPECT_EQ(m_dib.m_hPal, nullptr);
    EXPECT_FALSE(m_dib.BuildPalette());
    CSurface surface;
    EXPECT_EQ(m_dib.ApplyPalette(surface.m_hDC, FALSE), 0u);
    EXPECT_TRUE(m_dib.BuildHalftonePalette(surface.m_hDC));
    EXPECT_GT(PaletteSize(m_dib.m_hPal), 0);
    m_dib.ApplyPalette(surface.m_hDC, FALSE);
    EXPECT_EQ(GetCurrentObject(surface.m_hDC, OBJ_PAL), m_dib.m_hPal);
    EXPECT_TRUE(m_dib.Draw(surface.m_hDC, 0, 0, 20, 20));
    surface.ExpectQuadrants();
}
