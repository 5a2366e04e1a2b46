#include <gtest/gtest.h>

#include <windows.h>
#include <cstring>
#include <memory>
#include <vector>

#include "app/AlmanarkApp.h"
#include "common/SampleDocument.h"
#include "common/TestSupport.h"
#include "document/AlmanarkDoc.h"
#include "document/CalendarFile.h"
#include "frame/MainFrame.h"
#include "native/common/LittleEndian.h"
#include "framework/Archive.h"
#include "framework/MemFile.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
const char kUnexpectedFormat[] = "Unexpected file format.";
const char kFailedToSave[] = "Failed to save document.";

// A packed 8-bit bitmap: header, 256 grey entries, pixels i * 3.
BYTE* NewPackedPicture(LONG nWidth, LONG nHeight, size_t& nLength) {
    DWORD dwBits = (DWORD)((8 * nWidth + 31) / 32 * 4 * nHeight);
    nLength = 40 + 1024 + dwBits;
    BYTE* p = new BYTE[nLength]();
    PutLe(p, 40, 4);
    PutLe(p + 4, (DWORD)nWidth, 4);
    PutLe(p + 8, (DWORD)nHeight, 4);
    PutLe(p + 12, 1, 2);
    PutLe(p + 14, 8, 2);
    for (int i = 0; i < 256; ++i)
        memset(p + 40 + 4 * i, i, 3);
    for (DWORD i = 0; i < dwBits; ++i)
        p[40 + 1024 + i] = (BYTE)(i * 3);
    return p;
}

void GivePicture(CAlmanarkDoc& doc, LONG nWidth, LONG nHeight) {
    size_t nLength;
    BYTE* p = NewPackedPicture(nWidth, nHeight, nLength);
    ASSERT_TRUE(doc.m_dib.AttachMemory(p, TRUE, nullptr, nLength));
    doc.m_bHasImage = 1;
    doc.m_strImageFile = "C:\\pictures\\grey.bmp";
    doc.m_dImgLeft = 0.1;
    doc.m_dImgTop = 0.2;
    doc.m_dImgRight = 0.7;
    doc.m_dImgBottom = 0.6;
}

std::vector<BYTE> ToBytes(const CString& s) {
    return std::vector<BYTE>(s.c_str(), s.c_str() + s.GetLength());
}

std::vector<BYTE> FileBytes(const char* pszPath) {
    return ToBytes(ReadWholeFile(pszPath));
}

bool WriteBytes(const char* pszPath, const std::vector<BYTE>& bytes) {
    return WriteWholeFile(pszPath, CString((const char*)bytes.data(), (int)bytes.size()));
}

// A calendar file written by the portable encoder, with its own look.
std::vector<BYTE> LookFile() {
    CCalendarFile file;
    file.m_strNotes[0][0] = "1\r\nfrom the file";
    file.m_nYear = 2020;
    file.m_nMonth = 2;
    file.m_weekday.m_strFace = "Courier New";
    file.m_weekday.m_crColor = RGB(1, 2, 3);
    file.m_weekday.m_lf.lfWeight = 700;
    file.m_nDaySwap = 2;
    file.m_notes.m_strFace = "Times New Roman";
    file.m_notes.m_crColor = RGB(4, 5, 6);
    file.m_notes.m_lf.lfItalic = 1;
    file.m_nNoteSize = 0;
    file.m_title.m_strFace = "Liberation Serif";
    file.m_title.m_crColor = RGB(7, 8, 9);
    file.m_date.m_strFace = std::string(40, 'D');
    file.m_date.m_crColor = RGB(10, 11, 12);
    file.m_nDateSize = 1;
    file.m_nDateSwap = 1;
    file.m_nDateStyle = -1;
    file.m_strPrinter = "PDF";
    CMemFile mem;
    CArchive ar(&mem, CArchive::store);
    file.Store(ar);
    ar.Close();
    return mem.Data();
}

