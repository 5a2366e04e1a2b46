#include "framework/DialogTemplate.h"

CDialogTemplate::CDialogTemplate(DWORD dwStyle, short cx, short cy, const char* pszTitle) {
    AddDword(dwStyle | DS_SETFONT);
    AddDword(0);          // extended style
    m_words.push_back(0); // number of items, counted by AddControl
    for (short n : {short(0), short(0), cx, cy})
        m_words.push_back((WORD)n);
    m_words.push_back(0); // no menu
    m_words.push_back(0); // standard class
    AddString(pszTitle);
    m_words.push_back(8);
    AddString("MS Shell Dlg");
}

void CDialogTemplate::AddDword(DWORD dw) {
    m_words.push_back(LOWORD(dw));
    m_words.push_back(HIWORD(dw));
}

void CDialogTemplate::AddString(const char* psz) {
    for (; *psz; ++psz)
        m_words.push_back((WORD)(unsigned char)*psz);
    m_words.push_back(0);
}

void CDialogTemplate::Align() {
    if (m_words.size() % 2)
        m_words.push_back(0);
}

void CDialogTemplate::Begin(DWORD dwStyle, short x, short y, short cx, short cy) {
    Align();
    AddDword(dwStyle | WS_CHILD | WS_VISIBLE);
    AddDword(0);
    for (short n : {x, y, cx, cy})
        m_words.push_back((WORD)n);
    ++m_words[4];
}

void CDialogTemplate::AddControl(WORD wClassAtom, const char* pszText, WORD nID, DWORD dwStyle,
                                 short x, short y, short cx, short cy) {
    Begin(dwStyle, x, y, cx, cy);
    m_words.push_back(nID);
    m_words.push_back(0xFFFF);
    m_words.push_back(wClassAtom);
    AddString(pszText);
    m_words.push_back(0); // no creation data
}

void CDialogTemplate::AddControl(const char* pszClass, const char* pszText, WORD nID, DWORD dwStyle,
                                 short x, short y, short cx, short cy) {
    Begin(dwStyle, x, y, cx, cy);
    m_words.push_back(nID);
    AddString(pszClass);
    AddString(pszText);
    m_words.push_back(0);
}
