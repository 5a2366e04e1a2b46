#include <gtest/gtest.h>

#include <cstring>

#include "app/HelpTopics.h"

namespace {
CHelpTopics Parse(const char* pszText) {
    CHelpTopics topics;
    topics.Parse(pszText, strlen(pszText));
    return topics;
}

TEST(HelpTopics, TextOfOneTopic) {
    struct Case {
        const char* pszSource;
        const char* pszText;
    };
    const Case cases[] = {
        // Lines of a paragraph join; an empty line ends the paragraph.
        {"one\n  two\n\nthree\n", "one two\r\n\r\nthree"},
        // Several empty lines make one paragraph break; the ends are trimmed.
        {"\n\none\n\n\n\ntwo\n\n\n", "one\r\n\r\ntwo"},
        // List items start lines of their own.
        {"Keys:\n- F1: help\n- Esc: end\nmore of Esc\n",
         "Keys:\r\n- F1: help\r\n- Esc: end more of Esc"},
        // Windows line breaks and trailing blanks do not reach the text.
        {"one  \r\ntwo\r\n\r\n- item\r\n", "one two\r\n\r\n- item"},
        // A "- " inside a line is no list item.
        {"dates - such as\n- a\n", "dates - such as\r\n- a"},
        {"", ""},
    };
    for (const Case& c : cases) {
        CHelpTopics topics = Parse((CString("=== 7 Title\n") + c.pszSource).c_str());
        ASSERT_EQ(1, topics.GetCount()) << c.pszSource;
        EXPECT_EQ(CString(c.pszText), topics.GetAt(0).m_strText) << c.pszSource;
    }
}

TEST(HelpTopics, TopicLinesGiveContextAndTitleInOrder) {
    CHelpTopics topics = Parse("before any topic\n"
                               "=== 130 The Calendar page \r\n"
                               "a\n"
                               "=== x not a topic\n"
                               "=== -4 nor this\n"
                               "==== nor this\n"
                               "=== 1 Getting started\n"
                               "b");
    ASSERT_EQ(2, topics.GetCount());
    EXPECT_EQ(130u, topics.GetAt(0).m_nContext);
    EXPECT_EQ(CString("The Calendar page"), topics.GetAt(0).m_strTitle);
    EXPECT_EQ(CString("a === x not a topic === -4 nor this ==== nor this"),
              topics.GetAt(0).m_strText);
    EXPECT_EQ(CString("Getting started"), topics.GetAt(1).m_strTitle);
    EXPECT_EQ(CString("b"), topics.GetAt(1).m_strText);
    EXPECT_EQ(1, topics.FindContext(1));
    EXPECT_EQ(0, topics.FindContext(130));
    EXPECT_EQ(-1, topics.FindContext(135));
}

TEST(HelpTopics, TextIsReadOnlyWithinItsLength) {
    // The resource's bytes are not terminated: nothing past cbText is read.
    const char source[] = "=== 2 T\nkept\ncut off";
    CHelpTopics topics;
    topics.Parse(source, strlen("=== 2 T\nkept\ncut"));
    ASSERT_EQ(1, topics.GetCount());
    EXPECT_EQ(CString("kept cut"), topics.GetAt(0).m_strText);
    topics.Parse(nullptr, 0);
    EXPECT_EQ(0, topics.GetCount());
}
} // namespace
