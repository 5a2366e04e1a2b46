#include "common/AppFixture.h"

#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "resources/resource.h"

namespace {
using Startup = CAppFixture;

TEST_F(Startup, FreshFolderWritesTheProfileAndOpensTheFrame) {
    ASSERT_TRUE(Start());
    ASSERT_NE(nullptr, theApp.m_pFrame);
    ASSERT_NE(nullptr, theApp.m_pDoc);
    ASSERT_NE(nullptr, theApp.m_pView);
    EXPECT_EQ(CString(m_dir.Path()), theApp.m_strCurDir);
    EXPECT_EQ(CString(""), IniValue("Almanark", "Month Doc"));
    EXPECT_EQ(CString(""), IniValue("Almanark", "Year Doc"));
    EXPECT_EQ(CString(""), IniValue("Almanark", "Last Event File"));
    EXPECT_FALSE(theApp.m_strPrinter.IsEmpty());
    // A calendar never saved is named after its month and year.
    EXPECT_EQ(CString(" [unsaved] - Almanark"), theApp.m_pFrame->GetWindowText().Right(21));
    EXPECT_EQ(CString("Ready"), theApp.m_pFrame->GetStatusText(0));
}

TEST_F(Startup, DefaultsWithoutIniAndValuesFromIni) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(CString("Arial"), theApp.m_strWeekdayFont);
    EXPECT_EQ(400, theApp.m_nNotesWeight);
    EXPECT_EQ(1, theApp.m_nNoteSize);
    EXPECT_EQ(0, theApp.m_nDateSize);
    Close();
    SetIniValue("Almanark", "Title Font", "Courier New");
    SetIniValue("Almanark", "Title Color", "255");
    SetIniValue("Almanark", "Notes Weight", "700");
    SetIniValue("Almanark", "Day Swap", "2");
    SetIniValue("Almanark", "Date Italic", "1");
    ASSERT_TRUE(Start());
    EXPECT_EQ(CString("Courier New"), theApp.m_strTitleFont);
    EXPECT_EQ(255u, theApp.m_crTitleColor);
    EXPECT_EQ(700, theApp.m_nNotesWeight);
    EXPECT_EQ(2, theApp.m_nDaySwap);
    EXPECT_EQ(1, theApp.m_bDateItalic);
    // The document's fonts are built from those settings.
    EXPECT_EQ(700, theApp.m_pDoc->m_lfNotes.lfWeight);
    EXPECT_EQ(1, theApp.m_pDoc->m_lfDate.lfItalic);
}

TEST_F(Startup, GarbageAndOverlongIniValuesAreHarmless) {
    CString strLong('x', 5000);
    SetIniValue("Almanark", "Weekday Font", strLong);
    SetIniValue("Almanark", "Notes Weight", "heavy");
    SetIniValue("Almanark", "Last Event File", strLong);
    SetIniValue("Almanark", "Window SizeX", "-99999999999");
    ASSERT_TRUE(Start());
    EXPECT_EQ(5000, theApp.m_strWeekdayFont.GetLength());
    // The font record's face field holds at most 31 characters.
    EXPECT_EQ(31u, strlen(theApp.m_pDoc->m_lfWeekday.lfFaceName));
    EXPECT_EQ(CString(""), IniValue("Almanark", "Last Event File"));
}

// The heading alignment chosen in one run is there at the next start.
TEST_F(Startup, DateStyleOfTheLastRunIsCheckedAtStart) {
    struct Case {
        const char* pszValue;
        int nStyle, nRadio;
    };
    for (const Case& c : {Case{"2", 2, IDC_DATE_RIGHT}, Case{"0", 0, IDC_DATE_LEFT},
                          Case{"-1", -1, IDC_DATE_SPLIT}, Case{"", 1, IDC_DATE_CENTER}}) {
        SetIniValue("Almanark", "Date Style", c.pszValue);
        ASSERT_TRUE(Start());
        EXPECT_EQ(c.nStyle, theApp.m_nDateStyle) << c.pszValue;
        EXPECT_EQ(BST_CHECKED, theApp.m_pFrame->m_wndStylePage.IsDlgButtonChecked(c.nRadio))
            << c.pszValue;
        Close();
    }
}