// Fails every write that would take the file past nLimit bytes.
class CLimitedFile : public CMemFile {
public:
    explicit CLimitedFile(uint64_t nLimit) : m_nLimit(nLimit) {}
    void Write(const void* pBuf, unsigned nCount) override {
        if (GetPosition() + nCount > m_nLimit)
            throw CFileException(CFileException::diskFull);
        CMemFile::Write(pBuf, nCount);
    }

private:
    uint64_t m_nLimit;
};

// Writes the calendar, then fails as a save that breaks off part-way.
class CBreakingDoc : public CAlmanarkDoc {
public:
    void Serialize(CArchive& ar) override {
        CAlmanarkDoc::Serialize(ar);
        if (ar.IsStoring())
            throw CArchiveException(CArchiveException::genericException);
    }
};

class DocumentFileTest : public testing::Test {
protected:
    void SetUp() override {
        theApp.SetProfileName(m_dir.File("Almanark.ini"));
        theApp.m_strWeekdayFont = theApp.m_strNotesFont = "Arial";
        theApp.m_strTitleFont = theApp.m_strDateFont = "Arial";
        theApp.m_pFrame = nullptr;
        theApp.m_pView = nullptr;
        m_pDoc = std::make_unique<CAlmanarkDoc>();
    }
    void TearDown() override {
        m_pDoc.reset();
        theApp.m_pDoc = nullptr;
    }

    // Saves the document at strPath, expecting success and no message.
    void Save(CAlmanarkDoc& doc, const CString& strPath) {
        ASSERT_TRUE(doc.OnSaveDocument(strPath));
        EXPECT_TRUE(m_answers.Messages().empty());
        EXPECT_FALSE(FileExistsOnDisk(CDocument::TempSavePath(strPath)));
    }

    CTempDir m_dir{"doc"};
    CScopedAnswers m_answers;
    std::unique_ptr<CAlmanarkDoc> m_pDoc;
};
} // namespace

TEST_F(DocumentFileTest, SaveReopenAndSaveAgainGivesTheSameBytes) {
    FillSampleDocument(*m_pDoc);
    GivePicture(*m_pDoc, 7, 5);
    theApp.m_dImageAspect = 1.4;
    CString strFirst = m_dir.File("first.kal"), strSecond = m_dir.File("second.kal");
    Save(*m_pDoc, strFirst);
    std::vector<BYTE> first = FileBytes(strFirst);
    ASSERT_GT(first.size(), 54u + 1024u);

    CAlmanarkDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(strFirst));
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_EQ("Grandma's \xA9 calendar", reopened.m_strTitle);
    EXPECT_EQ("39\r\nnote", reopened.GetNote(6, 2));
    EXPECT_EQ(2031, reopened.m_nYear);
    EXPECT_EQ(0.9, reopened.m_dCalBottom);
    EXPECT_EQ(1, reopened.m_bHasImage);
    EXPECT_EQ(7, reopened.m_dib.GetSize().cx);
    EXPECT_EQ(0, memcmp(m_pDoc->m_dib.m_pBits, reopened.m_dib.m_pBits, m_pDoc->m_dib.m_dwBitsSize));
    EXPECT_EQ("C:\\pictures\\grey.bmp", reopened.m_strImageFile);
    EXPECT_EQ(0.6, reopened.m_dImgBottom);
    EXPECT_EQ(0, reopened.m_bResetOnNew);
    Save(reopened, strSecond);
    EXPECT_EQ(first, FileBytes(strSecond));

    // Saving over an existing file replaces it whole.
    reopened.m_strTitle = "x";
    reopened.m_dib.Clear();
    reopened.m_bHasImage = 0;
    Save(reopened, strFirst);
    EXPECT_LT(FileBytes(strFirst).size(), 1024u);
    theApp.m_pDoc = nullptr;
}

