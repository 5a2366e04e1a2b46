#include <gtest/gtest.h>

#include "common/TempDir.h"

#include <filesystem>
#include <string>

#include "framework/File.h"
#include "framework/MemFile.h"

namespace {
class TempDir : public CTestTempDir {
public:
    TempDir() : CTestTempDir("almanark-file-") {}
};

template <typename F> CFileException::Cause FileFailure(F fn) {
    try {
        fn();
    } catch (const CFileException& e) {
        return e.m_cause;
    }
    return CFileException::none;
}

std::string ReadAll(CFile& file) {
    file.SeekToBegin();
    std::string s((size_t)file.GetLength(), '\0');
    EXPECT_EQ(s.size(), file.Read(&s[0], (unsigned)s.size()));
    return s;
}
} // namespace

TEST(FileTest, OpenFailureNamesCauseAndFile) {
    TempDir dir;
    std::string missing = dir.File("missing.kal");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(CString(missing.c_str()), error.m_strFileName);
    EXPECT_NE(0, error.m_lOsError);

    std::string inMissingDir = dir.File("no-such-dir/x.kal");
    EXPECT_FALSE(file.Open(inMissingDir.c_str(), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);

    EXPECT_FALSE(file.Open(dir.Path().c_str(), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(CFileException::accessDenied, error.m_cause);

    EXPECT_FALSE(file.Open("", CFile::modeRead, &error));
    EXPECT_NE(CFileException::none, error.m_cause);
}

TEST(FileTest, CreateTruncatesUnlessToldNotTo) {
    TempDir dir;
    std::string path = dir.File("a.bin");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    file.Write("hello world", 11);
    file.Close();
    EXPECT_FALSE(file.IsOpen());

    ASSERT_TRUE(
        file.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite));
    EXPECT_EQ(11u, file.GetLength());
    file.Seek(0, CFile::end);
    file.Write("!", 1);
    EXPECT_EQ("hello world!", ReadAll(file));
    file.Close();

    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeWrite));
    file.Write("J", 1);
    file.Close();
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    EXPECT_EQ("Jello world!", ReadAll(file));
    file.Close();

    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    EXPECT_EQ(0u, file.GetLength());
}

TEST(FileTest, ReadsAndWritesAlternateWithoutExplicitSeeks) {
    TempDir dir;
    std::string path = dir.File("rw.bin");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    file.Write("abcdef", 6);
    EXPECT_EQ(6u, file.GetPosition());
    EXPECT_EQ(6u, file.GetLength());
    EXPECT_EQ(6u, file.GetPosition());
    file.SeekToBegin();
    char buf[8] = {};
    EXPECT_EQ(3u, file.Read(buf, 3));
    EXPECT_STREQ("abc", buf);
    file.Write("XY", 2);
    EXPECT_EQ(1u, file.Read(buf, 8));
    EXPECT_EQ('f', buf[0]);
    EXPECT_EQ(0u, file.Read(buf, 8));
    EXPECT_EQ("abcXYf", ReadAll(file));
    EXPECT_EQ(2u, file.Seek(-4, CFile::end));
    EXPECT_EQ(4u, file.Seek(2, CFile::current));
}

TEST(FileTest, MisuseThrowsInsteadOfCrashing) {
    TempDir dir;
    std::string path = dir.File("s.bin");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_EQ(CFileException::badSeek, FileFailure([&] { file.Seek(-1, CFile::begin); }));
    file.Close();
    char c;
    EXPECT_EQ(CFileException::invalidFile, FileFailure([&] { file.Read(&c, 1); }));
    EXPECT_EQ(CFileException::invalidFile, FileFailure([&] { file.Write("x", 1); }));
    EXPECT_EQ(CFileException::none, FileFailure([&] { file.Close(); }));

    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    EXPECT_NE(CFileException::none, FileFailure([&] { file.Write("x", 1); }));
}

TEST(FileTest, FullDiskIsReportedAtClose) {
#ifdef _WIN32
    GTEST_SKIP() << "no /dev/full";
#else
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    // A small write sits in the stream's buffer; only the close finds the disk full.
    CFile file;
    ASSERT_TRUE(file.Open("/dev/full", CFile::modeWrite));
    file.Write("calendar", 8);
    CFileException error;
    try {
        file.Close();
    } catch (const CFileException& e) {
        error = e;
    }
    EXPECT_EQ(CFileException::diskFull, error.m_cause);
    EXPECT_EQ(CString("/dev/full"), error.m_strFileName);
    EXPECT_FALSE(file.IsOpen());
#endif
}

TEST(FileTest, MemFileGrowsAndRefusesNegativePositions) {
    const char src[] = "abc";
    CMemFile file(src, 3);
    file.Seek(5, CFile::begin);
    char buf[8];
    EXPECT_EQ(0u, file.Read(buf, 8));
    file.Write("Z", 1);
    EXPECT_EQ(6u, file.GetLength());
    EXPECT_EQ(std::string("abc\0\0Z", 6), std::string(file.Data().begin(), file.Data().end()));
    EXPECT_STREQ("abc", src);
    EXPECT_EQ(CFileException::badSeek, FileFailure([&] { file.Seek(-7, CFile::end); }));
    EXPECT_EQ(6u, file.GetPosition());
    EXPECT_EQ(1u, file.Seek(-5, CFile::current));
    EXPECT_EQ(2u, file.Read(buf, 2));
    EXPECT_EQ(0, memcmp(buf, "bc", 2));

    CMemFile empty(nullptr, 0);
    EXPECT_EQ(0u, empty.GetLength());
    EXPECT_EQ(0u, empty.Read(buf, 1));
}
