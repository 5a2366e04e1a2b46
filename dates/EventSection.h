// CEventSection: an event file's "Events" section as one profile call returns
// it (NUL-separated "key=value" lines), answering key lookups exactly as
// reading each key with its own profile call would: the first section and
// the first key of a name count, a key without "=" reads as missing, and a
// value in matching quotes loses them the way the profile reader drops them.
#pragma once
#include <string>
#include <vector>

#include "framework/String.h"

class CEventSection {
public:
    CEventSection() = default;
    // pchLines: the section's lines, each ended by a NUL, nLength characters in all.
    CEventSection(const char* pchLines, size_t nLength);
    explicit CEventSection(std::string strLines);

    // Key nKey ("0", "1", ...) as read into a buffer of nBufferSize
    // characters with pszDefault for a missing key.
    CString Value(int nKey, const char* pszDefault, size_t nBufferSize) const;
    // The whole value however long, as a read with a growing buffer gives it.
    CString WholeValue(int nKey, const char* pszDefault) const;
    // The whole values of keys 0, 1, ... up to the first that reads as
    // pszEnd: every entry of an event file, however many.
    std::vector<CString> WholeValues(const char* pszEnd) const;
    // Whether a key's name is one of "0", "1", ... (up to nine digits), and which.
    static bool ParseKey(const char* pch, size_t nLength, size_t& nKey);

private:
    // A key's value as a place in m_strLines; no value for a line without "=".
    struct Entry {
        size_t nKey;
        size_t nStart;
        size_t nLength;
        bool bHasValue;
    };
    void Index();
    const Entry* Find(int nKey) const;

    std::string m_strLines;
    // By key, the first line of each key only.
    std::vector<Entry> m_entries;
};