// Only the two states the frame writes are taken; anything else would start
// a program whose window is never shown.
TEST_F(Startup, EveryShowWindowValueShowsTheWindow) {
    for (const char* pszValue : {"", "5", "abc", "0", "-7", "12345678901234567890", "2", "11"}) {
        SetIniValue("Almanark", "Show Window", pszValue);
        ASSERT_TRUE(Start());
        HWND hFrame = theApp.m_pFrame->GetSafeHwnd();
        EXPECT_TRUE(::IsWindowVisible(hFrame)) << pszValue;
        EXPECT_FALSE(::IsIconic(hFrame)) << pszValue;
        EXPECT_FALSE(::IsZoomed(hFrame)) << pszValue;
        Close();
    }
}

TEST_F(Startup, StalePrinterFallsBackToTheDefaultAndIsCleared) {
    SetIniValue("Almanark", "Printer", "Gone Printer");
    ASSERT_TRUE(LoadSettingsOnly());
    EXPECT_NE(CString("Gone Printer"), theApp.m_strPrinter);
    EXPECT_FALSE(theApp.m_strPrinter.IsEmpty());
    EXPECT_EQ(CString(""), IniValue("Almanark", "Printer"));
}

TEST_F(Startup, DefaultPrinterValueWithAndWithoutCommas) {
    {
        CScopedSystemProfile device("windows", "device", "Office Laser,winspool,LPT1:");
        ASSERT_TRUE(LoadSettingsOnly());
        EXPECT_EQ(CString("Office Laser"), theApp.m_strPrinter);
    }
    {
        CScopedSystemProfile device("windows", "device", "Plain Name");
        ASSERT_TRUE(LoadSettingsOnly());
        EXPECT_EQ(CString("Plain Name"), theApp.m_strPrinter);
    }
}

TEST_F(Startup, TwoPrintersKeepSeparateOrientations) {
    CScopedSystemProfile second("devices", "Second Printer", "winspool,LPT2:");
    SetIniValue("Second Printer", "Orientation", "1");
    SetIniValue("Second Printer", "Paper Size", "9");
    SetIniValue("Almanark", "Printer", "Second Printer");
    ASSERT_TRUE(LoadSettingsOnly());
    EXPECT_EQ(CString("Second Printer"), theApp.m_strPrinter);
    EXPECT_EQ(1, theApp.m_nOrientation);
    EXPECT_EQ(9, theApp.m_nPaperSize);
    SetIniValue("Almanark", "Printer", "");
    ASSERT_TRUE(LoadSettingsOnly());
    EXPECT_NE(CString("Second Printer"), theApp.m_strPrinter);
    EXPECT_EQ(2, theApp.m_nOrientation); // the default printer's own section is empty
    EXPECT_EQ(1, theApp.m_nPaperSize);
}

TEST_F(Startup, NoPrinterAtAllEndsTheProgram) {
    CScopedSystemProfile device("windows", "device", nullptr);
    EXPECT_FALSE(LoadSettingsOnly());
    EXPECT_TRUE(m_answers.WasAsked("No default printer installed."));
    EXPECT_FALSE(Start());
    EXPECT_TRUE(m_answers.WasAsked("No default printer installed."));
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    ASSERT_FALSE(m_answers.Asked().empty());
    EXPECT_EQ(CString("Almanark"), m_answers.Asked().back().strCaption);
    EXPECT_TRUE(m_answers.Asked().back().nType & MB_TOPMOST);
}

TEST_F(Startup, EventFileOnTheCommandLineBecomesTheLastEventFile) {
    CString strEvents = m_dir.File("Family.evn");
    ASSERT_TRUE(WriteWholeFile(strEvents, "[Events]\r\n0=Jan 01;New Year\r\n"));
    ASSERT_TRUE(Start("/\"Family.evn\""));
    EXPECT_EQ(strEvents, IniValue("Almanark", "Last Event File"));
    Close();
    // A missing file is forgotten silently, and the earlier setting too.
    ASSERT_TRUE(Start("/Missing.evn"));
    EXPECT_TRUE(theApp.m_strEventFileArg.IsEmpty());
    EXPECT_EQ(strEvents, IniValue("Almanark", "Last Event File"));
    Close();
    ::DeleteFileA(strEvents);
    ASSERT_TRUE(Start());
    EXPECT_EQ(CString(""), IniValue("Almanark", "Last Event File"));
}

