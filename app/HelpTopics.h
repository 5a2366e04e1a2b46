// CHelpTopics: the help's topics, read from the help text of the resources.
// A line "=== <context> <title>" starts a topic. The context is the help id
// of what the topic explains: a page's or dialog's template id, or a number
// of the help's own. In a topic's text, the lines of a paragraph are joined
// into one (the window wraps them), a line starting with "- " starts a line
// of its own, and an empty line ends a paragraph.
#pragma once
#include <cstddef>
#include <vector>
#include "framework/String.h"

struct CHelpTopic {
    unsigned long m_nContext = 0;
    CString m_strTitle;
    CString m_strText; // lines end in carriage return and line feed
};

class CHelpTopics {
public:
    // Replaces the topics by those of the text; text before the first topic
    // line and topic lines without a number are ignored.
    void Parse(const char* pText, size_t cbText);
    int GetCount() const { return (int)m_topics.size(); }
    const CHelpTopic& GetAt(int nIndex) const { return m_topics.at(nIndex); }
    // The index of the topic of nContext, or -1.
    int FindContext(unsigned long nContext) const;

private:
    std::vector<CHelpTopic> m_topics;
};