TEST_F(DocumentFileTest, LoadingTakesTheFilesLookWithoutWritingTheProfile) {
    const CString strIni = "[Almanark]\r\nWeekday Font=Arial\r\nNotes Color=0\r\n";
    ASSERT_TRUE(WriteWholeFile(m_dir.File("Almanark.ini"), strIni));
    CString strPath = m_dir.File("look.kal");
    ASSERT_TRUE(WriteBytes(strPath, LookFile()));

    ASSERT_TRUE(m_pDoc->OnOpenDocument(strPath));
    EXPECT_EQ("Courier New", theApp.m_strWeekdayFont);
    EXPECT_EQ("Times New Roman", theApp.m_strNotesFont);
    EXPECT_EQ("Liberation Serif", theApp.m_strTitleFont);
    EXPECT_EQ(CString(std::string(31, 'D')), theApp.m_strDateFont)
        << "a face name longer than a font holds is cut";
    EXPECT_EQ(0, m_pDoc->m_lfDate.lfFaceName[LF_FACESIZE - 1]);
    EXPECT_STREQ("Courier New", m_pDoc->m_lfWeekday.lfFaceName);
    EXPECT_EQ(RGB(1, 2, 3), theApp.m_crWeekdayColor);
    EXPECT_EQ(RGB(4, 5, 6), theApp.m_crNotesColor);
    EXPECT_EQ(RGB(7, 8, 9), theApp.m_crTitleColor);
    EXPECT_EQ(RGB(10, 11, 12), theApp.m_crDateColor);
    EXPECT_EQ(700, theApp.m_nWeekdayWeight);
    EXPECT_EQ(1, theApp.m_bNotesItalic);
    EXPECT_EQ(2, theApp.m_nDaySwap);
    EXPECT_EQ(0, theApp.m_nNoteSize);
    EXPECT_EQ(1, theApp.m_nDateSize);
    EXPECT_EQ(1, theApp.m_nDateSwap);
    EXPECT_EQ(-1, theApp.m_nDateStyle);
    EXPECT_EQ("1\r\nfrom the file", m_pDoc->GetNote(0, 0));
    EXPECT_EQ(strIni, ReadWholeFile(m_dir.File("Almanark.ini")))
        << "opening a calendar never writes the settings";
}

TEST_F(DocumentFileTest, LoadingReplacesThePictureWithoutMarkingTheDocument) {
    GivePicture(*m_pDoc, 4, 4);
    std::vector<BYTE> bytes = LookFile();
    CMemFile mem(bytes.data(), bytes.size());
    CArchive ar(&mem, CArchive::load);
    m_pDoc->SetModifiedFlag(false);
    m_pDoc->Serialize(ar);
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_TRUE(m_pDoc->m_dib.IsEmpty());
    EXPECT_EQ(0, m_pDoc->m_bHasImage);
    EXPECT_EQ("no image loaded", m_pDoc->m_strImageFile);
    EXPECT_EQ(mem.GetLength(), mem.GetPosition()) << "the whole file is read";
}

