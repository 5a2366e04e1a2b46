#include <gtest/gtest.h>

#include <vector>

#include "framework/CommandLineInfo.h"

namespace {
// Feeds parameters the way the application does, flags without "/" or "-".
CCommandLineInfo Parse(const std::vector<const char*>& args) {
    CCommandLineInfo info;
    for (size_t i = 0; i < args.size(); ++i) {
        const char* p = args[i];
        bool bFlag = p[0] == '/' || p[0] == '-';
        info.ParseParam(bFlag ? p + 1 : p, bFlag, i + 1 == args.size());
    }
    return info;
}

TEST(CommandLineInfo, NothingMeansNewDocument) {
    EXPECT_EQ(CCommandLineInfo::FileNew, Parse({}).m_nShellCommand);
}

TEST(CommandLineInfo, FileNameOpensIt) {
    CCommandLineInfo info = Parse({"C:\\Cal\\June.kal"});
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_EQ(CString("C:\\Cal\\June.kal"), info.m_strFileName);
}

TEST(CommandLineInfo, ProgramsOwnFlagIsIgnored) {
    CCommandLineInfo info = Parse({"June.kal", "/My Events.evn"});
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_EQ(CString("June.kal"), info.m_strFileName);
    EXPECT_EQ(CCommandLineInfo::FileNew, Parse({"/uninst"}).m_nShellCommand);
}

TEST(CommandLineInfo, PrintAndPrintTo) {
    CCommandLineInfo info = Parse({"/p", "June.kal"});
    EXPECT_EQ(CCommandLineInfo::FilePrint, info.m_nShellCommand);
    EXPECT_EQ(CString("June.kal"), info.m_strFileName);
    info = Parse({"/pt", "June.kal", "PDF", "winspool", "CUPS:PDF"});
    EXPECT_EQ(CCommandLineInfo::FilePrintTo, info.m_nShellCommand);
    EXPECT_EQ(CString("PDF"), info.m_strPrinterName);
    EXPECT_EQ(CString("winspool"), info.m_strDriverName);
    EXPECT_EQ(CString("CUPS:PDF"), info.m_strPortName);
}

TEST(CommandLineInfo, PrintWithSeveralFilesKeepsThemAll) {
    EXPECT_TRUE(Parse({"/p", "June.kal"}).m_astrMoreFiles.empty());
    CCommandLineInfo info = Parse({"/p", "June.kal", "July.kal", "/My Events.evn", "Year.kal"});
    EXPECT_EQ(CCommandLineInfo::FilePrint, info.m_nShellCommand);
    EXPECT_EQ(CString("June.kal"), info.m_strFileName);
    ASSERT_EQ(2u, info.m_astrMoreFiles.size());
    EXPECT_EQ(CString("July.kal"), info.m_astrMoreFiles[0]);
    EXPECT_EQ(CString("Year.kal"), info.m_astrMoreFiles[1]);
    // Print-to takes printer, driver and port, and no more files.
    EXPECT_TRUE(Parse({"/pt", "June.kal", "PDF", "winspool", "CUPS:PDF", "July.kal"})
                    .m_astrMoreFiles.empty());
    // Files before the switch: the first is printed, the others printed with it.
    info = Parse({"June.kal", "/p", "July.kal"});
    EXPECT_EQ(CString("June.kal"), info.m_strFileName);
    ASSERT_EQ(1u, info.m_astrMoreFiles.size());
}

TEST(CommandLineInfo, UnregisterSwitchesInAnyCase) {
    EXPECT_EQ(CCommandLineInfo::AppUnregister, Parse({"/Unregister"}).m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::AppUnregister, Parse({"-UNREGSERVER"}).m_nShellCommand);
}
} // namespace
