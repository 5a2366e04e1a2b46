#include "framework/String.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
// Character tests on unsigned values: 8-bit characters above 127 are legal.
char Lower(char c) {
    return (char)tolower((unsigned char)c);
}
bool IsSpace(char c) {
    return isspace((unsigned char)c) != 0;
}
} // namespace

CString& CString::operator=(const char* psz) {
    m_s = psz ? psz : "";
    return *this;
}

CString& CString::operator+=(const CString& s) {
    m_s += s.m_s;
    return *this;
}

CString& CString::operator+=(const char* psz) {
    if (psz)
        m_s += psz;
    return *this;
}

CString& CString::operator+=(char ch) {
    m_s += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    return CString(a.m_s + b.m_s);
}
CString operator+(const CString& a, const char* b) {
    return CString(a.m_s + (b ? b : ""));
}
CString operator+(const char* a, const CString& b) {
    return CString((a ? a : "") + b.m_s);
}
CString operator+(const CString& a, char ch) {
    return CString(a.m_s + ch);
}

int CString::Compare(const char* psz) const {
    return strcmp(m_s.c_str(), psz ? psz : "");
}

int CString::CompareNoCase(const char* psz) const {
    const unsigned char* a = (const unsigned char*)m_s.c_str();
    const unsigned char* b = (const unsigned char*)(psz ? psz : "");
    for (;; ++a, ++b) {
        int ca = tolower(*a), cb = tolower(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const {
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0 || nFirst >= GetLength())
        return CString();
    return CString(m_s.substr(nFirst, nCount));
}

CString CString::Left(int nCount) const {
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const {
    if (nCount <= 0)
        return CString();
    if (nCount >= GetLength())
        return *this;
    return CString(m_s.substr(m_s.size() - nCount));
}

int CString::Find(char ch, int nStart) const {
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t pos = m_s.find(ch, nStart);
    return pos == std::string::npos ? -1 : (int)pos;
}

int CString::Find(const char* pszSub, int nStart) const {
    if (nStart < 0 || nStart > GetLength() || !pszSub)
        return -1;
    size_t pos = m_s.find(pszSub, nStart);
    return pos == std::string::npos ? -1 : (int)pos;
}

int CString::ReverseFind(char ch) const {
    size_t pos = m_s.rfind(ch);
    return pos == std::string::npos ? -1 : (int)pos;
}

CString& CString::MakeLower() {
    for (char& c : m_s)
        c = Lower(c);
    return *this;
}

CString& CString::TrimLeft() {
    size_t n = 0;
    while (n < m_s.size() && IsSpace(m_s[n]))
        ++n;
    m_s.erase(0, n);
    return *this;
}

CString& CString::TrimRight() {
    size_t n = m_s.size();
    while (n > 0 && IsSpace(m_s[n - 1]))
        --n;
    m_s.erase(n);
    return *this;
}

CString& CString::TrimLeft(const char* pszTargets) {
    size_t n = m_s.find_first_not_of(pszTargets ? pszTargets : "");
    m_s.erase(0, n == std::string::npos ? m_s.size() : n);
    return *this;
}

CString& CString::TrimRight(const char* pszTargets) {
    size_t n = m_s.find_last_not_of(pszTargets ? pszTargets : "");
    m_s.erase(n == std::string::npos ? 0 : n + 1);
    return *this;
}

int CString::Insert(int nIndex, char ch) {
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    m_s.insert(m_s.begin() + nIndex, ch);
    return GetLength();
}

int CString::Insert(int nIndex, const char* psz) {
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    m_s.insert(nIndex, psz ? psz : "");
    return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < GetLength())
        m_s.erase(nIndex, nCount);
    return GetLength();
}

int CString::Replace(char chOld, char chNew) {
    int n = 0;
    for (char& c : m_s)
        if (c == chOld) {
            c = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(const char* pszOld, const char* pszNew) {
    if (!pszOld || !*pszOld)
        return 0;
    std::string from(pszOld), to(pszNew ? pszNew : "");
    int n = 0;
    for (size_t pos = 0; (pos = m_s.find(from, pos)) != std::string::npos; pos += to.size()) {
        m_s.replace(pos, from.size(), to);
        ++n;
    }
    return n;
}

int CString::Remove(char ch) {
    size_t before = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
    return (int)(before - m_s.size());
}

void CString::Format(const char* pszFormat, ...) {
    va_list args, copy;
    va_start(args, pszFormat);
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (n < 0) {
        m_s.clear();
    } else {
        std::vector<char> buf(n + 1);
        vsnprintf(buf.data(), buf.size(), pszFormat, args);
        m_s.assign(buf.data(), n);
    }
    va_end(args);
}

CString CString::FromInt(int n) {
    CString s;
    s.Format("%d", n);
    return s;
}

char* CString::GetBuffer(int nMinLength) {
    if (nMinLength > GetLength())
        m_s.resize(nMinLength);
    return &m_s[0];
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0)
        nNewLength = (int)strnlen(m_s.c_str(), m_s.size());
    if (nNewLength < GetLength())
        m_s.resize(nNewLength);
}