TEST_F(DocumentFileTest, FailedLoadChangesNothing) {
    CString strPath = m_dir.File("cut.kal");
    std::vector<BYTE> bytes = LookFile();
    bytes.resize(bytes.size() - 10); // cut inside the printer settings
    ASSERT_TRUE(WriteBytes(strPath, bytes));

    // Before any load, and after a successful one: the file is read whole
    // before anything is taken from it.
    CString strGood = m_dir.File("good.kal");
    ASSERT_TRUE(WriteBytes(strGood, LookFile()));
    for (bool bLoadedBefore : {false, true}) {
        if (bLoadedBefore)
            ASSERT_TRUE(m_pDoc->OnOpenDocument(strGood));
        m_pDoc->SetNote("7\r\nold", 0, 0);
        m_pDoc->m_strTitle = "old title";
        const CString strFace = theApp.m_strWeekdayFont;
        const int nResetOnNew = m_pDoc->m_bResetOnNew;
        m_pDoc->SetModifiedFlag(true);
        EXPECT_FALSE(m_pDoc->OnOpenDocument(strPath));
        EXPECT_EQ(CString(kUnexpectedFormat), m_answers.Messages().back());
        EXPECT_FALSE(m_pDoc->IsModified()) << "tells the framework that nothing was read";
        EXPECT_EQ("7\r\nold", m_pDoc->GetNote(0, 0));
        EXPECT_EQ("old title", m_pDoc->m_strTitle);
        EXPECT_EQ(strFace, theApp.m_strWeekdayFont);
        EXPECT_EQ(nResetOnNew, m_pDoc->m_bResetOnNew);
    }

    // A file that cannot be opened at all changes nothing either.
    m_pDoc->SetModifiedFlag(false);
    EXPECT_FALSE(m_pDoc->OnOpenDocument(m_dir.File("missing.kal")));
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_EQ("7\r\nold", m_pDoc->GetNote(0, 0));
    EXPECT_EQ(3u, m_answers.Messages().size());
}

TEST_F(DocumentFileTest, PictureCutShortFailsTheLoad) {
    FillSampleDocument(*m_pDoc);
    GivePicture(*m_pDoc, 16, 16);
    CString strPath = m_dir.File("picture.kal");
    Save(*m_pDoc, strPath);
    std::vector<BYTE> bytes = FileBytes(strPath);
    // Cut in the pixels, with more than the image name and edges still there.
    bytes.resize(bytes.size() - 150);
    ASSERT_TRUE(WriteBytes(strPath, bytes));

    CAlmanarkDoc other;
    EXPECT_FALSE(other.OnOpenDocument(strPath));
    EXPECT_EQ(std::vector<CString>{kUnexpectedFormat}, m_answers.Messages());
    EXPECT_EQ(0, other.m_bHasImage);
    EXPECT_TRUE(other.m_dib.IsEmpty());
    theApp.m_pDoc = nullptr;
}

