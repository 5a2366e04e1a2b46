#include "framework/Edit.h"

#include <vector>

void CEdit::GetSel(int& nStart, int& nEnd) const {
    DWORD dwStart = 0, dwEnd = 0;
    SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    nStart = (int)dwStart;
    nEnd = (int)dwEnd;
}

void CEdit::SetSel(int nStart, int nEnd, bool bNoScroll) {
    SendMessage(EM_SETSEL, nStart, nEnd);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

CString CEdit::GetLine(int nLine) const {
    int nIndex = LineIndex(nLine);
    if (nIndex < 0)
        return CString();
    int nLength = LineLength(nIndex);
    // EM_GETLINE takes the buffer size in its first WORD and needs room for it.
    std::vector<char> buf((nLength < 2 ? 2 : nLength) + 1, 0);
    *reinterpret_cast<WORD*>(buf.data()) = (WORD)(buf.size() - 1);
    int nCopied = (int)SendMessage(EM_GETLINE, nLine, (LPARAM)buf.data());
    return CString(buf.data(), nCopied < nLength ? nCopied : nLength);
}

CRect CEdit::GetRect() const {
    CRect rc;
    SendMessage(EM_GETRECT, 0, (LPARAM)&rc);
    return rc;
}
