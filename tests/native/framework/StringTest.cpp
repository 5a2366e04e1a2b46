#include <gtest/gtest.h>

#include <cstring>

#include "framework/String.h"

TEST(StringTest, ExtractionClampsOutOfRangeArguments) {
    CString s("abcdef");
    EXPECT_EQ("cdef", s.Mid(2));
    EXPECT_EQ("cd", s.Mid(2, 2));
    EXPECT_EQ("abc", s.Mid(-1, 3));
    EXPECT_EQ("ef", s.Mid(4, 100));
    EXPECT_EQ("", s.Mid(6));
    EXPECT_EQ("", s.Mid(7, 1));
    EXPECT_EQ("", s.Mid(1, -1));
    EXPECT_EQ("def", s.Mid(3, 0x7FFFFFFF));
    EXPECT_EQ("ab", s.Left(2));
    EXPECT_EQ("", s.Left(-3));
    EXPECT_EQ("abcdef", s.Left(100));
    EXPECT_EQ("ef", s.Right(2));
    EXPECT_EQ("", s.Right(-1));
    EXPECT_EQ("abcdef", s.Right(100));
    EXPECT_EQ("", CString().Mid(0, 1));
}

TEST(StringTest, SearchesHonourStartAndBounds) {
    CString s("a.b.c");
    EXPECT_EQ(1, s.Find('.'));
    EXPECT_EQ(3, s.Find('.', 2));
    EXPECT_EQ(-1, s.Find('.', 4));
    EXPECT_EQ(-1, s.Find('.', 5));
    EXPECT_EQ(-1, s.Find('.', -1));
    EXPECT_EQ(2, s.Find("b.c"));
    EXPECT_EQ(-1, s.Find("b.c", 3));
    EXPECT_EQ(5, s.Find("", 5));
    EXPECT_EQ(-1, s.Find("c", 6));
    EXPECT_EQ(3, s.ReverseFind('.'));
    EXPECT_EQ(-1, s.ReverseFind('x'));
    CString high("\xE9t\xE9");
    EXPECT_EQ(2, high.ReverseFind('\xE9'));
    EXPECT_EQ(1, high.Find('t'));
}

TEST(StringTest, CaseInsensitiveCompareTreatsHighCharactersAsUnsigned) {
    EXPECT_EQ(0, CString("Easter").CompareNoCase("EASTER"));
    EXPECT_EQ(0, CString("Caf\xE9").CompareNoCase("CAF\xE9"));
    // Characters above 127 sort after every ASCII letter, as in a byte compare.
    EXPECT_GT(CString("\xE9").CompareNoCase("z"), 0);
    EXPECT_LT(CString("Z").CompareNoCase("\xC9"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABCD"), 0);
    EXPECT_GT(CString("abcd").CompareNoCase("ABC"), 0);
    EXPECT_LT(CString("a").Compare("b"), 0);
    EXPECT_GT(CString("\x80").Compare("\x7F"), 0);
}

TEST(StringTest, TrimRemovesOnlyTheEnds) {
    CString s(" \t\r\n note  text \r\n");
    s.Trim();
    EXPECT_EQ("note  text", s);
    CString nbsp("\xA0x\xA0");
    nbsp.Trim();
    EXPECT_EQ("\xA0x\xA0", nbsp);
    CString blank("   ");
    blank.Trim();
    EXPECT_TRUE(blank.IsEmpty());
    CString t("xxabcxx");
    t.TrimLeft("x");
    EXPECT_EQ("abcxx", t);
    t.TrimRight("xc");
    EXPECT_EQ("ab", t);
    t.TrimRight("");
    EXPECT_EQ("ab", t);
    t.TrimLeft("ab");
    EXPECT_EQ("", t);
}

TEST(StringTest, InsertAndDeleteClampTheirPositions) {
    CString s("bd");
    EXPECT_EQ(3, s.Insert(-5, 'a'));
    EXPECT_EQ(4, s.Insert(2, 'c'));
    EXPECT_EQ(5, s.Insert(99, "e"));
    EXPECT_EQ("abcde", s);
    EXPECT_EQ(5, s.Insert(1, ""));
    EXPECT_EQ(3, s.Delete(1, 2));
    EXPECT_EQ("ade", s);
    EXPECT_EQ(3, s.Delete(3, 5));
    EXPECT_EQ(3, s.Delete(1, 0));
    EXPECT_EQ(3, s.Delete(1, -2));
    EXPECT_EQ(1, s.Delete(1, 0x7FFFFFFF));
    EXPECT_EQ("a", s);
    EXPECT_EQ(0, s.Delete(-1));
    EXPECT_EQ("", s);
}

TEST(StringTest, ReplaceHandlesOverlapsGrowthAndEmptyArguments) {
    CString s("aaaa");
    EXPECT_EQ(2, s.Replace("aa", "a"));
    EXPECT_EQ("aa", s);
    CString grow("a-a");
    EXPECT_EQ(2, grow.Replace("a", "aa"));
    EXPECT_EQ("aa-aa", grow);
    CString odd("aaa");
    EXPECT_EQ(1, odd.Replace("aa", "b"));
    EXPECT_EQ("ba", odd);
    CString cut("\r\nx\r\n");
    EXPECT_EQ(2, cut.Replace("\r\n", ""));
    EXPECT_EQ("x", cut);
    EXPECT_EQ(0, cut.Replace("", "y"));
    EXPECT_EQ("x", cut);
    EXPECT_EQ(1, cut.Replace("x", nullptr));
    EXPECT_EQ("", cut);
    CString chars("a.b.c");
    EXPECT_EQ(2, chars.Replace('.', '\t'));
    EXPECT_EQ("a\tb\tc", chars);
    EXPECT_EQ(2, chars.Remove('\t'));
    EXPECT_EQ("abc", chars);
}

TEST(StringTest, FormatSizesItsOutput) {
    CString s;
    s.Format("%s %d %02d %c %.2f", "Nov-Thu", -4, 7, 'L', 2.5);
    EXPECT_EQ("Nov-Thu -4 07 L 2.50", s);
    CString big(std::string(5000, 'x'));
    s.Format("[%s]", big.c_str());
    EXPECT_EQ(5002, s.GetLength());
    // Formatting from its own text is safe.
    s = "abc";
    s.Format("%s%s", s.c_str(), s.c_str());
    EXPECT_EQ("abcabc", s);
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ("-2147483648", CString::FromInt(-2147483647 - 1));
}

TEST(StringTest, BufferAccessTakesTextUpToTheTerminator) {
    CString s("old");
    char* p = s.GetBuffer(10);
    strcpy(p, "fresh text");
    s.ReleaseBuffer();
    EXPECT_EQ("fresh text", s);

    p = s.GetBuffer(3);
    strcpy(p, "ab");
    s.ReleaseBuffer();
    EXPECT_EQ("ab", s);

    p = s.GetBuffer(8);
    memcpy(p, "12345678", 8);
    s.ReleaseBuffer(5);
    EXPECT_EQ("12345", s);

    CString empty;
    p = empty.GetBuffer(0);
    ASSERT_NE(nullptr, p);
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());

    EXPECT_EQ("", CString(nullptr, 4));
    EXPECT_EQ("ab", CString("abc", 2));
    EXPECT_EQ("", CString("abc", -1));
    EXPECT_EQ("---", CString('-', 3));
}
