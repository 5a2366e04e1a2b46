#include <gtest/gtest.h>

#include "app/ProgramArgument.h"

namespace {
const char kCurDir[] = "C:\\Cal\\";

TEST(ProgramArgument, NoSlashMeansNoArgument) {
    CProgramArgument arg = ParseProgramArgument("\"C:\\Cal\\My Year.kal\"", kCurDir);
    EXPECT_FALSE(arg.m_bUninstall);
    EXPECT_TRUE(arg.m_strEventFile.IsEmpty());
    EXPECT_TRUE(ParseProgramArgument("", kCurDir).m_strEventFile.IsEmpty());
}

TEST(ProgramArgument, UninstallInAnyCaseAnywhereAfterTheSlash) {
    EXPECT_TRUE(ParseProgramArgument("/UNINST", kCurDir).m_bUninstall);
    EXPECT_TRUE(ParseProgramArgument("/uninstall", kCurDir).m_bUninstall);
    EXPECT_TRUE(ParseProgramArgument("/please UnInStAlL now", kCurDir).m_bUninstall);
    EXPECT_TRUE(ParseProgramArgument("x.kal /\"Uninst.evn\"", kCurDir).m_bUninstall);
    EXPECT_FALSE(ParseProgramArgument("/unins", kCurDir).m_bUninstall);
    // "uninst" before the slash is a file name, not the switch.
    EXPECT_FALSE(ParseProgramArgument("uninst.kal /x.evn", kCurDir).m_bUninstall);
}

TEST(ProgramArgument, QuotedNameIsUnquotedAndMadeAbsolute) {
    CProgramArgument arg = ParseProgramArgument("/\"My Events.evn\"", kCurDir);
    EXPECT_EQ(CString("C:\\Cal\\My Events.evn"), arg.m_strEventFile);
    // Only an opening quote: nothing at the end to drop.
    arg = ParseProgramArgument("/\"My Events.evn", kCurDir);
    EXPECT_EQ(CString("C:\\Cal\\My Events.evn"), arg.m_strEventFile);
}

TEST(ProgramArgument, DriveAbsolutePathIsKeptWithItsCase) {
    CProgramArgument arg = ParseProgramArgument("/D:\\Cal\\x.EVN", kCurDir);
    EXPECT_EQ(CString("D:\\Cal\\x.EVN"), arg.m_strEventFile);
}

TEST(ProgramArgument, NetworkPathCountsAsRelative) {
    CProgramArgument arg = ParseProgramArgument("/\\\\server\\share\\list.evn", kCurDir);
    EXPECT_EQ(CString("C:\\Cal\\\\\\server\\share\\list.evn"), arg.m_strEventFile);
}

TEST(ProgramArgument, OtherExtensionsAreIgnored) {
    EXPECT_TRUE(ParseProgramArgument("/notes.txt", kCurDir).m_strEventFile.IsEmpty());
    EXPECT_TRUE(ParseProgramArgument("/p", kCurDir).m_strEventFile.IsEmpty());
    EXPECT_TRUE(ParseProgramArgument("/evn", kCurDir).m_strEventFile.IsEmpty());
    EXPECT_TRUE(ParseProgramArgument("/", kCurDir).m_strEventFile.IsEmpty());
}

TEST(ProgramArgument, OnlyTheFirstSlashCounts) {
    CProgramArgument arg = ParseProgramArgument("/p /list.evn", kCurDir);
    EXPECT_EQ(CString("C:\\Cal\\p /list.evn"), arg.m_strEventFile);
}

TEST(ProgramArgument, ProgramNameIsSkipped) {
    EXPECT_STREQ("/x.evn", SkipProgramName("\"C:\\Program Files\\Almanark.exe\"  /x.evn"));
    EXPECT_STREQ("a.kal", SkipProgramName("Almanark.exe a.kal"));
    EXPECT_STREQ("", SkipProgramName("Almanark.exe"));
    EXPECT_STREQ("", SkipProgramName("\"unterminated"));
    EXPECT_STREQ("", SkipProgramName(nullptr));
}
} // namespace
