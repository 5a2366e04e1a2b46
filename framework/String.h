// CString: an 8-bit character string with value semantics, the string type
// of the whole program. Indexes are character positions; -1 means not found.
#pragma once
#include <string>
#include <utility>

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_s(psz ? psz : "") {}
    CString(const char* pch, int nLength)
        : m_s(pch && nLength > 0 ? pch : "", pch && nLength > 0 ? nLength : 0) {}
    CString(char ch, int nRepeat = 1) : m_s(nRepeat > 0 ? nRepeat : 0, ch) {}
    CString(const std::string& s) : m_s(s) {}
    // Takes over a temporary's buffer: Mid, Left and "+" build their result
    // once instead of building it and then copying it.
    CString(std::string&& s) : m_s(std::move(s)) {}

    int GetLength() const { return (int)m_s.size(); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int nIndex) const { return m_s.at(nIndex); }
    char operator[](int nIndex) const { return m_s.at(nIndex); }
    void SetAt(int nIndex, char ch) { m_s.at(nIndex) = ch; }
    operator const char*() const { return m_s.c_str(); }
    const char* c_str() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    CString& operator=(const char* psz);
    CString& operator+=(const CString& s);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char ch);

    int Compare(const char* psz) const;
    int CompareNoCase(const char* psz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;

    CString& MakeLower();
    CString& TrimLeft();
    CString& TrimRight();
    CString& TrimLeft(const char* pszTargets);
    CString& TrimRight(const char* pszTargets);
    CString& Trim() { return TrimRight().TrimLeft(); }

    // Inserts before nIndex (clamped to the string); returns the new length.
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, const char* psz);
    // Deletes up to nCount characters from nIndex; returns the new length.
    int Delete(int nIndex, int nCount = 1);
    // Replaces every occurrence; returns how many were replaced.
    int Replace(char chOld, char chNew);
    int Replace(const char* pszOld, const char* pszNew);
    int Remove(char ch);

    void Format(const char* pszFormat, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    static CString FromInt(int n);

    // A writable buffer of at least nMinLength characters plus terminator;
    // ReleaseBuffer takes the text up to its first zero (or nNewLength).
    char* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::string m_s;
};

inline bool operator==(const CString& a, const CString& b) {
    return a.str() == b.str();
}
inline bool operator==(const CString& a, const char* b) {
    return a.Compare(b) == 0;
}
inline bool operator==(const char* a, const CString& b) {
    return b.Compare(a) == 0;
}
inline bool operator!=(const CString& a, const CString& b) {
    return !(a == b);
}
inline bool operator!=(const CString& a, const char* b) {
    return !(a == b);
}
inline bool operator!=(const char* a, const CString& b) {
    return !(b == a);
}
inline bool operator<(const CString& a, const CString& b) {
    return a.str() < b.str();
}

// The line break of notes, captions and the program's text files.
constexpr char kCrLf[] = "\r\n";
