// The Image page: loading, placing and removing the picture, and bad files.
#include "PanelFixture.h"

#include <cstring>
#include <functional>
#include <string>

#include "document/AlmanarkDoc.h"
#include "native/common/LittleEndian.h"
#include "frame/MainFrame.h"
#include "framework/AfxRes.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"
#include "view/ImagePlacement.h"

using namespace std::string_literals;

namespace {
const char kNoImage[] = "no image loaded";

CString Picture(const char* pszName) {
    return CString("Z:") + ALMANARK_SOURCE_DIR + "/tests/win32/panel/pictures/" + pszName;
}

// A 24-bit .bmp of one colour; nCutPixels bytes fewer than its rows need.
std::string Bmp(int cx, int cy, BYTE r, BYTE g, BYTE b, uint32_t nHeaderSize = 40,
                int nCutPixels = 0) {
    const int nRow = (cx * 3 + 3) & ~3;
    std::string s = "BM" + Le(0, 8) + Le(14 + nHeaderSize, 4);
    s += Le(nHeaderSize, 4) + Le(cx, 4) + Le(cy, 4) + Le(1, 2) + Le(24, 2) + Le(0, 4) + Le(0, 4) +
         Le(0, 16);
    std::string row(nRow, '\0');
    for (int x = 0; x < cx; ++x) {
        row[3 * x] = (char)b;
        row[3 * x + 1] = (char)g;
        row[3 * x + 2] = (char)r;
    }
    for (int y = 0; y < cy; ++y)
        s += row;
    return s.substr(0, s.size() - nCutPixels);
}

uint32_t Crc32(const std::string& s) {
    uint32_t c = 0xFFFFFFFF;
    for (unsigned char ch : s) {
        c ^= ch;
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    return ~c;
}

std::string Be(uint32_t n) {
    return {(char)(n >> 24), (char)(n >> 16), (char)(n >> 8), (char)n};
}

// The PNG with its header claiming another size (and depth and colour
// type, when given), its checksum made to match.
std::string LyingPng(const std::string& png, uint32_t cx, uint32_t cy, char nDepth = 0,
                     char nColourType = 0) {
    std::string chunk = png.substr(12, 17);
    chunk.replace(4, 8, Be(cx) + Be(cy));
    if (nDepth)
        chunk[12] = nDepth, chunk[13] = nColourType;
    return png.substr(0, 12) + chunk + Be(Crc32(chunk)) + png.substr(33);
}

// A bitmap file of any header size: the 40-byte header's fields padded to
// nHeader bytes, then extra (colour table or masks), then the pixels.
std::string BitmapOf(uint32_t nHeader, int32_t cx, int32_t cy, int nBits, uint32_t nCompression,
                     uint32_t nColoursUsed, const std::string& extra, const std::string& pixels) {
    std::string info = Le(nHeader, 4) + Le((uint32_t)cx, 4) + Le((uint32_t)cy, 4) + Le(1, 2) +
                       Le(nBits, 2) + Le(nCompression, 4) + Le((uint32_t)pixels.size(), 4) +
                       Le(0, 8) + Le(nColoursUsed, 4) + Le(0, 4);
    info.resize(nHeader, '\0');
    return "BM" + Le(0, 8) + Le(14 + nHeader + (uint32_t)extra.size(), 4) + info + extra + pixels;
}

bool WriteBytes(const char* pszPath, const std::string& s) {
    return WriteWholeFile(pszPath, CString(s.data(), (int)s.size()));
}
} // namespace

class ImagePage : public CPanelFixture {
protected:
    void SetUp() override {
        CPanelFixture::SetUp();
        Paint();
    }
    void TearDown() override {
        Image().RemoveImage();
        CPanelFixture::TearDown();
    }
    CImagePage& Image() { return Frame().m_wndImagePage; }
    // "New" answered with pszPath; the messages shown are returned.
    std::vector<CString> ChooseFile(const char* pszPath) {
        const CString strPath = pszPath;
        m_answers.OnDialog([&](CModalRequest& request) {
            auto* pOfn = static_cast<OPENFILENAMEA*>(request.pStruct);
            m_strFilter.assign(pOfn->lpstrFilter, 100);
            m_strDefExt = pOfn->lpstrDefExt;
            m_strInitial = pOfn->lpstrFile;
            lstrcpynA(pOfn->lpstrFile, strPath, pOfn->nMaxFile);
            return 1;
        });
        const size_t nBefore = m_answers.Messages().size();
        Click(Image(), IDC_IMAGE_NEW);
        m_answers.OnDialog(nullptr);
        const std::vector<CString> all = m_answers.Messages();
        return std::vector<CString>(all.begin() + nBefore, all.end());
    }
    void LoadWideBmp() {
        ASSERT_TRUE(WriteBytes(m_dir.File("wide.bmp"), Bmp(400, 200, 255, 0, 0)));
        ASSERT_TRUE(ChooseFile(m_dir.File("wide.bmp")).empty());
        ASSERT_TRUE(Doc().m_bHasImage);
    }
    std::string m_strFilter;
    CString m_strDefExt, m_strInitial;
};

TEST_F(ImagePage, NewPlacesThePictureAtTheTopLeftAndStartsPositioning) {
    EXPECT_FALSE(Enabled(Image(), IDC_IMAGE_DELETE));
    LoadWideBmp();
    EXPECT_EQ(0u, m_strFilter.find(std::string("Bitmap files (*.bmp)\0*.bmp\0", 27)));
    EXPECT_NE(std::string::npos, m_strFilter.find("*.png;*.jpg"));
    EXPECT_EQ("bmp", m_strDefExt);
    EXPECT_EQ("*.bmp", m_strInitial);
    EXPECT_EQ(1, View().m_nImgPositioning);
    EXPECT_EQ("wide.bmp", Text(Image(), IDC_IMAGE_FILE));
    EXPECT_EQ("Position graphic", Frame().GetStatusText(0));
    EXPECT_DOUBLE_EQ(2.0, theApp.m_dImageAspect);
    const CRect& rcPrint = theApp.m_rectPrintable;
    const int nWidth = rcPrint.right / 4;
    const CRect rc = View().PictureRect();
    // Fractions and back may lose a pixel to truncation.
    EXPECT_NEAR(rcPrint.left, rc.left, 1);
    EXPECT_NEAR(rcPrint.top, rc.top, 1);
    EXPECT_NEAR(nWidth, rc.Width(), 1);
    EXPECT_NEAR(nWidth / 2, rc.Height(), 1);
    EXPECT_TRUE(Doc().IsModified());
    for (int nID :
         {IDC_IMAGE_DELETE, IDC_IMG_FULL_WIDTH, IDC_IMG_CENTER_V, IDC_IMAGE_SHOWS_THROUGH})
        EXPECT_TRUE(Enabled(Image(), nID)) << nID;
}

TEST_F(ImagePage, PlacementButtonsWriteThePicturesFractions) {
    LoadWideBmp();
    // A page of 1024 pixels keeps the fractions exact.
    View().m_pageWidth = View().m_pageHeight = 1024.0;
    theApp.m_rectPrintable = CRect(10, 20, 1000, 1000);
    const struct {
        int nID;
        CRect rcCalendar;
        CRect rcExpected;
    } cases[] = {
        {IDC_IMG_FULL_WIDTH, {100, 300, 401, 500}, {10, 60, 1000, 90}},
        {IDC_IMG_FILL_WIDTH, {100, 300, 401, 500}, {100, 60, 401, 90}},
        // An odd calendar width: the picture keeps its 100 pixels.
        {IDC_IMG_CENTER_H, {100, 300, 401, 500}, {200, 60, 300, 90}},
        {IDC_IMG_FULL_HEIGHT, {100, 300, 401, 500}, {50, 20, 150, 1000}},
        // 50 above and 50 below: the tie goes above.
        {IDC_IMG_FILL_HEIGHT, {100, 70, 401, 950}, {50, 20, 150, 70}},
        // 20 above and 25 below: nothing moves, yet the document changed.
        {IDC_IMG_FILL_HEIGHT, {100, 40, 401, 975}, {50, 60, 150, 90}},
        // Taller than both spaces: left in place.
        {IDC_IMG_CENTER_V, {100, 70, 401, 950}, {50, 60, 150, 190}},
    };
    for (const auto& c : cases) {
        View().m_rectCalFrame = c.rcCalendar;
        View().SetPictureRect(c.nID == IDC_IMG_CENTER_V ? CRect(50, 60, 150, 190)
                                                        : CRect(50, 60, 150, 90));
        Doc().SetModifiedFlag(false);
        Click(Image(), c.nID);
        EXPECT_EQ(c.rcExpected, View().PictureRect()) << c.nID;
        EXPECT_TRUE(Doc().IsModified()) << c.nID;
    }
}

TEST_F(ImagePage, AFileThatCannotBeLoadedKeepsThePicture) {
    LoadWideBmp();
    const CString strPng = ReadWholeFile(Picture("two-tone.png"));
    const std::string png(strPng.c_str(), strPng.GetLength());
    const CString strJpg = ReadWholeFile(Picture("two-tone.jpg"));
    const std::string jpg(strJpg.c_str(), strJpg.GetLength());
    std::string lyingJpg = jpg;
    const size_t nSof = lyingJpg.find("\xFF\xC0");
    ASSERT_NE(std::string::npos, nSof);
    lyingJpg.replace(nSof + 5, 4, "\xEA\x60\xEA\x60"); // 60000 by 60000

    const CString strCmyk = ReadWholeFile(Picture("cmyk.tif"));
    const char kUnavailable[] = "The bitmap file is not available.\nIt may be in use by another "
                                "program.";
    const char kUnreadable[] = "The picture file cannot be read.";
    const char kTooLarge[] = "The picture is too large.";
    const struct {
        const char* pszName;
        std::string bytes;      // none: the file does not exist
        const char* pszMessage; // the start of it
    } cases[] = {
        {"gone.bmp", "", kUnavailable},
        {"empty.bmp", std::string(), "Invalid bitmap file"},
        {"text.bmp", "Dear diary", "Invalid bitmap file"},
        // Headers of other sizes go to the codecs, which find these damaged.
        {"os2.bmp", Bmp(4, 4, 0, 0, 255, 12), "Invalid bitmap file"},
        {"v5.bmp", Bmp(4, 4, 0, 0, 255, 124), "Invalid bitmap file"},
        {"short.bmp", Bmp(40, 40, 0, 0, 255, 40, 100), "Invalid bitmap file"},
        {"jpeg-inside.bmp", BitmapOf(40, 2, 2, 0, 4, 0, "", jpg),
         "This kind of bitmap (JPEG "
         "inside) cannot be read."},
        {"gone.png", "", "The picture file is not available."},
        {"cut.png", png.substr(0, png.size() / 2), kUnreadable},
        {"lying.png", LyingPng(png, 30000, 30000), kTooLarge},
        // Within the side limit, 147 MB of pixels.
        {"lying-7000.png", LyingPng(png, 7000, 7000), kTooLarge},
        // 41 MB of bitmap, but the codec would decode 110 MB of 16-bit RGBA.
        {"deep-3700.png", LyingPng(png, 3700, 3700, 16, 6), kTooLarge},
        {"text.png", "Dear diary", kUnreadable},
        // Judged by content, named by kind.
        {"cmyk.png", std::string(strCmyk.c_str(), strCmyk.GetLength()),
         "This kind of TIFF (CMYK) cannot be read."},
        {"cut.jpg", jpg.substr(0, jpg.size() / 2), kUnreadable},
        {"lying.jpg", lyingJpg, kTooLarge},
    };
    const unsigned nSerial = Doc().m_dib.GetSerial();
    for (const auto& c : cases) {
        const CString strPath = m_dir.File(c.pszName);
        if (strncmp(c.pszName, "gone", 4) != 0) {
            ASSERT_TRUE(WriteBytes(strPath, c.bytes));
        }
        Doc().SetModifiedFlag(false);
        const std::vector<CString> shown = ChooseFile(strPath);
        ASSERT_EQ(1u, shown.size()) << c.pszName;
        EXPECT_EQ(0, shown[0].Find(c.pszMessage)) << c.pszName << ": " << shown[0].c_str();
        EXPECT_TRUE(Doc().m_bHasImage) << c.pszName;
        EXPECT_EQ(nSerial, Doc().m_dib.GetSerial()) << c.pszName;
        EXPECT_EQ("wide.bmp", Text(Image(), IDC_IMAGE_FILE)) << c.pszName;
        EXPECT_FALSE(Doc().IsModified()) << c.pszName;
    }
    // Real pixels over the limits are refused before they are read.
    const std::vector<CString> shown = ChooseFile(Picture("wide-8001.png"));
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(0, shown[0].Find(kTooLarge));
    EXPECT_EQ(nSerial, Doc().m_dib.GetSerial());
}

TEST_F(ImagePage, PngAndJpegAreStoredAsBitmapsInTheCalendarFile) {
    for (const char* pszName : {"two-tone.png", "two-tone.jpg"}) {
        ASSERT_TRUE(ChooseFile(Picture(pszName)).empty()) << pszName;
        const CDib& dib = Doc().m_dib;
        ASSERT_EQ(CSize(40, 30), dib.GetSize());
        ASSERT_EQ(24, dib.m_pHeader->biBitCount);
        // Bottom-up: the blue lower half comes first. JPEG gives nearly the colours.
        EXPECT_NEAR(255, dib.m_pBits[0], 8) << pszName;
        EXPECT_NEAR(0, dib.m_pBits[2], 8) << pszName;
        EXPECT_NEAR(255, dib.m_pBits[29 * 120 + 2], 8) << pszName;
        const std::string pixels((const char*)dib.m_pBits, 120 * 30);

        const CString strKal = m_dir.File("photo.kal");
        ASSERT_TRUE(Doc().OnSaveDocument(strKal));
        // Read back by hand: a stored bitmap of 54 bytes of headers and the
        // rows, then the picture's file name.
        const CString strFile = ReadWholeFile(strKal);
        const std::string file(strFile.c_str(), strFile.GetLength());
        const std::string stored =
            "BM" + Le(0, 8) + Le(54, 4) + Le(40, 4) + Le(40, 4) + Le(30, 4) + Le(1, 2) + Le(24, 2);
        const size_t nAt = file.find(stored);
        ASSERT_NE(std::string::npos, nAt) << pszName;
        EXPECT_EQ(pixels, file.substr(nAt + 54, pixels.size())) << pszName;
        EXPECT_EQ(std::string(1, (char)strlen(pszName)) + pszName,
                  file.substr(nAt + 54 + pixels.size(), 1 + strlen(pszName)));

        Image().RemoveImage();
        ASSERT_TRUE(Doc().OnOpenDocument(strKal));
        ASSERT_TRUE(Doc().m_bHasImage);
        EXPECT_EQ(pixels, std::string((const char*)Doc().m_dib.m_pBits, 120 * 30));
        EXPECT_EQ(pszName, Doc().m_strImageFile);
    }
}

TEST_F(ImagePage, EveryRemovalEmptiesThePage) {
    ASSERT_TRUE(WriteBytes(m_dir.File("plain.kal"), ""));
    Doc().OnSaveDocument(m_dir.File("plain.kal")); // a calendar without picture
    const struct {
        const char* pszWho;
        std::function<void()> remove;
    } callers[] = {
        {"Delete", [&] { Click(Image(), IDC_IMAGE_DELETE); }},
        {"File New", [&] { Frame().SendMessage(WM_COMMAND, ID_FILE_NEW); }},
        {"opening", [&] { Doc().OnOpenDocument(m_dir.File("plain.kal")); }},
    };
    for (const auto& caller : callers) {
        LoadWideBmp();
        Doc().SetModifiedFlag(false);
        caller.remove();
        EXPECT_FALSE(Doc().m_bHasImage) << caller.pszWho;
        EXPECT_TRUE(Doc().m_dib.IsEmpty()) << caller.pszWho;
        EXPECT_EQ(0, View().m_nImgPositioning) << caller.pszWho;
        EXPECT_EQ(kNoImage, Text(Image(), IDC_IMAGE_FILE)) << caller.pszWho;
        EXPECT_FALSE(Enabled(Image(), IDC_IMAGE_DELETE)) << caller.pszWho;
        EXPECT_FALSE(Enabled(Image(), IDC_IMG_FULL_WIDTH)) << caller.pszWho;
    }
}

TEST_F(ImagePage, ShowThroughCountsUpAndClearsToZero) {
    LoadWideBmp();
    Doc().m_bImageShowsThrough = 2;
    Image().m_btnShowsThrough.SetCheck(BST_UNCHECKED);
    Click(Image(), IDC_IMAGE_SHOWS_THROUGH);
    EXPECT_EQ(3, Doc().m_bImageShowsThrough);
    Click(Image(), IDC_IMAGE_SHOWS_THROUGH);
    EXPECT_EQ(0, Doc().m_bImageShowsThrough);
    EXPECT_TRUE(Doc().IsModified());
}

// Every kind of bitmap the platform reads, and a PNG named .bmp, becomes the
// stored form: 24 bits, bottom-up, the 40-byte header. Each is 2 x 2, red
// above blue.
TEST_F(ImagePage, PicturesAreJudgedByContentAndKeptInTheStoredForm) {
    const std::string blue24 = "\xFF\0\0\xFF\0\0\0\0"s, red24 = "\0\0\xFF\0\0\xFF\0\0"s;
    const std::string table = "\xFF\0\0\0\0\0\xFF\0"s; // blue, red
    const std::string masks565 = Le(0xF800, 4) + Le(0x07E0, 4) + Le(0x001F, 4);
    const std::string os2 = "BM" + Le(0, 8) + Le(26, 4) + Le(12, 4) + Le(2, 2) + Le(2, 2) +
                            Le(1, 2) + Le(24, 2) + blue24 + red24;
    const CString strPng = ReadWholeFile(Picture("two-tone.png"));
    const struct {
        const char* pszName;
        std::string bytes;
        CSize size;
    } cases[] = {
        {"top-down.bmp", BitmapOf(40, 2, -2, 24, 0, 0, "", red24 + blue24), {2, 2}},
        {"rle8.bmp", BitmapOf(40, 2, 2, 8, 1, 2, table, "\2\0\0\0\2\1\0\1"s), {2, 2}},
        {"os2.bmp", os2, {2, 2}},
        {"565.bmp", BitmapOf(40, 2, 2, 16, 3, 0, masks565, "\x1F\0\x1F\0\0\xF8\0\xF8"s), {2, 2}},
        {"v5.bmp", BitmapOf(124, 2, 2, 24, 0, 0, "", blue24 + red24), {2, 2}},
        {"png.bmp", std::string(strPng.c_str(), strPng.GetLength()), {40, 30}},
    };
    for (const auto& c : cases) {
        const CString strPath = m_dir.File(c.pszName);
        ASSERT_TRUE(WriteBytes(strPath, c.bytes));
        const std::vector<CString> shown = ChooseFile(strPath);
        EXPECT_TRUE(shown.empty()) << c.pszName << ": " << (shown.empty() ? "" : shown[0].c_str());
        const CDib& dib = Doc().m_dib;
        ASSERT_EQ(c.size, dib.GetSize()) << c.pszName;
        EXPECT_EQ(40u, dib.m_pHeader->biSize) << c.pszName;
        EXPECT_EQ(24, dib.m_pHeader->biBitCount) << c.pszName;
        EXPECT_EQ((DWORD)BI_RGB, dib.m_pHeader->biCompression) << c.pszName;
        EXPECT_GT(dib.m_pHeader->biHeight, 0) << c.pszName;
        const int nRow = (c.size.cx * 3 + 3) & ~3;
        const BYTE* pTop = dib.m_pBits + (size_t)nRow * (c.size.cy - 1);
        EXPECT_NEAR(255, dib.m_pBits[0], 8) << c.pszName; // blue below
        EXPECT_NEAR(0, dib.m_pBits[2], 8) << c.pszName;
        EXPECT_NEAR(255, pTop[2], 8) << c.pszName; // red above
        EXPECT_EQ(c.pszName, Doc().m_strImageFile);
    }
}

// The picture belongs to the calendar once loaded: its file may be emptied,
// rewritten or removed, and the calendar still saves it whole.
TEST_F(ImagePage, ThePictureFileMayChangeAfterLoading) {
    const std::string red = Bmp(400, 200, 255, 0, 0);
    const struct {
        const char* pszChange;
        std::function<bool(const CString&)> change;
    } changes[] = {
        {"emptied", [](const CString& strPath) { return WriteBytes(strPath, ""); }},
        {"rewritten smaller",
         [](const CString& strPath) { return WriteBytes(strPath, Bmp(4, 4, 0, 0, 255)); }},
        {"removed", [](const CString& strPath) { return DeleteFileA(strPath) != FALSE; }},
    };
    for (const auto& c : changes) {
        LoadWideBmp();
        // Nothing holds the file: other programs may write or remove it.
        EXPECT_TRUE(c.change(m_dir.File("wide.bmp"))) << c.pszChange;
        Paint();
        const CString strKal = m_dir.File("changed.kal");
        ASSERT_TRUE(Doc().OnSaveDocument(strKal)) << c.pszChange;
        EXPECT_TRUE(m_answers.Messages().empty()) << c.pszChange;
        const CString strFile = ReadWholeFile(strKal);
        const std::string file(strFile.c_str(), strFile.GetLength());
        const size_t nAt = file.find("BM" + Le(0, 8) + Le(54, 4) + Le(40, 4) + Le(400, 4));
        ASSERT_NE(std::string::npos, nAt) << c.pszChange;
        EXPECT_EQ(red.substr(54), file.substr(nAt + 54, red.size() - 54)) << c.pszChange;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strKal + ".tmp")) << c.pszChange;
        WIN32_FIND_DATAA found;
        HANDLE hFind = FindFirstFileA(m_dir.File("*.tmp"), &found);
        EXPECT_EQ(INVALID_HANDLE_VALUE, hFind) << c.pszChange << ": " << found.cFileName;
        if (hFind != INVALID_HANDLE_VALUE)
            FindClose(hFind);
    }
}
