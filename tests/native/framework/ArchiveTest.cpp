#include <gtest/gtest.h>

#include "common/SampleFont.h"
#include "common/TempDir.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/Archive.h"
#include "framework/MemFile.h"

namespace {
typedef std::vector<unsigned char> Bytes;

Bytes Store(const std::function<void(CArchive&)>& fnWrite) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    fnWrite(ar);
    ar.Close();
    return file.Data();
}

CString StringOf(int nLength) {
    std::string s;
    for (int i = 0; i < nLength; ++i)
        s += (char)('a' + i % 26);
    return CString(s);
}

// A mix of every kind of value with strings of all three prefix lengths.
void WriteSample(CArchive& ar) {
    ar.WriteInt(-2);
    ar.WriteShort(0x1234);
    ar.WriteDouble(0.25);
    ar.WriteString("");
    ar.WriteString("note\r\n\xE9t\xE9");
    ar.WriteString(StringOf(300));
    ar.WriteFont(SampleFont());
    ar.WriteByte(0xAB);
    ar.WriteString(StringOf(65534));
    ar.WriteInt(0x7FFFFFFF);
}

void ReadSample(CArchive& ar) {
    EXPECT_EQ(-2, ar.ReadInt());
    EXPECT_EQ(0x1234, ar.ReadShort());
    EXPECT_EQ(0.25, ar.ReadDouble());
    EXPECT_EQ(CString(""), ar.ReadString());
    EXPECT_EQ(CString("note\r\n\xE9t\xE9"), ar.ReadString());
    EXPECT_EQ(StringOf(300), ar.ReadString());
    LOGFONT lf;
    memset(&lf, 0, sizeof(lf));
    strcpy(lf.lfFaceName, "Keep");
    ar.ReadFont(lf);
    EXPECT_TRUE(SameFontRecord(SampleFont(), lf));
    EXPECT_STREQ("Keep", lf.lfFaceName);
    EXPECT_EQ(0xAB, ar.ReadByte());
    EXPECT_EQ(StringOf(65534), ar.ReadString());
    EXPECT_EQ(0x7FFFFFFF, ar.ReadInt());
}

template <typename F> CArchiveException::Cause ArchiveFailure(F fn) {
    try {
        fn();
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

CArchiveException::Cause ReadStringFrom(const Bytes& data) {
    CMemFile file(data.data(), data.size());
    CArchive ar(&file, CArchive::load);
    return ArchiveFailure([&] { ar.ReadString(); });
}

class TempDir : public CTestTempDir {
public:
    TempDir() : CTestTempDir("almanark-archive-") {}
};
} // namespace

TEST(ArchiveTest, NumbersAreLittleEndianWithoutPadding) {
    Bytes data = Store([](CArchive& ar) {
        ar.WriteInt(0x12345678);
        ar.WriteShort(-2);
        ar.WriteByte(0x7F);
        ar.WriteDouble(-1.5);
        ar.WriteInt(-1);
    });
    Bytes expected = {0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0x7F, 0,    0,   0,
                      0,    0,    0,    0xF8, 0xBF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(expected, data);
}

TEST(ArchiveTest, FontRecordIsTwentyEightBytesWithoutFaceName) {
    Bytes data = Store([](CArchive& ar) { ar.WriteFont(SampleFont()); });
    Bytes expected = {0xF3, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0, 4, 3,    2, 1, 0xFF, 0xFF,
                      0xFF, 0xFF, 0xBC, 0x02, 0, 0, 1, 2, 3, 0xEE, 5, 6, 7,    0x22};
    EXPECT_EQ(expected, data);
}

TEST(ArchiveTest, StringPrefixGrowsAtItsBoundaries) {
    struct {
        int nLength;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {256, {0xFF, 0x00, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nLength);
        CString s = StringOf(c.nLength);
        Bytes data = Store([&](CArchive& ar) { ar.WriteString(s); });
        ASSERT_EQ(c.prefix.size() + c.nLength, data.size());
        EXPECT_EQ(c.prefix, Bytes(data.begin(), data.begin() + c.prefix.size()));
        EXPECT_EQ(0, memcmp(s.c_str(), data.data() + c.prefix.size(), c.nLength));

        CMemFile file(data.data(), data.size());
        CArchive ar(&file, CArchive::load);
        EXPECT_EQ(s, ar.ReadString());
    }
}

TEST(ArchiveTest, StringsKeepEveryEightBitCharacter) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += (char)c;
    Bytes data = Store([&](CArchive& ar) { ar.WriteString(CString(all)); });
    CMemFile file(data.data(), data.size());
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(all, ar.ReadString().str());
}

TEST(ArchiveTest, SampleRoundTripsThroughMemory) {
    Bytes data = Store(WriteSample);
    CMemFile file(data.data(), data.size());
    CArchive ar(&file, CArchive::load);
    ReadSample(ar);
    EXPECT_EQ(CArchiveException::endOfFile, ArchiveFailure([&] { ar.ReadByte(); }));
}

TEST(ArchiveTest, SampleRoundTripsThroughDiskFile) {
    TempDir dir;
    std::string path = dir.File("sample.kal");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store);
        WriteSample(ar);
        ar.Close();
        file.Close();
    }
    EXPECT_EQ(Store(WriteSample).size(), std::filesystem::file_size(path));
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    CArchive ar(&file, CArchive::load);
    ReadSample(ar);
    EXPECT_EQ(CArchiveException::endOfFile, ArchiveFailure([&] { ar.ReadInt(); }));
}

