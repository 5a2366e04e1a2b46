// The entries of one event file as the Events page lists them: lines of date
// text, tab, caption. In the file each entry is a value "date text;caption".
#pragma once
#include "framework/String.h"

#include <functional>
#include <vector>

class CEventList {
public:
    static const int MAX_ENTRIES = 500;
    static const int MAX_VALUE_LENGTH = 259;

    int GetCount() const { return (int)m_astrLines.size(); }
    bool IsEmpty() const { return m_astrLines.empty(); }
    const CString& GetLine(int nIndex) const { return m_astrLines.at(nIndex); }
    const std::vector<CString>& GetLines() const { return m_astrLines; }
    void AddLine(const CString& strLine) { m_astrLines.push_back(strLine); }
    void RemoveLine(int nIndex);
    void RemoveAll() { m_astrLines.clear(); }
    // Index of the line equal to strLine without regard to case, or -1.
    int FindLineNoCase(const CString& strLine) const;

    // The reader's answer for a missing key; it ends the list.
    static constexpr char kEnd[] = "END";
    // Replaces the lines by the values of keys 0, 1, ... as fnFetch returns
    // them, up to the first kEnd, then sorts them.
    void Read(const std::function<CString(int nKey)>& fnFetch);
    // Passes every line, as key and value, in list order.
    void Write(const std::function<void(int nKey, const CString& strValue)>& fnStore) const;

    // Calendar order: lines of no month stay on top, then Jan .. Apr, EASTER,
    // the days counted from Easter, May .. Dec, each group ascending without
    // regard to case (annual dates with their year since among the annual
    // dates of their day).
    void Sort();
    // Every line followed by CR LF: the form the day boxes are evaluated from.
    CString BuildEventText() const;

    static CString PadOneDigitDay(CString strValue);
    static CString LineFromValue(CString strValue);
    // The line the list shows for a value of the file: cut as a value buffer
    // of the profile reader takes it in, its day padded, its separator a tab.
    static CString ShownLine(const CString& strValue);
    static CString ValueFromLine(const CString& strLine);
    // The "Events" section for one section write, each line ended by a NUL:
    // key i = values[i], then every line of strOld (the section as read, NUL-
    // separated) whose key is none of those nor one of the nOldEntries entries
    // the values replace, in its order. False when strOld holds a line
    // without "=", which a section write would drop.
    static bool MergeSectionLines(const std::vector<CString>& values, const std::string& strOld,
                                  std::string& strLines, size_t nOldEntries = 0);
    // True when strLine stands as a whole line of an event text.
    static bool EventTextHasLine(const CString& strEventText, const CString& strLine);

private:
    std::vector<CString> m_astrLines;
};
