#include "app/HelpTopics.h"

#include <cstdlib>
#include <string>

namespace {
const char kTopicMark[] = "=== ";

// Adds one source line to a topic's text: paragraph lines are joined, list
// items and the line after an empty one start anew.
void AddLine(std::string& text, bool& bInParagraph, const std::string& line) {
    std::string trimmed = line;
    trimmed.erase(0, trimmed.find_first_not_of(" \t"));
    trimmed.erase(trimmed.find_last_not_of(" \t\r") + 1);
    if (trimmed.empty()) {
        if (bInParagraph)
            text += "\r\n";
        bInParagraph = false;
        return;
    }
    if (bInParagraph && trimmed.compare(0, 2, "- ") != 0)
        text += ' ';
    else if (!text.empty())
        text += "\r\n";
    text += trimmed;
    bInParagraph = true;
}

// "=== 130 The Calendar page": the context and the title; false when the
// line is no topic line.
bool ParseTopicLine(const std::string& line, CHelpTopic& topic) {
    if (line.compare(0, sizeof kTopicMark - 1, kTopicMark) != 0)
        return false;
    const char* pNumber = line.c_str() + sizeof kTopicMark - 1;
    char* pEnd = nullptr;
    unsigned long nContext = strtoul(pNumber, &pEnd, 10);
    if (pEnd == pNumber || *pNumber == '-')
        return false;
    std::string title(pEnd);
    title.erase(0, title.find_first_not_of(' '));
    title.erase(title.find_last_not_of(" \r") + 1);
    topic.m_nContext = nContext;
    topic.m_strTitle = title;
    return true;
}
} // namespace

void CHelpTopics::Parse(const char* pText, size_t cbText) {
    m_topics.clear();
    std::string text;
    bool bInParagraph = false;
    auto finishTopic = [&] {
        if (m_topics.empty())
            return;
        text.erase(text.find_last_not_of("\r\n") + 1);
        m_topics.back().m_strText = text;
    };
    const char* p = pText;
    const char* pEnd = pText ? pText + cbText : pText;
    while (p < pEnd) {
        const char* pLineEnd = p;
        while (pLineEnd < pEnd && *pLineEnd != '\n' && *pLineEnd != '\0')
            ++pLineEnd;
        std::string line(p, pLineEnd);
        p = pLineEnd < pEnd ? pLineEnd + 1 : pEnd;
        CHelpTopic topic;
        if (ParseTopicLine(line, topic)) {
            finishTopic();
            m_topics.push_back(topic);
            text.clear();
            bInParagraph = false;
        } else if (!m_topics.empty()) {
            AddLine(text, bInParagraph, line);
        }
    }
    finishTopic();
}

int CHelpTopics::FindContext(unsigned long nContext) const {
    for (size_t i = 0; i < m_topics.size(); ++i)
        if (m_topics[i].m_nContext == nContext)
            return (int)i;
    return -1;
}
