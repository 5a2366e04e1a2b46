#include "common/AppFixture.h"

#include <shlobj.h>

#include "document/AlmanarkDoc.h"
#include "document/CalendarFile.h"
#include "framework/MemFile.h"
#include "image/PictureDecoder.h"
#include "view/AlmanarkView.h"
#include "frame/MainFrame.h"
#include "framework/RecentFileList.h"
#include "resources/resource.h"

namespace {
class Files : public CAppFixture {
protected:
    void SetUp() override {
        CAppFixture::SetUp();
        ASSERT_TRUE(Start());
    }
    // Saves the current calendar under strPath through the framework.
    void SaveAs(const CString& strPath) {
        m_answers.OnDialog([strPath](CModalRequest& request) {
            auto* pOfn = static_cast<OPENFILENAMEA*>(request.pStruct);
            lstrcpynA(pOfn->lpstrFile, strPath, pOfn->nMaxFile);
            return 1;
        });
        theApp.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
        PumpMessages();
    }
    // A shell drop of one file on the main window.
    void DropFile(const CString& strPath) {
        size_t cb = sizeof(DROPFILES) + strPath.GetLength() + 2;
        HGLOBAL hDrop = ::GlobalAlloc(GHND, cb);
        auto* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
        pDrop->pFiles = sizeof(DROPFILES);
        memcpy(reinterpret_cast<char*>(pDrop) + sizeof(DROPFILES), strPath.c_str(),
               strPath.GetLength());
        ::GlobalUnlock(hDrop);
        theApp.m_pFrame->SendMessage(WM_DROPFILES, (WPARAM)hDrop);
        PumpMessages();
    }
};

TEST_F(Files, SaveAsNamesTheDocumentAndEntersTheRecentList) {
    CString strPath = m_dir.File("June.kal");
    theApp.m_pDoc->m_strTitle = "Our June";
    theApp.MarkModified();
    SaveAs(strPath);
    ASSERT_TRUE(FileExistsOnDisk(strPath));
    EXPECT_FALSE(FileExistsOnDisk(strPath + ".tmp"));
    EXPECT_FALSE(theApp.m_pDoc->IsModified());
    EXPECT_EQ(strPath, theApp.m_pDoc->GetPathName());
    EXPECT_EQ(CString("June.kal - Almanark"), theApp.m_pFrame->GetWindowText());
    ASSERT_NE(nullptr, theApp.GetRecentFileList());
    EXPECT_EQ(strPath, (*theApp.GetRecentFileList())[0]);
    // The file dialog offered the calendar filter and extension.
    ASSERT_FALSE(m_answers.Asked().empty());
    EXPECT_EQ(CModalRequest::fileSave, m_answers.Asked().back().kind);
    theApp.ExitInstance();
    EXPECT_EQ(strPath, IniValue("Recent File List", "File1"));
}

TEST_F(Files, RecentFilesAppearInTheFileMenu) {
    CString strPath = m_dir.File("Menu.kal");
    SaveAs(strPath);
    HMENU hFile = ::GetSubMenu(::GetMenu(theApp.m_pFrame->GetSafeHwnd()), 0);
    theApp.m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hFile, 0);
    char sz[MAX_PATH] = {0};
    ::GetMenuStringA(hFile, ID_FILE_MRU_FILE1, sz, sizeof sz, MF_BYCOMMAND);
    EXPECT_EQ(CString("&1 "), CString(sz).Left(3));
    EXPECT_NE(-1, CString(sz).Find("Menu.kal"));
    EXPECT_EQ(0u, ::GetMenuState(hFile, ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(Files, SaveReopenAndSaveAgainGivesTheSameBytes) {
    CString strPath = m_dir.File("Same.kal");
    theApp.m_pDoc->SetNote("3\r\nDentist", 3, 0);
    SaveAs(strPath);
    CString strFirst = ReadWholeFile(strPath);
    ASSERT_FALSE(strFirst.IsEmpty());
    ASSERT_NE(nullptr, theApp.OpenDocumentFile(strPath));
    theApp.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    PumpMessages();
    EXPECT_EQ(strFirst, ReadWholeFile(strPath));
}

TEST_F(Files, DroppedCalendarOpens) {
    CString strPath = m_dir.File("Dropped.kal");
    theApp.m_pDoc->m_strTitle = "Dropped title";
    SaveAs(strPath);
    theApp.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    PumpMessages();
    DropFile(strPath);
    EXPECT_EQ(strPath, theApp.m_pDoc->GetPathName());
    EXPECT_EQ(CString("Dropped title"), theApp.m_pDoc->m_strTitle);
}

TEST_F(Files, DroppedFileThatIsNotACalendarLeavesTheDocument) {
    CString strFile = m_dir.File("picture.bmp");
    ASSERT_TRUE(WriteWholeFile(strFile, "BM not really a calendar"));
    theApp.m_pDoc->m_strTitle = "kept";
    DropFile(strFile);
    ASSERT_FALSE(m_answers.Messages().empty());
    EXPECT_EQ(CString("Unexpected file format."), m_answers.Messages().back());
    EXPECT_NE(strFile, theApp.m_pDoc->GetPathName());
}

TEST_F(Files, LeftoverTemporaryFileIsOfferedForRemoval) {
    CString strPath = m_dir.File("Crash.kal");
    SaveAs(strPath);
    ASSERT_TRUE(WriteWholeFile(strPath + ".tmp", "half a calendar"));
    m_answers.Queue(IDNO);
    ASSERT_NE(nullptr, theApp.OpenDocumentFile(strPath));
    ASSERT_FALSE(m_answers.Messages().empty());
    EXPECT_NE(-1, m_answers.Messages().back().Find("unfinished copy"));
    EXPECT_TRUE(FileExistsOnDisk(strPath + ".tmp"));
    m_answers.Queue(IDYES);
    ASSERT_NE(nullptr, theApp.OpenDocumentFile(strPath));
    EXPECT_FALSE(FileExistsOnDisk(strPath + ".tmp"));
}

TEST_F(Files, RecentEntryThatNoLongerOpensLeavesTheList) {
    CString strPath = m_dir.File("Gone.kal");
    SaveAs(strPath);
    ASSERT_TRUE(::DeleteFileA(strPath));
    theApp.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1);
    PumpMessages();
    EXPECT_NE(strPath, (*theApp.GetRecentFileList())[0]);
}

// The start-up folder is used as it is up to 195 characters; a longer one
// is replaced by its short form before the settings file is named.
class LongFolder : public ::testing::Test {
protected:
    void TearDown() override {
        if (theApp.m_pMainWnd && theApp.m_pMainWnd->GetSafeHwnd())
            theApp.m_pMainWnd->DestroyWindow();
        PumpMessages();
        ::SetCurrentDirectoryA(m_szOldDir);
        for (auto it = m_made.rbegin(); it != m_made.rend(); ++it) {
            ::DeleteFileA(*it + "\\Almanark.ini");
            ::RemoveDirectoryA(*it);
        }
    }
    // A folder under the temporary folder whose path is nLength characters.
    CString MakeFolder(int nLength) {
        int nName = nLength - m_base.Path().GetLength();
        EXPECT_GT(nName, 0);
        CString strDir = m_base.Path() + CString('d', nName);
        EXPECT_TRUE(::CreateDirectoryA(strDir, nullptr));
        m_made.push_back(strDir);
        return strDir;
    }
    CTempDir m_base{"lf"};
    CScopedAnswers m_answers{IDOK};
    std::vector<CString> m_made;
    char m_szOldDir[MAX_PATH] = {0};
};

TEST_F(LongFolder, Exactly195IsKeptAnd196IsShortened) {
    ::GetCurrentDirectoryA(MAX_PATH, m_szOldDir);
    CString strDir195 = MakeFolder(195);
    ASSERT_TRUE(::SetCurrentDirectoryA(strDir195));
    theApp.m_lpCmdLine = "";
    ASSERT_TRUE(theApp.InitInstance());
    EXPECT_EQ(strDir195 + "\\", theApp.m_strCurDir);
    EXPECT_TRUE(FileExistsOnDisk(strDir195 + "\\Almanark.ini"));
    theApp.m_pMainWnd->DestroyWindow();
    PumpMessages();

    ::SetCurrentDirectoryA(m_szOldDir);
    CString strDir196 = MakeFolder(196);
    ASSERT_TRUE(::SetCurrentDirectoryA(strDir196));
    ASSERT_TRUE(theApp.InitInstance());
    EXPECT_LT(theApp.m_strCurDir.GetLength(), 196);
    EXPECT_EQ(CString("\\"), theApp.m_strCurDir.Right(1));
    EXPECT_TRUE(FileExistsOnDisk(strDir196 + "\\Almanark.ini"));
}
} // namespace

namespace {
// A 2 x 2 24-bit bitmap file.
CString SmallBitmapFile() {
    BYTE data[54 + 16] = {'B', 'M'};
    auto put = [&data](int nAt, DWORD dw, int nBytes) {
        for (int i = 0; i < nBytes; ++i)
            data[nAt + i] = (BYTE)(dw >> (8 * i));
    };
    put(2, sizeof data, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, 2, 4);
    put(22, 2, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int i = 54; i < (int)sizeof data; ++i)
        data[i] = (BYTE)(i * 7);
    return CString(reinterpret_cast<const char*>(data), sizeof data);
}

TEST_F(Files, FailedOpenLeavesThePictureFileIntact) {
    CString strBitmap = m_dir.File("photo.bmp");
    CString strBytes = SmallBitmapFile();
    ASSERT_TRUE(WriteWholeFile(strBitmap, strBytes));
    CString strCalendar = m_dir.File("WithPicture.kal");
    {
        CAlmanarkDoc* pDoc = theApp.m_pDoc;
        ASSERT_TRUE(CPictureDecoder::Load(pDoc->m_dib, strBitmap));
        pDoc->m_bHasImage = 1;
        SaveAs(strCalendar);
    }
    // The calendar cut in half: the load fails part-way.
    CString strWhole = ReadWholeFile(strCalendar);
    CString strCut = m_dir.File("Cut.kal");
    ASSERT_TRUE(WriteWholeFile(strCut, strWhole.Left(strWhole.GetLength() / 2)));
    EXPECT_EQ(nullptr, theApp.OpenDocumentFile(strCut));
    EXPECT_EQ(CString("Unexpected file format."), m_answers.Messages().back());
    // A file that cannot be opened at all leaves the document and its picture.
    ASSERT_NE(nullptr, theApp.OpenDocumentFile(strCalendar));
    ASSERT_TRUE(theApp.m_pDoc->m_bHasImage);
    EXPECT_EQ(nullptr, theApp.OpenDocumentFile(m_dir.File("missing.kal")));
    EXPECT_TRUE(theApp.m_pDoc->m_bHasImage);
    EXPECT_EQ(2, theApp.m_pDoc->m_dib.GetSize().cx);
    theApp.m_pDoc->m_dib.Clear();
    EXPECT_EQ(strBytes, ReadWholeFile(strBitmap));
    // The embedded copy is the picture, byte for byte after its headers.
    EXPECT_NE(-1, strWhole.Find(strBytes.Mid(54)));
}
} // namespace

namespace {
// What a user sees of the open calendar, to compare before and after.
CString CalendarState() {
    CAlmanarkDoc& doc = *theApp.m_pDoc;
    CString strState = doc.GetPathName() + "|" + doc.GetTitle() + "|" +
                       theApp.m_pFrame->GetWindowText() + "|" + doc.m_strTitle + "|" +
                       doc.GetNote(3, 1) + "|" + doc.m_strImageFile + "|" + doc.m_strPrinter + "|" +
                       theApp.m_strTitleFont + "|" + doc.m_lfTitle.lfFaceName;
    strState += CString::FromInt(doc.m_dib.GetSize().cx) + "|" +
                CString::FromInt(theApp.m_nDateStyle) + "|" + CString::FromInt(doc.IsModified());
    return strState;
}

// A calendar with a picture, cut at several places: before the settings,
// inside the printer name, inside the picture, inside its placement. Each
// refused open leaves the calendar that was open exactly as it was.
TEST_F(Files, RefusedOpenLeavesTheOpenCalendarAsItWas) {
    CString strBitmap = m_dir.File("photo.bmp");
    ASSERT_TRUE(WriteWholeFile(strBitmap, SmallBitmapFile()));
    CAlmanarkDoc& doc = *theApp.m_pDoc;
    ASSERT_TRUE(CPictureDecoder::Load(doc.m_dib, strBitmap));
    doc.m_bHasImage = 1;
    doc.m_strImageFile = "other.bmp";
    doc.m_strTitle = "Other title";
    doc.m_strPrinter = "Other printer";
    doc.SetNote("9\r\nother", 3, 1);
    theApp.m_strTitleFont = "Courier New";
    CString strOther = m_dir.File("Other.kal");
    SaveAs(strOther);
    CString strBytes = ReadWholeFile(strOther);
    const int nLength = strBytes.GetLength();

    theApp.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    PumpMessages();
    theApp.m_pDoc->SetNote("8\r\nmine", 3, 1);
    theApp.m_pDoc->m_strTitle = "Mine";
    theApp.m_strTitleFont = "Arial";
    CString strMine = m_dir.File("Mine.kal");
    SaveAs(strMine);
    theApp.m_pDoc->SetNote("8\r\nmine, edited", 3, 1);
    theApp.MarkModified();
    const CString strBefore = CalendarState();

    const int anCuts[] = {100, nLength - 135, nLength - 80, nLength - 20};
    for (int nCut : anCuts) {
        CString strCut = m_dir.File("Cut.kal");
        ASSERT_TRUE(WriteWholeFile(strCut, strBytes.Left(nCut)));
        m_answers.Queue(IDNO); // "Save changes to Mine.kal?"
        EXPECT_EQ(nullptr, theApp.OpenDocumentFile(strCut)) << nCut;
        EXPECT_EQ(CString("Unexpected file format."), m_answers.Messages().back()) << nCut;
        EXPECT_EQ(strBefore, CalendarState()) << nCut;
    }
}
} // namespace

namespace {
// Font records as a hostile file may hold them: the calendar opens and paints
// at once, with records the font engine can use.
TEST_F(Files, FontRecordsFromTheFileAreBroughtIntoRange) {
    CCalendarFile file;
    for (CCalendarFont* pFont : {&file.m_weekday, &file.m_notes, &file.m_title, &file.m_date}) {
        pFont->m_strFace = "Arial";
        pFont->m_lf.lfWidth = 0x7FFFFFFF;
        pFont->m_lf.lfEscapement = 0x7FFFFFFF;
        pFont->m_lf.lfWeight = -5;
        pFont->m_lf.lfQuality = 0xFF;
    }
    file.m_strNotes[2][2] = "3\r\nwide";
    CMemFile mem;
    CArchive ar(&mem, CArchive::store);
    file.Store(ar);
    ar.Close();
    CString strPath = m_dir.File("Wide.kal");
    ASSERT_TRUE(
        WriteWholeFile(strPath, CString((const char*)mem.Data().data(), (int)mem.Data().size())));
    ASSERT_NE(nullptr, theApp.OpenDocumentFile(strPath));
    for (const LOGFONT* pLf : {&theApp.m_pDoc->m_lfWeekday, &theApp.m_pDoc->m_lfNotes,
                               &theApp.m_pDoc->m_lfTitle, &theApp.m_pDoc->m_lfDate}) {
        EXPECT_LE(pLf->lfWidth, 1024);
        EXPECT_LT(pLf->lfEscapement, 3600);
        EXPECT_EQ(0, pLf->lfWeight);
        EXPECT_EQ(0, pLf->lfQuality);
    }
    theApp.m_pView->Invalidate(true);
    theApp.m_pView->UpdateWindow();
}

// An empty file is what the shell's "New" makes: File Open, over another
// calendar or as the first document of a start (as from the command line),
// gives a new, blank calendar that carries the file's name, and Save writes
// that calendar, not the one open before, into it.
TEST_F(Files, EmptyFileOpensAsANewCalendarOfItsName) {
    const CString strEmpty = m_dir.File("empty.kal");
    CString strBitmap = m_dir.File("photo.bmp");
    ASSERT_TRUE(WriteWholeFile(strBitmap, SmallBitmapFile()));
    ASSERT_TRUE(CPictureDecoder::Load(theApp.m_pDoc->m_dib, strBitmap));
    theApp.m_pDoc->m_bHasImage = 1;
    theApp.m_pDoc->m_strTitle = "Good title";
    theApp.m_pDoc->SetNote("9\r\ngood note", 3, 1);
    SaveAs(m_dir.File("good.kal"));
    for (bool bFirst : {false, true}) {
        SCOPED_TRACE(bFirst ? "first document" : "over another");
        ASSERT_TRUE(WriteWholeFile(strEmpty, ""));
        // Nothing loaded since the start: so it is when the command line
        // names the file.
        if (bFirst)
            theApp.m_pDoc->m_bResetOnNew = 1;
        ASSERT_NE(nullptr, theApp.OpenDocumentFile(strEmpty));
        theApp.m_pView->Invalidate();
        theApp.m_pView->UpdateWindow();
        PumpMessages();
        const CAlmanarkDoc& doc = *theApp.m_pDoc;
        EXPECT_EQ(strEmpty, doc.GetPathName());
        EXPECT_EQ(CString("empty.kal - Almanark"), theApp.m_pFrame->GetWindowText());
        EXPECT_EQ("", doc.m_strTitle);
        EXPECT_EQ(0, doc.m_bHasImage);
        EXPECT_EQ(-1, doc.GetNote(3, 1).Find("good"));
        EXPECT_FALSE(doc.IsModified());
        theApp.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_SAVE);
        PumpMessages();
        const CString strSaved = ReadWholeFile(strEmpty);
        EXPECT_FALSE(strSaved.IsEmpty());
        EXPECT_EQ(-1, strSaved.Find("Good title"));
        EXPECT_EQ(-1, strSaved.Find("good note"));
    }
}
} // namespace
