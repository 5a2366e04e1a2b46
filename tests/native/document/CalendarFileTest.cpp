#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/LittleEndian.h"
#include "common/SampleFont.h"
#include "document/CalendarFile.h"
#include "framework/MemFile.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ALMANARK_MALLOC_HOOKS 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ALMANARK_MALLOC_HOOKS 1
#endif
#ifdef ALMANARK_MALLOC_HOOKS
#include <sanitizer/allocator_interface.h>
#endif

namespace {
using Bytes = std::vector<unsigned char>;

// The expected bytes are built here by hand, value by value, independently
// of the archive.
class CByteWriter {
public:
    void Int(uint32_t n) { Le(n, 4); }
    void Short(uint16_t n) { Le(n, 2); }
    void Double(double d) {
        uint64_t n;
        memcpy(&n, &d, 8);
        Le(n, 8);
    }
    // Strings below 255 characters only: a one-byte length.
    void Str(const std::string& s) {
        m_bytes.push_back((unsigned char)s.size());
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
    }
    void Font(const LOGFONT& lf) {
        Int((uint32_t)lf.lfHeight);
        Int((uint32_t)lf.lfWidth);
        Int((uint32_t)lf.lfEscapement);
        Int((uint32_t)lf.lfOrientation);
        Int((uint32_t)lf.lfWeight);
        for (BYTE b : {lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision,
                       lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily})
            m_bytes.push_back(b);
    }
    void Raw(const Bytes& b) { m_bytes.insert(m_bytes.end(), b.begin(), b.end()); }

