// The picture on the page: the screen copy of a large picture and the
// printed picture's rectangle.
#include "ViewFixture.h"

#include <winspool.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/SampleDocument.h"
#include "native/common/PostScriptDecode.h"

#include "document/AlmanarkDoc.h"
#include "image/Dib.h"
#include "view/AlmanarkView.h"
#include "view/PicturePainter.h"

namespace {
// Pixels that vary with nSeed, row and column: each byte, blue first, is
// seven times its place in the row plus thirteen times the row.
auto Pattern(int nSeed) {
    return [nSeed](int x, int y) {
        auto byte = [&](int i) { return (BYTE)((3 * x + i) * 7 + y * 13 + nSeed); };
        return RGB(byte(2), byte(1), byte(0));
    };
}

bool SamePixels(const CPaintedPage& a, const CPaintedPage& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.At(x, y) != b.At(x, y))
                return false;
    return true;
}
} // namespace

class PictureTest : public CViewTest {
protected:
    void TearDown() override {
        Doc().m_dib.Clear();
        Doc().m_bHasImage = Doc().m_bImageShowsThrough = 0;
        CViewTest::TearDown();
    }
};

TEST_F(PictureTest, CopyOfALargePictureGivesTheSamePixels) {
    const CRect rc(37, 41, 187, 154); // 150 x 113 from 400 x 300
    for (bool bPrinter : {false, true}) {
        CDib dib;
        CPicturePainter painter;
        for (int nSeed : {0, 99}) { // a new picture of the same size replaces the copy
            ASSERT_TRUE(AttachSamplePicture(dib, 400, 300, Pattern(nSeed)));
            CPaintedPage direct(220, 180), first(220, 180), again(220, 180);
            dib.Draw(direct.Dc(), rc.left, rc.top, rc.Width(), rc.Height());
            HBITMAP ahCopy[2] = {};
            CPaintedPage* apPage[2] = {&first, &again};
            for (int i = 0; i < 2; ++i) {
                if (bPrinter)
                    painter.DrawOnPrinter(apPage[i]->Dc(), dib, rc);
                else
                    painter.DrawOnScreen(apPage[i]->Dc(), dib, rc);
                ahCopy[i] = painter.PrinterCopy();
            }
            EXPECT_TRUE(SamePixels(direct, first)) << bPrinter << nSeed;
            EXPECT_TRUE(SamePixels(direct, again)) << bPrinter << nSeed;
            // The printer draws from one copy made at the first page, kept for the next.
            if (bPrinter)
                EXPECT_TRUE(ahCopy[0] && ahCopy[0] == ahCopy[1]) << nSeed;
        }
    }
}

TEST_F(PictureTest, PrintedPictureIsClampedToThePrintableArea) {
    ASSERT_TRUE(AttachSamplePicture(Doc().m_dib, 2, 2, Pattern(0)));
    Doc().m_bHasImage = Doc().m_bImageShowsThrough = 1;
    Doc().m_dImgLeft = Doc().m_dImgTop = -0.5;
    Doc().m_dImgRight = Doc().m_dImgBottom = 1.5;
    auto page = PaintAsPrinter();
    const CPrinterMetrics metrics = SmallPrinter();
    // Inside the printable area the picture shows through; beyond it nothing.
    EXPECT_GT(
        page->CountNot(CRect(1, 1, metrics.m_printWidth - 1, metrics.m_printHeight - 1), kWhite),
        metrics.m_printWidth * metrics.m_printHeight / 2);
    EXPECT_EQ(
        0, page->CountNot(CRect(metrics.m_printWidth, 0, page->Width(), page->Height()), kWhite));
    EXPECT_EQ(
        0, page->CountNot(CRect(0, metrics.m_printHeight, page->Width(), page->Height()), kWhite));
}

