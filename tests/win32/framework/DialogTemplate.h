// CDialogTemplate: a dialog template built in memory, so that the tests need
// no resource file.
#pragma once
#include <windows.h>
#include <vector>

class CDialogTemplate {
public:
    enum : WORD {
        button = 0x0080,
        edit = 0x0081,
        stat = 0x0082,
        listBox = 0x0083,
        comboBox = 0x0085
    };

    CDialogTemplate(DWORD dwStyle, short cx, short cy, const char* pszTitle = "");
    void AddControl(WORD wClassAtom, const char* pszText, WORD nID, DWORD dwStyle, short x, short y,
                    short cx, short cy);
    void AddControl(const char* pszClass, const char* pszText, WORD nID, DWORD dwStyle, short x,
                    short y, short cx, short cy);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }
    size_t Size() const { return m_words.size() * sizeof(WORD); }

private:
    void Begin(DWORD dwStyle, short x, short y, short cx, short cy);
    void AddString(const char* psz);
    void AddDword(DWORD dw);
    void Align();

    std::vector<WORD> m_words;
};