    Bytes m_bytes;

private:
    void Le(uint64_t n, int nBytes) {
        const std::string s = ::Le(n, nBytes);
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
    }
};

Bytes StoreBytes(const CCalendarFile& file) {
    CMemFile mem;
    CArchive ar(&mem, CArchive::store);
    file.Store(ar);
    ar.Close();
    return mem.Data();
}

void LoadBytes(const Bytes& bytes, CCalendarFile& file) {
    CMemFile mem(bytes.data(), bytes.size());
    CArchive ar(&mem, CArchive::load);
    file.Load(ar);
}

// The cause of the archive error that loading gives, or none.
CArchiveException::Cause LoadError(const Bytes& bytes) {
    CCalendarFile file;
    try {
        LoadBytes(bytes, file);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

// A picture's information header, colour table (entry i = i, i, i, 0) and
// pixels (byte i = i * 7), as the stored form holds them.
CStoredDib Picture(LONG nWidth, LONG nHeight, WORD nBits) {
    CStoredDib dib;
    int nColors = nBits <= 8 ? 1 << nBits : 0;
    DWORD dwBits = (DWORD)((nBits * nWidth + 31) / 32 * 4 * nHeight);
    dib.nHeaderBytes = 40 + 4 * (size_t)nColors;
    dib.pHeader.reset(new BYTE[dib.nHeaderBytes]());
    Bytes header(40);
    PutLe(&header[0], 40, 4);
    PutLe(&header[4], (uint32_t)nWidth, 4);
    PutLe(&header[8], (uint32_t)nHeight, 4);
    PutLe(&header[12], 1, 2);
    PutLe(&header[14], nBits, 2);
    memcpy(dib.pHeader.get(), header.data(), 40);
    for (int i = 0; i < nColors; ++i)
        memset(dib.pHeader.get() + 40 + 4 * i, i, 3);
    dib.pBits.reset(new BYTE[dwBits]);
    for (DWORD i = 0; i < dwBits; ++i)
        dib.pBits[i] = (BYTE)(i * 7);
    dib.metrics.dwBitsSize = dwBits;
    dib.metrics.nColors = nColors;
    return dib;
}

// What Store writes for a picture: file header, header block, pixels.
Bytes StoredForm(const CStoredDib& dib) {
    Bytes b(14);
    b[0] = 'B';
    b[1] = 'M';
    PutLe(&b[10], 54 + 4 * (uint32_t)dib.metrics.nColors, 4);
    b.insert(b.end(), dib.pHeader.get(), dib.pHeader.get() + 40 + 4 * dib.metrics.nColors);
    b.insert(b.end(), dib.pBits.get(), dib.pBits.get() + dib.metrics.dwBitsSize);
    return b;
}

// A calendar with a distinct value in every item.
void FillSample(CCalendarFile& file) {
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            file.m_strNotes[c][r] = c * 6 + r < 31 ? std::to_string(c * 6 + r + 1) + "\r\n" : "";
    file.m_strNotes[3][2] += "Dentist\r\nat 10";
    file.m_strEventFile = "Family";
    file.m_nYear = 2024;
    file.m_nMonth = 7;
    file.m_bYearDoc = 0;
    file.m_bImageShowsThrough = 2;
    file.m_strTitle = "Summer \xE9t\xE9";
    file.m_dCalLeft = 0.05;
    file.m_dCalTop = 0.4;
    file.m_dCalRight = 0.95;
    file.m_dCalBottom = 0.97;
    file.m_weekday = {SampleFont(-8, 700, 0, 0x22), "Arial", 0x00112233};
    file.m_nDaySwap = 2;
    file.m_notes = {SampleFont(-6, 400, 1, 0x12), "Times New Roman", 0x00445566};
    file.m_nNoteSize = 1;
    file.m_title = {SampleFont(-20, 900, 0, 0x22), "Courier New", 0x000000FF};
    file.m_bTitleLarge = 1;
    file.m_date = {SampleFont(-14, 400, 1, 0x02), "Arial", 0x00FF0000};
    file.m_nDateSize = 1;
    file.m_nDateSwap = 1;
    file.m_nDateStyle = -1;
    file.m_strPrinter = "PDF";
    file.m_nOrientation = 2;
    file.m_nPaperSize = 9;
    file.m_nPrintColor = 2;
    file.m_strImageFile = "C:\\Pictures\\lake.bmp";
    file.m_dImgLeft = 0.1;
    file.m_dImgTop = 0.05;
    file.m_dImgRight = 0.9;
    file.m_dImgBottom = 0.38;
    file.m_dImageAspect = 4.0 / 3.0;
}

// FillSample's calendar up to and with the image flag, by hand.
Bytes SampleUpToPicture(int nHasImage) {
    CCalendarFile sample;
    FillSample(sample);
    CByteWriter w;
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            w.Str(sample.m_strNotes[c][r].str());
    w.Str("Family");
    w.Int(2024);
    w.Int(7);
    w.Int(0);
    w.Int(2);
    w.Str("Summer \xE9t\xE9");
    w.Double(0.05);
    w.Double(0.4);
    w.Double(0.95);
    w.Double(0.97);
    w.Font(SampleFont(-8, 700, 0, 0x22));
    w.Str("Arial");
    w.Int(0x00112233);
    w.Int(2);
    w.Font(SampleFont(-6, 400, 1, 0x12));
    w.Str("Times New Roman");
    w.Int(0x00445566);
    w.Int(1);
    w.Font(SampleFont(-20, 900, 0, 0x22));
    w.Str("Courier New");
    w.Int(0x000000FF);
    w.Int(1);
    w.Font(SampleFont(-14, 400, 1, 0x02));
    w.Str("Arial");
    w.Int(0x00FF0000);
    w.Int(1);
    w.Int(1);
    w.Int((uint32_t)-1);
    w.Str("PDF");
    w.Short(2);
    w.Short(9);
    w.Short(2);
    w.Int((uint32_t)nHasImage);
    return w.m_bytes;
}

Bytes SamplePlacement() {
    CByteWriter w;
    w.Str("C:\\Pictures\\lake.bmp");
    w.Double(0.1);
    w.Double(0.05);
    w.Double(0.9);
    w.Double(0.38);
    w.Double(4.0 / 3.0);
    return w.m_bytes;
}

Bytes SampleWithPicture(LONG nWidth, LONG nHeight, WORD nBits) {
    CCalendarFile file;
    FillSample(file);
    file.m_bHasImage = 1;
    file.m_picture = Picture(nWidth, nHeight, nBits);
    return StoreBytes(file);
}

// Records the largest single allocation made while it exists.
class CLargestAllocation {
public:
    CLargestAllocation() {
        s_nLargest = 0;
        s_bActive = true;
    }
    ~CLargestAllocation() { s_bActive = false; }
    static bool Available() {
#ifdef ALMANARK_MALLOC_HOOKS
        static const bool s_bInstalled =
            __sanitizer_install_malloc_and_free_hooks(&OnMalloc, &OnFree) != 0;
        return s_bInstalled;
#else
        return false;
#endif
    }
    size_t Largest() const {
        return s_nLargest;
    }

private:
    static void OnMalloc(const volatile void*, size_t nSize) {
        if (s_bActive && nSize > s_nLargest)
            s_nLargest = nSize;
    }
    static void OnFree(const volatile void*) {}
    static inline size_t s_nLargest = 0;
    static inline bool s_bActive = false;
};
} // namespace

TEST(CalendarFileTest, NewMonthCalendarIsFortyTwoEmptyNotesAndEndsAfterTheImageFlag) {
    CCalendarFile file;
    file.m_weekday.m_strFace = file.m_notes.m_strFace = "Arial";
    file.m_title.m_strFace = file.m_date.m_strFace = "Arial";
    file.m_strPrinter = "PDF";
    Bytes bytes = StoreBytes(file);

    ASSERT_GE(bytes.size(), 43u);
    EXPECT_EQ(Bytes(43, 0), Bytes(bytes.begin(), bytes.begin() + 43)); // notes, event file
    // The last item is the image flag: nothing follows a calendar without a picture.
    // Four ints, title, four doubles, four fonts with "Arial" and colour, six
    // switches, "PDF", three shorts, the flag.
    size_t nExpected = 43 + 4 * 4 + 1 + 4 * 8 + 4 * (28 + 6 + 4) + 6 * 4 + 4 + 3 * 2 + 4;
    ASSERT_EQ(nExpected, bytes.size());
    EXPECT_EQ(0u, GetLe(&bytes[bytes.size() - 4], 4));
    uint64_t nTop = GetLe(&bytes[43 + 16 + 1 + 8], 4) | (uint64_t)GetLe(&bytes[43 + 16 + 1 + 12], 4)
                                                            << 32;
    double dTop;
    memcpy(&dTop, &nTop, 8);
    EXPECT_EQ(-1.0, dTop) << "an unplaced calendar keeps its top of -1";
}

TEST(CalendarFileTest, EveryItemLandsInItsPlace) {
    CCalendarFile file;
    FillSample(file);
    EXPECT_EQ(SampleUpToPicture(0), StoreBytes(file));

    CCalendarFile loaded;
    LoadBytes(SampleUpToPicture(0), loaded);
    EXPECT_EQ(StoreBytes(file), StoreBytes(loaded));
    EXPECT_EQ("Summer \xE9t\xE9", loaded.m_strTitle);
    EXPECT_EQ("21\r\nDentist\r\nat 10", loaded.m_strNotes[3][2]);
    EXPECT_EQ(-1, loaded.m_nDateStyle);
    EXPECT_EQ(900, loaded.m_title.m_lf.lfWeight);
    EXPECT_STREQ("Times New Roman", loaded.m_notes.m_lf.lfFaceName)
        << "the face name travels beside the record and lands in the font";
    EXPECT_EQ("", loaded.m_strImageFile) << "nothing after the flag without a picture";
}

TEST(CalendarFileTest, NoteLengthPrefixGrowsAt255) {
    struct Case {
        int nLength;
        Bytes prefix;
    };
    for (const Case& c : {Case{254, {0xFE}}, Case{255, {0xFF, 0xFF, 0x00}}}) {
        SCOPED_TRACE(c.nLength);
        CCalendarFile file;
        file.m_strNotes[0][0] = CString(std::string((size_t)c.nLength, 'n'));
        Bytes bytes = StoreBytes(file);
        size_t nEnd = c.prefix.size() + c.nLength;
        ASSERT_GT(bytes.size(), nEnd);
        EXPECT_EQ(c.prefix, Bytes(bytes.begin(), bytes.begin() + c.prefix.size()));
        EXPECT_EQ('n', bytes[nEnd - 1]);
        EXPECT_EQ(0, bytes[nEnd]) << "the next note follows at once";

        CCalendarFile loaded;
        LoadBytes(bytes, loaded);
        EXPECT_EQ(file.m_strNotes[0][0], loaded.m_strNotes[0][0]);
    }
}

TEST(CalendarFileTest, PictureSitsBetweenTheImageFlagAndTheImageFileName) {
    struct Case {
        LONG nWidth, nHeight;
        WORD nBits;
        uint32_t nOffset;
    };
    for (const Case& c : {Case{5, 3, 8, 54 + 4 * 256}, Case{3, 2, 24, 54}}) {
        SCOPED_TRACE(c.nBits);
        CStoredDib dib = Picture(c.nWidth, c.nHeight, c.nBits);
        Bytes picture = StoredForm(dib);
        Bytes bytes = SampleWithPicture(c.nWidth, c.nHeight, c.nBits);

        CByteWriter expected;
        expected.Raw(SampleUpToPicture(1));
        size_t nPictureAt = expected.m_bytes.size();
        expected.Raw(picture);
        expected.Raw(SamplePlacement());
        ASSERT_EQ(expected.m_bytes, bytes);
        EXPECT_EQ(0u, GetLe(&bytes[nPictureAt + 2], 4)) << "file-size field";
        EXPECT_EQ(c.nOffset, GetLe(&bytes[nPictureAt + 10], 4)) << "pixel offset";

        CCalendarFile loaded;
        LoadBytes(bytes, loaded);
        EXPECT_EQ(CDibFormat::none, loaded.m_nPictureError);
        EXPECT_EQ(1, loaded.m_bHasImage);
        EXPECT_EQ(dib.metrics.dwBitsSize, loaded.m_picture.metrics.dwBitsSize);
        EXPECT_EQ(bytes, StoreBytes(loaded));
        EXPECT_EQ(4.0 / 3.0, loaded.m_dImageAspect);
    }
}

TEST(CalendarFileTest, ImageFlagWithoutPictureIsNotWritten) {
    CCalendarFile file;
    FillSample(file);
    file.m_bHasImage = 1;
    EXPECT_EQ(SampleUpToPicture(0), StoreBytes(file))
        << "a flag without the picture would announce bytes that never follow";
}

TEST(CalendarFileTest, EveryTruncationIsEndOfFile) {
    for (const Bytes& whole :
         {SampleUpToPicture(0), SampleWithPicture(5, 3, 8), SampleWithPicture(3, 2, 24)}) {
        ASSERT_EQ(CArchiveException::none, LoadError(whole));
        for (size_t n = 0; n < whole.size(); ++n) {
            Bytes cut(whole.begin(), whole.begin() + n);
            ASSERT_EQ(CArchiveException::endOfFile, LoadError(cut)) << "cut at " << n;
        }
    }
}

TEST(CalendarFileTest, LongFaceNamesAreCutToTheFontsField) {
    CCalendarFile file;
    FillSample(file);
    std::string strLong(40, 'F');
    file.m_title.m_strFace = CString(strLong);
    file.m_date.m_strFace = CString("Ari\0al", 6); // an embedded terminator ends the name
    Bytes bytes = StoreBytes(file);

    CCalendarFile loaded;
    LoadBytes(bytes, loaded);
    EXPECT_EQ(CString(strLong.substr(0, 31)), loaded.m_title.m_strFace);
    EXPECT_EQ(std::string(31, 'F'), std::string(loaded.m_title.m_lf.lfFaceName));
    EXPECT_EQ(0, loaded.m_title.m_lf.lfFaceName[31]);
    EXPECT_EQ("Ari", loaded.m_date.m_strFace);
    EXPECT_STREQ("Arial", loaded.m_weekday.m_lf.lfFaceName);
}

TEST(CalendarFileTest, UnreadablePictureIsDroppedAndTheRestStillRead) {
    // Not "BM": the reader skips the 14 bytes and goes on with what follows.
    CByteWriter w;
    w.Raw(SampleUpToPicture(1));
    w.Raw(Bytes{'X', 'Y', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0});
    w.Raw(SamplePlacement());
    CCalendarFile loaded;
    LoadBytes(w.m_bytes, loaded);
    EXPECT_EQ(CDibFormat::badSignature, loaded.m_nPictureError);
    EXPECT_EQ(0, loaded.m_bHasImage);
    EXPECT_EQ(nullptr, loaded.m_picture.pHeader);
    EXPECT_EQ("C:\\Pictures\\lake.bmp", loaded.m_strImageFile);
    EXPECT_EQ(SampleUpToPicture(0), StoreBytes(loaded));
}

TEST(CalendarFileTest, LyingHeadersAreRejectedWithoutAHugeAllocation) {
    auto Lie = [](const Bytes& tail, bool bNotes) {
        CByteWriter w;
        if (bNotes) {
            w.Raw(tail);
            return w.m_bytes;
        }
        w.Raw(SampleUpToPicture(1));
        w.Raw(tail);
        w.Raw(SamplePlacement());
        return w.m_bytes;
    };
    Bytes good = StoredForm(Picture(3, 2, 24));
    Bytes hugeOffset = good, hugeImage = good, hugeSize = good, tableBeyondOffset = good;
    PutLe(&hugeOffset[10], 0xFFFFFFF0u, 4);
    PutLe(&hugeImage[14 + 20], 0x7FFFFFF0u, 4);
    PutLe(&hugeSize[14 + 4], 30000, 4);
    PutLe(&hugeSize[14 + 8], 30000, 4);
    PutLe(&tableBeyondOffset[14 + 14], 8, 2); // 256 colours, but the offset leaves none
    struct Case {
        const char* pszName;
        Bytes bytes;
    } cases[] = {
        {"note claims 2 GB", Lie({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, true)},
        {"16-bit note claims 4 GB",
         Lie({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}, true)},
        {"pixel offset near 4 GB", Lie(hugeOffset, false)},
        {"image size near 2 GB", Lie(hugeImage, false)},
        {"30000 x 30000 pixels", Lie(hugeSize, false)},
        {"colour table beyond the offset", Lie(tableBeyondOffset, false)},
    };
    bool bMeasured = CLargestAllocation::Available();
    if (bMeasured) {
        CLargestAllocation probe;
        std::vector<char> block(1 << 20);
        ASSERT_GE(probe.Largest(), block.size()) << "the probe must see allocations";
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CArchiveException::Cause nCause;
        size_t nLargest;
        {
            CLargestAllocation probe;
            nCause = LoadError(c.bytes);
            nLargest = probe.Largest();
        }
        EXPECT_EQ(CArchiveException::endOfFile, nCause);
        if (bMeasured)
            EXPECT_LT(nLargest, 64u * 1024) << "nothing larger than the file may be allocated";
    }
}

// The fuzzer's seeds come from an encoder of their own (make-seeds.py).
TEST(CalendarFileTest, SeedCalendarsLoadAndStoreUnchanged) {
    const char* apszSeeds[] = {"empty-month", "july",         "year",       "wide-note",
                               "long-note",   "gray-picture", "rgb-picture"};
    for (const char* pszSeed : apszSeeds) {
        SCOPED_TRACE(pszSeed);
        CString strPath =
            CString(ALMANARK_SOURCE_DIR "/fuzz/fuzz_document/seeds/") + pszSeed + ".kal";
        CFile disk;
        ASSERT_TRUE(disk.Open(strPath, CFile::modeRead));
        Bytes bytes((size_t)disk.GetLength());
        ASSERT_EQ(bytes.size(), disk.Read(bytes.data(), (unsigned)bytes.size()));
        CCalendarFile file;
        LoadBytes(bytes, file);
        if (std::string(pszSeed) == "wide-note") {
            EXPECT_EQ("wide", file.m_strNotes[0][1]);
            continue; // stored again with 8-bit characters
        }
        EXPECT_EQ(bytes, StoreBytes(file));
        if (std::string(pszSeed) == "july") {
            EXPECT_EQ("10\r\nDentist\r\nat 10", file.m_strNotes[1][3]);
            EXPECT_EQ("Family", file.m_strEventFile);
        }
        if (std::string(pszSeed) == "gray-picture") {
            EXPECT_EQ(256, file.m_picture.metrics.nColors);
        }
    }
}

TEST(CalendarFileTest, FontRecordsAreBroughtIntoTheRangeFontsUse) {
    struct Case {
        LONG nWidth, nEscapement, nWeight;
        BYTE bItalic, nQuality, nPitchAndFamily;
        LONG nWantWidth, nWantEscapement, nWantWeight;
        BYTE bWantItalic, nWantQuality, nWantPitchAndFamily;
    };
    const Case cases[] = {
        {INT32_MAX, 7300, 5000, 7, 200, 0x73, 1024, 100, 1000, 1, 0, 0x00},
        {INT32_MIN, -3700, -3, 1, 6, 0x52, -1024, -100, 0, 1, 6, 0x52},
        {12, 900, 700, 0, 3, 0x31, 12, 900, 700, 0, 3, 0x31},
    };
    for (const Case& c : cases) {
        CCalendarFile file;
        FillSample(file);
        LOGFONT& lf = file.m_notes.m_lf;
        lf.lfHeight = INT32_MIN;
        lf.lfWidth = c.nWidth;
        lf.lfEscapement = c.nEscapement;
        lf.lfOrientation = c.nEscapement;
        lf.lfWeight = c.nWeight;
        lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = c.bItalic;
        lf.lfQuality = c.nQuality;
        lf.lfOutPrecision = c.nQuality * 2;
        lf.lfPitchAndFamily = c.nPitchAndFamily;
        CCalendarFile loaded;
        LoadBytes(StoreBytes(file), loaded);
        const LOGFONT& got = loaded.m_notes.m_lf;
        EXPECT_EQ(-16384, got.lfHeight);
        EXPECT_EQ(c.nWantWidth, got.lfWidth) << c.nWidth;
        EXPECT_EQ(c.nWantEscapement, got.lfEscapement) << c.nEscapement;
        EXPECT_EQ(c.nWantEscapement, got.lfOrientation) << c.nEscapement;
        EXPECT_EQ(c.nWantWeight, got.lfWeight) << c.nWeight;
        EXPECT_EQ(c.bWantItalic, got.lfItalic + got.lfUnderline + got.lfStrikeOut == 3 ? 1 : 0);
        EXPECT_EQ(c.nWantQuality, got.lfQuality) << (int)c.nQuality;
        EXPECT_EQ(c.nQuality * 2 > 10 ? 0 : c.nQuality * 2, got.lfOutPrecision);
        EXPECT_EQ(c.nWantPitchAndFamily, got.lfPitchAndFamily) << (int)c.nPitchAndFamily;
    }
}