TEST_F(Startup, OverlongCommandLineIsHandled) {
    CString strArg = "/" + CString('a', 5000) + ".evn";
    ASSERT_TRUE(Start(strArg));
    EXPECT_TRUE(theApp.m_strEventFileArg.IsEmpty());
}

TEST_F(Startup, RegistrationAfterAStart) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(CString("Almanark.Eventfile"), RegDefault(".evn"));
    EXPECT_EQ(CString("Almanark.Document"), RegDefault(".kal"));
    EXPECT_EQ(CString("Almanark Document"), RegDefault("Almanark.Document"));
    CString strIcon = RegDefault("Almanark.Eventfile\\DefaultIcon");
    EXPECT_EQ(CString(",2"), strIcon.Right(2));
    EXPECT_EQ(CString(",1"), RegDefault("Almanark.Document\\DefaultIcon").Right(2));
    bool bExists = true;
    RegDefault(".kal\\ShellNew", &bExists);
    EXPECT_FALSE(bExists);
    CString strOpen = RegDefault("Almanark.Document\\shell\\open\\command");
    EXPECT_EQ(CString(" \"%1\""), strOpen.Right(5));
    CString strModule = strOpen.Left(strOpen.GetLength() - 5);
    EXPECT_EQ(strModule + " /p \"%1\"", RegDefault("Almanark.Document\\shell\\print\\command"));
    EXPECT_EQ(strModule + " /pt \"%1\" \"%2\" \"%3\" \"%4\"",
              RegDefault("Almanark.Document\\shell\\printto\\command"));
    EXPECT_EQ(strModule + ",2", strIcon);
}

TEST_F(Startup, AnotherProgramsKalTypeIsLeftAlone) {
    theApp.DeleteRegistryKeys();
    RegSetDefault(".kal", "Other.Kalender");
    ASSERT_TRUE(Start());
    EXPECT_EQ(CString("Other.Kalender"), RegDefault(".kal"));
    EXPECT_EQ(CString("Almanark Document"), RegDefault("Almanark.Document"));
    Close();
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, ".kal");
}

TEST_F(Startup, UninstallSwitchTwiceGivesSuccessThenPartial) {
    ASSERT_TRUE(Start());
    Close();
    ::DeleteFileA(Ini());
    EXPECT_FALSE(Start("/UnInstall"));
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    ASSERT_EQ(1u, m_answers.Messages().size());
    EXPECT_EQ(CString("The Almanark registry keys have been deleted."), m_answers.Messages()[0]);
    bool bExists = true;
    RegDefault("Almanark.Document", &bExists);
    EXPECT_FALSE(bExists);
    RegDefault(".evn", &bExists);
    EXPECT_FALSE(bExists);
    EXPECT_FALSE(Start("/uninst"));
    ASSERT_EQ(2u, m_answers.Messages().size());
    EXPECT_EQ(CString("Not all Almanark registry keys were deleted.\n\n"
                      "Some may have already been deleted."),
              m_answers.Messages()[1]);
    // The uninstall touches no settings file.
    EXPECT_FALSE(FileExistsOnDisk(Ini()));
}

TEST_F(Startup, ShellNewLeftByAnInterruptedStartMakesUninstallPartial) {
    ASSERT_TRUE(Start());
    Close();
    RegSetDefault(".kal\\ShellNew", "");
    EXPECT_NE(0, theApp.DeleteRegistryKeys());
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, ".kal\\ShellNew");
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, ".kal");
}
} // namespace

namespace {
TEST_F(Startup, FrameworksUnregisterSwitchRemovesTheDocumentType) {
    ASSERT_TRUE(Start());
    CCommandLineInfo info;
    info.ParseParam("Unregister", true, true);
    ASSERT_EQ(CCommandLineInfo::AppUnregister, info.m_nShellCommand);
    EXPECT_FALSE(theApp.ProcessShellCommand(info));
    bool bExists = true;
    RegDefault("Almanark.Document", &bExists);
    EXPECT_FALSE(bExists);
    RegDefault(".kal", &bExists);
    EXPECT_FALSE(bExists);
    EXPECT_TRUE(m_answers.WasAsked("System registry entries have been removed."));
}
} // namespace
