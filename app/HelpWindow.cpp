#include "app/HelpWindow.h"

#include "framework/WinApp.h"
#include "resources/resource.h"

CHelpWindow::CHelpWindow() : CDialog(IDD_HELP) {}

const CHelpTopics& CHelpWindow::GetTopics() {
    if (!m_bTopicsRead) {
        HMODULE hModule = ::GetModuleHandleA(nullptr);
        HRSRC hRes = ::FindResourceA(hModule, MAKEINTRESOURCEA(IDR_HELPTEXT), (LPCSTR)RT_RCDATA);
        HGLOBAL hData = hRes ? ::LoadResource(hModule, hRes) : nullptr;
        const char* pText = hData ? static_cast<const char*>(::LockResource(hData)) : nullptr;
        m_topics.Parse(pText, pText ? ::SizeofResource(hModule, hRes) : 0);
        m_bTopicsRead = true;
    }
    return m_topics;
}

bool CHelpWindow::ShowContext(unsigned long nContext) {
    int nIndex = GetTopics().FindContext(nContext);
    if (nIndex < 0)
        return false;
    ShowTopic(nIndex);
    return true;
}

void CHelpWindow::ShowTopic(int nIndex) {
    if (nIndex < 0 || nIndex >= GetTopics().GetCount())
        return;
    if (!m_hWnd && !Create(IDD_HELP))
        return;
    const CHelpTopic& topic = m_topics.GetAt(nIndex);
    m_nTopic = nIndex;
    SendDlgItemMessage(IDC_HELP_CONTENTS, LB_SETCURSEL, nIndex);
    SetDlgItemText(IDC_HELP_TITLE, topic.m_strTitle);
    SetDlgItemText(IDC_HELP_TEXT, topic.m_strText);
    ShowWindow(IsIconic() ? SW_RESTORE : SW_SHOW);
    ::SetActiveWindow(m_hWnd);
}

BOOL CHelpWindow::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < GetTopics().GetCount(); ++i)
        SendDlgItemMessage(IDC_HELP_CONTENTS, LB_ADDSTRING, 0,
                           (LPARAM)m_topics.GetAt(i).m_strTitle.c_str());
    // The topic's title in a larger, bold form of the window's font.
    LOGFONTA lf = {};
    if (!m_fontTitle.GetSafeHandle() &&
        ::GetObjectA((HFONT)SendMessage(WM_GETFONT), sizeof lf, &lf) == sizeof lf) {
        lf.lfHeight = lf.lfHeight * 3 / 2;
        lf.lfWeight = FW_BOLD;
        m_fontTitle.CreateFontIndirect(&lf);
    }
    SendDlgItemMessage(IDC_HELP_TITLE, WM_SETFONT, (WPARAM)(HFONT)m_fontTitle, FALSE);
    HICON hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    CRect rc = GetWindowRect();
    m_sizeMin = CSize(rc.Width() / 2, rc.Height() / 2);
    Layout();
    return TRUE;
}

void CHelpWindow::Layout() {
    // Margin, title top, left and top of the topic's text, in dialog units.
    CRect rcUnits(6, 4, 114, 18);
    MapDialogRect(&rcUnits);
    const int nMargin = rcUnits.left;
    CRect rc = GetClientRect();
    HWND hList = GetDlgItem(IDC_HELP_CONTENTS);
    CRect rcList;
    ::GetWindowRect(hList, &rcList);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&rcList, 2);
    int nTextWidth = rc.right - nMargin - rcUnits.right;
    ::MoveWindow(hList, rcList.left, rcList.top, rcList.Width(), rc.bottom - nMargin - rcList.top,
                 TRUE);
    ::MoveWindow(GetDlgItem(IDC_HELP_TITLE), rcUnits.right, rcUnits.top, nTextWidth,
                 rcUnits.bottom - rcUnits.top, TRUE);
    ::MoveWindow(GetDlgItem(IDC_HELP_TEXT), rcUnits.right, rcUnits.bottom, nTextWidth,
                 rc.bottom - nMargin - rcUnits.bottom, TRUE);
}

LRESULT CHelpWindow::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            Layout();
        break;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {m_sizeMin.cx, m_sizeMin.cy};
        return 0;
    }
    return CDialog::WindowProc(nMsg, wParam, lParam);
}

bool CHelpWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_HELP_CONTENTS && HIWORD(wParam) == LBN_SELCHANGE) {
        ShowTopic((int)SendDlgItemMessage(IDC_HELP_CONTENTS, LB_GETCURSEL));
        return true;
    }
    return CDialog::OnCommand(wParam, lParam);
}