TEST(ArchiveTest, SixteenBitStringsAreNarrowedOnReading) {
    // "A", e-acute, a Cyrillic letter and a zero character.
    Bytes data = {0xFF, 0xFE, 0xFF, 0x04, 'A', 0, 0xE9, 0, 0x3A, 0x04, 0, 0, 'x'};
    CMemFile file(data.data(), data.size());
    CArchive ar(&file, CArchive::load);
    CString s = ar.ReadString();
    ASSERT_EQ(4, s.GetLength());
    EXPECT_EQ(std::string("A\xE9?\0", 4), s.str());
    EXPECT_EQ('x', (char)ar.ReadByte());

    // The second prefix can itself be long.
    Bytes wide = {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i) {
        wide.push_back('a' + i % 26);
        wide.push_back(0);
    }
    CMemFile wideFile(wide.data(), wide.size());
    CArchive wideAr(&wideFile, CArchive::load);
    EXPECT_EQ(StringOf(300), wideAr.ReadString());
}

TEST(ArchiveTest, TruncationAtAnyOffsetIsEndOfFile) {
    // Every offset through the short values and the long string's prefix,
    // then samples through the long string's body, then every offset at the end.
    Bytes data = Store(WriteSample);
    for (size_t nCut = 0; nCut < data.size();
         nCut += (nCut < 400 || nCut + 400 > data.size()) ? 1 : 97) {
        CMemFile file(data.data(), nCut);
        CArchive ar(&file, CArchive::load);
        ASSERT_EQ(CArchiveException::endOfFile, ArchiveFailure([&] { ReadSample(ar); }))
            << "cut at " << nCut;
    }
}

TEST(ArchiveTest, LyingLengthPrefixIsEndOfFileBeforeAllocating) {
    const Bytes lies[] = {
        {0x05, 'a', 'b'},
        {0xFF, 0x00, 0x01, 'a'},
        {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 'a', 'b'},
        {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'a', 'b'},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        // 16-bit characters: twice the count must not wrap around in 32 bits.
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 'a', 0},
        {0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b'},
        // Prefixes cut short.
        {0xFF},
        {0xFF, 0xFF},
        {0xFF, 0xFF, 0xFF, 0x01, 0x00},
        {0xFF, 0xFE, 0xFF},
    };
    for (const Bytes& data : lies) {
        SCOPED_TRACE(testing::PrintToString(data));
        EXPECT_EQ(CArchiveException::endOfFile, ReadStringFrom(data));
    }
}

TEST(ArchiveTest, LengthCheckCountsWhatIsStillBuffered) {
    // The string's bytes are all in the archive's buffer already, none left
    // in the file; it must still be read.
    Bytes data = Store([](CArchive& ar) {
        ar.WriteInt(1);
        ar.WriteString(StringOf(100));
    });
    CMemFile file(data.data(), data.size());
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(1, ar.ReadInt());
    EXPECT_EQ(StringOf(100), ar.ReadString());
}