TEST_F(DocumentFileTest, UnreadablePictureIsSkippedAndTheLoadGoesOn) {
    CCalendarFile file;
    file.m_strPrinter = "PDF";
    file.m_bHasImage = 1;
    CMemFile mem;
    CArchive ar(&mem, CArchive::store);
    file.StoreNotes(ar);
    file.StoreSettings(ar);
    const BYTE notBitmap[14] = {'P', 'K', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    ar.Write(notBitmap, sizeof notBitmap);
    file.m_strImageFile = "lost.bmp";
    file.StoreImagePlacement(ar);
    ar.Close();
    CString strPath = m_dir.File("notbmp.kal");
    ASSERT_TRUE(WriteBytes(strPath, mem.Data()));

    ASSERT_TRUE(m_pDoc->OnOpenDocument(strPath));
    EXPECT_EQ(std::vector<CString>{"Read error"}, m_answers.Messages());
    EXPECT_EQ(0, m_pDoc->m_bHasImage) << "the flag follows the picture";
    EXPECT_EQ("no image loaded", m_pDoc->m_strImageFile);

    // Saved again, even with the flag raised and no picture behind it, the
    // calendar ends after the flag and holds no trace of the lost picture.
    m_pDoc->m_bHasImage = 1;
    CString strAgain = m_dir.File("again.kal");
    ASSERT_TRUE(m_pDoc->OnSaveDocument(strAgain));
    EXPECT_EQ(std::vector<CString>{"Read error"}, m_answers.Messages());
    std::vector<BYTE> again = FileBytes(strAgain);
    ASSERT_GE(again.size(), 4u);
    EXPECT_EQ(std::vector<BYTE>(4, 0), std::vector<BYTE>(again.end() - 4, again.end()));
    CAlmanarkDoc reopened;
    EXPECT_TRUE(reopened.OnOpenDocument(strAgain));
    theApp.m_pDoc = nullptr;
}

TEST_F(DocumentFileTest, FailedSaveKeepsTheOldFile) {
    FillSampleDocument(*m_pDoc);
    CString strPath = m_dir.File("kept.kal");
    Save(*m_pDoc, strPath);
    std::vector<BYTE> old = FileBytes(strPath);

    CBreakingDoc breaking;
    breaking.m_strTitle = "never saved";
    breaking.SetModifiedFlag(true);
    EXPECT_FALSE(breaking.OnSaveDocument(strPath));
    EXPECT_EQ(std::vector<CString>{kFailedToSave}, m_answers.Messages());
    EXPECT_EQ(old, FileBytes(strPath));
    EXPECT_FALSE(FileExistsOnDisk(CDocument::TempSavePath(strPath)));
    EXPECT_TRUE(breaking.IsModified());

    CString strNoFolder = m_dir.File("no such folder\\calendar.kal");
    EXPECT_FALSE(breaking.OnSaveDocument(strNoFolder));
    EXPECT_EQ((std::vector<CString>{kFailedToSave, kFailedToSave}), m_answers.Messages());
    EXPECT_FALSE(FileExistsOnDisk(strNoFolder));
    theApp.m_pDoc = nullptr;
}

TEST_F(DocumentFileTest, PictureThatCannotBeWrittenFailsTheSave) {
    GivePicture(*m_pDoc, 64, 64);
    CMemFile whole;
    {
        CArchive ar(&whole, CArchive::store);
        m_pDoc->Serialize(ar);
        ar.Close();
    }
    // Room for everything up to the picture's pixels only.
    // The file's own error goes on to the framework, which names it.
    CLimitedFile file(whole.GetLength() - 4096);
    CArchive ar(&file, CArchive::store);
    int nCause = CFileException::none;
    try {
        m_pDoc->Serialize(ar);
    } catch (const CFileException& e) {
        nCause = e.m_cause;
    }
    EXPECT_EQ(CFileException::diskFull, nCause);
    EXPECT_TRUE(m_answers.Messages().empty());
}

// An empty file is what the shell's "New" makes: a new, blank calendar.
TEST_F(DocumentFileTest, EmptyFileOpensAsABlankCalendar) {
    CString strPath = m_dir.File("empty.kal");
    ASSERT_TRUE(WriteWholeFile(strPath, ""));
    m_pDoc->SetNote("5\r\ngone", 4, 0);
    m_pDoc->m_strTitle = "gone too";
    m_pDoc->m_bResetOnNew = 0;
    EXPECT_TRUE(m_pDoc->OnOpenDocument(strPath));
    EXPECT_TRUE(m_answers.Messages().empty());
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_EQ("", m_pDoc->GetNote(4, 0));
    EXPECT_EQ("", m_pDoc->m_strTitle);
    EXPECT_EQ(0, m_pDoc->m_bResetOnNew) << "named after the file, not as unsaved";
}

namespace {
// A main frame without its window: only the Events page is created.
class DocumentEventsTest : public DocumentFileTest {
protected:
    void SetUp() override {
        DocumentFileTest::SetUp();
        theApp.m_strCurDir = m_dir.Path();
        theApp.m_strEventFileArg.Empty();
        WriteWholeFile(m_dir.File("Family.evn"), "[Events]\r\n0=Jul 04;Picnic\r\n1=Dec 24;Eve\r\n");
        WriteWholeFile(m_dir.File("Work.evn"), "[Events]\r\n0=Mar 01;Audit\r\n");
        m_pFrame = std::make_unique<CMainFrame>();
        m_pView = std::make_unique<CAlmanarkView>();
        // A child dialog needs a parent window.
        m_host.Attach(::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 600,
                                        nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(Page().Create(IDD_EVENTS_PAGE, &m_host));
    }
    void TearDown() override {
        if (Page().GetSafeHwnd())
            Page().DestroyWindow();
        ::DestroyWindow(m_host.Detach());
        m_pView.reset();
        m_pFrame.reset();
        theApp.m_pFrame = nullptr;
        DocumentFileTest::TearDown();
    }
    CEventsPage& Page() { return m_pFrame->m_wndEventsPage; }
    CString Combo() { return Page().m_cbFile.GetWindowText(); }

    CWnd m_host;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CAlmanarkView> m_pView;
};
} // namespace

TEST_F(DocumentEventsTest, MonthCalendarRemembersItsEventFile) {
    ASSERT_TRUE(Page().SelectEventFile("Family"));
    CString strMonth = m_dir.File("month.kal"), strYear = m_dir.File("year.kal");
    Save(*m_pDoc, strMonth);
    std::vector<BYTE> bytes = FileBytes(strMonth);
    ASSERT_GT(bytes.size(), 49u);
    EXPECT_EQ(std::vector<BYTE>({6, 'F', 'a', 'm', 'i', 'l', 'y'}),
              std::vector<BYTE>(bytes.begin() + 42, bytes.begin() + 49));
    m_pDoc->m_bYearDoc = 1;
    Save(*m_pDoc, strYear);
    EXPECT_EQ(0, FileBytes(strYear)[42]) << "a year calendar keeps no event file";

    ASSERT_TRUE(Page().SelectEventFile("Work"));
    Page().LoadEventFile();
    Page().m_btnInsertDate.EnableWindow(false);
    Page().m_btnFile.SetWindowText("Load");
    Page().m_btnFile.EnableWindow(false);
    m_pView->m_nEvalEvents = 0;
    m_pView->m_nImgPositioning = 1;
    ASSERT_TRUE(m_pDoc->OnOpenDocument(strMonth));
    EXPECT_GT(m_pView->m_nEvalEvents, 0) << "the next paint evaluates the events";
    EXPECT_EQ(0, m_pView->m_nImgPositioning);
    EXPECT_EQ("Family", Combo());
    EXPECT_EQ(2, Page().m_listDates.GetCount());
    EXPECT_TRUE(::IsWindowEnabled(Page().m_btnInsertDate.GetSafeHwnd()));
    EXPECT_EQ("Delete", Page().m_btnFile.GetWindowText());
    EXPECT_TRUE(::IsWindowEnabled(Page().m_btnFile.GetSafeHwnd()));
    EXPECT_GE(theApp.m_strAllEvents.Find("Picnic"), 0);

    // A year calendar leaves the page as it is.
    ASSERT_TRUE(Page().SelectEventFile("Work"));
    Page().LoadEventFile();
    m_pView->m_nEvalEvents = 0;
    ASSERT_TRUE(m_pDoc->OnOpenDocument(strYear));
    EXPECT_EQ(0, m_pView->m_nEvalEvents);
    EXPECT_EQ("Work", Combo());
    EXPECT_EQ(1, Page().m_listDates.GetCount());
    EXPECT_TRUE(m_answers.Messages().empty());
}

TEST_F(DocumentEventsTest, MissingEventFileDoesNotEnableInsertDate) {
    ASSERT_TRUE(Page().SelectEventFile("Family"));
    CString strPath = m_dir.File("month.kal");
    Save(*m_pDoc, strPath);
    ASSERT_TRUE(::DeleteFileA(m_dir.File("Family.evn")));
    Page().m_cbFile.ResetContent();
    Page().FillEventFileCombo();
    ASSERT_TRUE(Page().SelectEventFile("Work"));
    Page().m_btnInsertDate.EnableWindow(false);

    ASSERT_TRUE(m_pDoc->OnOpenDocument(strPath));
    EXPECT_FALSE(::IsWindowEnabled(Page().m_btnInsertDate.GetSafeHwnd()));
    EXPECT_EQ("Work", Combo()) << "the list is reloaded from the file still selected";
    EXPECT_EQ(1, Page().m_listDates.GetCount());
}