namespace {
// The first image drawn on a page of PostScript: where it goes ("x y
// translate", "cx cy scale"), its dictionary and its pixels.
struct SPrintedImage {
    std::string strPlace;
    std::vector<uint8_t> pixels;
};

bool ReadImage(const std::string& strPage, SPrintedImage& image) {
    const size_t nScale = strPage.find(" scale\n<<\n");
    const size_t nTranslate = strPage.rfind("\n", strPage.rfind(" translate\n", nScale));
    const size_t nData = strPage.find(">>\nimage\n", nScale);
    if (nScale == std::string::npos || nTranslate == std::string::npos ||
        nData == std::string::npos)
        return false;
    image.strPlace = strPage.substr(nTranslate + 1, nData - nTranslate - 1);
    return DecodePostScriptImage(strPage.substr(nData + 9), image.pixels);
}
} // namespace

// A PostScript printer is sent the printer copy through the driver's
// passthrough, the same for every page of the job: it draws the pixels the
// driver's own image of the copy draws, in the same place.
TEST_F(PictureTest, PostScriptPagesDrawWhatTheDriverDraws) {
    char szPrinter[256] = "";
    DWORD nSize = sizeof szPrinter;
    ASSERT_TRUE(GetDefaultPrinterA(szPrinter, &nSize));
    HDC hDC = ::CreateDCA("WINSPOOL", szPrinter, nullptr, nullptr);
    ASSERT_TRUE(hDC);
    char szFolder[MAX_PATH] = "", szFile[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, szFolder);
    ::GetTempFileNameA(szFolder, "aps", 0, szFile);
    CDib dib;
    ASSERT_TRUE(AttachSamplePicture(dib, 400, 300, Pattern(5)));
    CPicturePainter painter;
    CDC dc;
    dc.Attach(hDC);
    const CRect rc(120, 170, 270, 283);
    DOCINFOA doc = {sizeof doc, "almanark-test-postscript", szFile, nullptr, 0};
    ASSERT_GT(::StartDocA(hDC, &doc), 0);
    for (int nPage = 0; nPage < 2; ++nPage) {
        ::StartPage(hDC);
        painter.DrawOnPrinter(dc, dib, rc);
        ::EndPage(hDC);
    }
    DIBSECTION section = {};
    ASSERT_TRUE(::GetObjectA(painter.PrinterCopy(), sizeof section, &section));
    ::StartPage(hDC);
    ::StretchDIBits(hDC, rc.left, rc.top, rc.Width(), rc.Height(), 0, 0, rc.Width(), rc.Height(),
                    section.dsBm.bmBits, reinterpret_cast<BITMAPINFO*>(&section.dsBmih),
                    DIB_RGB_COLORS, SRCCOPY);
    ::EndPage(hDC);
    ::EndDoc(hDC);
    painter.EndJob();
    dc.Detach();
    ::DeleteDC(hDC);

    std::ifstream file(szFile, std::ios::binary);
    const std::string strJob((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
    file.close();
    ::DeleteFileA(szFile);
    std::vector<std::string> pages;
    for (size_t nAt = strJob.find("%%Page:"); nAt != std::string::npos;) {
        const size_t nNext = strJob.find("%%Page:", nAt + 1);
        pages.push_back(strJob.substr(nAt, nNext - nAt));
        nAt = nNext;
    }
    ASSERT_EQ(pages.size(), 3u);
    SPrintedImage driver;
    ASSERT_TRUE(ReadImage(pages[2], driver));
    EXPECT_EQ(driver.strPlace.substr(0, 31), "120 170 translate\n150 113 scale");
    EXPECT_EQ(driver.pixels.size(), 150u * 113 * 3);
    for (int nPage = 0; nPage < 2; ++nPage) {
        EXPECT_NE(pages[nPage].find("passthrough"), std::string::npos) << nPage;
        SPrintedImage sent;
        ASSERT_TRUE(ReadImage(pages[nPage], sent)) << nPage;
        EXPECT_EQ(sent.strPlace, driver.strPlace) << nPage;
        EXPECT_TRUE(sent.pixels == driver.pixels) << nPage;
    }
}
