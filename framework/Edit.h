// CEdit: an edit control, usually bound to a dialog's control.
#pragma once
#include "framework/Wnd.h"

class CEdit : public CWnd {
public:
    void LimitText(int nMax = 0) { SendMessage(EM_LIMITTEXT, (WPARAM)nMax); }
    int GetLimitText() const { return (int)SendMessage(EM_GETLIMITTEXT); }

    // Start and end of the selection, as character indexes.
    void GetSel(int& nStart, int& nEnd) const;
    void SetSel(int nStart, int nEnd, bool bNoScroll = false);
    void ReplaceSel(const char* pszText, bool bCanUndo = false) {
        SendMessage(EM_REPLACESEL, bCanUndo, (LPARAM)pszText);
    }

    // Line of character nIndex; -1 means the line of the caret.
    int LineFromChar(int nIndex = -1) const { return (int)SendMessage(EM_LINEFROMCHAR, nIndex); }
    // First character of line nLine; -1 means the line of the caret.
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, nLine); }
    // Length of the line that holds character nCharIndex (not a line number).
    int LineLength(int nCharIndex = -1) const {
        return (int)SendMessage(EM_LINELENGTH, nCharIndex);
    }
    CString GetLine(int nLine) const;
    void ScrollCaret() { SendMessage(EM_SCROLLCARET); }

    // The formatting rectangle.
    CRect GetRect() const;
    void SetRect(const RECT& rc) { SendMessage(EM_SETRECT, 0, (LPARAM)&rc); }
    // Tab stops in dialog template units.
    bool SetTabStops(int nCount, const int* pTabStops) {
        return SendMessage(EM_SETTABSTOPS, nCount, (LPARAM)pTabStops) != 0;
    }
    bool SetTabStops(int nTabStop) { return SetTabStops(1, &nTabStop); }
};