namespace {
// The archive, then the file directly, then the archive again: what the
// embedded picture does inside a document.
void CheckFlushInterleaving(CFile& fileOut, const std::function<CFile&()>& fnReopen) {
    const char raw[] = "RAW BYTES";
    CArchive out(&fileOut, CArchive::store);
    out.WriteInt(7);
    out.WriteString("before");
    out.Flush();
    out.GetFile()->Write(raw, sizeof(raw));
    out.WriteDouble(3.5);
    out.WriteString("after");
    out.Close();

    CFile& fileIn = fnReopen();
    EXPECT_EQ(4u + 7 + sizeof(raw) + 8 + 6, fileIn.GetLength());
    CArchive in(&fileIn, CArchive::load);
    EXPECT_EQ(7, in.ReadInt());
    EXPECT_EQ(CString("before"), in.ReadString());
    in.Flush();
    EXPECT_EQ(11u, in.GetFile()->GetPosition());
    char got[sizeof(raw)] = {};
    EXPECT_EQ(sizeof(raw), in.GetFile()->Read(got, sizeof(raw)));
    EXPECT_STREQ(raw, got);
    EXPECT_EQ(3.5, in.ReadDouble());
    EXPECT_EQ(CString("after"), in.ReadString());
    EXPECT_EQ(CArchiveException::endOfFile, ArchiveFailure([&] { in.ReadByte(); }));
}
} // namespace

TEST(ArchiveTest, FlushHandsTheLogicalPositionToTheFile) {
    {
        SCOPED_TRACE("memory");
        CMemFile mem;
        CheckFlushInterleaving(mem, [&]() -> CFile& {
            mem.SeekToBegin();
            return mem;
        });
    }
    {
        SCOPED_TRACE("disk");
        TempDir dir;
        std::string path = dir.File("flush.kal");
        CFile out, in;
        ASSERT_TRUE(out.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        CheckFlushInterleaving(out, [&]() -> CFile& {
            out.Close();
            EXPECT_TRUE(in.Open(path.c_str(), CFile::modeRead));
            return in;
        });
    }
}

TEST(ArchiveTest, ValuesStraddleTheBufferBoundary) {
    for (int nPad = 4080; nPad <= 4096; ++nPad) {
        SCOPED_TRACE(nPad);
        Bytes data = Store([&](CArchive& ar) {
            for (int i = 0; i < nPad; ++i)
                ar.WriteByte((uint8_t)i);
            ar.WriteInt(-123456789);
            ar.WriteDouble(6.02e23);
            ar.WriteFont(SampleFont());
            ar.WriteString(StringOf(9000));
            ar.WriteShort(-300);
        });
        ASSERT_EQ((size_t)nPad + 4 + 8 + 28 + 3 + 9000 + 2, data.size());
        CMemFile file(data.data(), data.size());
        CArchive ar(&file, CArchive::load);
        for (int i = 0; i < nPad; ++i)
            ASSERT_EQ((uint8_t)i, ar.ReadByte());
        EXPECT_EQ(-123456789, ar.ReadInt());
        EXPECT_EQ(6.02e23, ar.ReadDouble());
        LOGFONT lf;
        ar.ReadFont(lf);
        EXPECT_TRUE(SameFontRecord(SampleFont(), lf));
        EXPECT_EQ(StringOf(9000), ar.ReadString());
        EXPECT_EQ(-300, ar.ReadShort());
    }
}

TEST(ArchiveTest, WrongDirectionIsRefused) {
    CMemFile file;
    CArchive out(&file, CArchive::store);
    EXPECT_EQ(CArchiveException::writeOnly, ArchiveFailure([&] { out.ReadInt(); }));
    CArchive in(&file, CArchive::load);
    EXPECT_EQ(CArchiveException::readOnly, ArchiveFailure([&] { in.WriteInt(1); }));
}

TEST(ArchiveTest, FullDiskReachesTheCaller) {
#ifdef _WIN32
    GTEST_SKIP() << "no /dev/full";
#else
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    CFile file;
    ASSERT_TRUE(file.Open("/dev/full", CFile::modeWrite));
    CFileException::Cause cause = CFileException::none;
    try {
        CArchive ar(&file, CArchive::store);
        for (int i = 0; i < 3000; ++i)
            ar.WriteInt(i);
        ar.Close();
        file.Close();
    } catch (const CFileException& e) {
        cause = e.m_cause;
    }
    EXPECT_EQ(CFileException::diskFull, cause);
#endif
}
