#include "framework/PrintingDialog.h"

namespace {
HWND s_hShowing = nullptr;

void AddChild(HWND hParent, const char* pszClass, const char* pszText, DWORD dwStyle, int nID,
              int x, int y, int cx, int cy) {
    HWND hChild =
        ::CreateWindowExA(0, pszClass, pszText, WS_CHILD | WS_VISIBLE | dwStyle, x, y, cx, cy,
                          hParent, (HMENU)(INT_PTR)nID, ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(hChild, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
}
} // namespace

bool CPrintingDialog::s_bUserAbort = false;

bool CPrintingDialog::Create(CWnd* pParent, const char* pszDocument, const char* pszPrinter) {
    const int cx = 320, cy = 130;
    HWND hParent = pParent ? pParent->GetSafeHwnd() : nullptr;
    RECT rcParent = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (hParent && ::IsWindowVisible(hParent))
        ::GetWindowRect(hParent, &rcParent);
    const int x = (rcParent.left + rcParent.right - cx) / 2;
    const int y = (rcParent.top + rcParent.bottom - cy) / 2;
    if (!CreateEx(WS_EX_DLGMODALFRAME, RegisterDefaultClass(), "Printing",
                  WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y, cx, cy, hParent, nullptr))
        return false;
    const CString strWhat = CString("Printing ") + pszDocument;
    AddChild(m_hWnd, "STATIC", strWhat, SS_CENTER | SS_NOPREFIX | SS_ENDELLIPSIS, -1, 10, 12,
             cx - 26, 16);
    AddChild(m_hWnd, "STATIC", CString("on ") + pszPrinter,
             SS_CENTER | SS_NOPREFIX | SS_ENDELLIPSIS, -1, 10, 32, cx - 26, 16);
    AddChild(m_hWnd, "BUTTON", "Cancel", BS_DEFPUSHBUTTON | WS_TABSTOP, IDCANCEL, cx / 2 - 45, 60,
             80, 24);
    s_bUserAbort = false;
    s_hShowing = m_hWnd;
    // Shown without activation: a job spooled from a hidden program (the
    // shell's print) must not pull a window to the front.
    if (hParent && ::IsWindowVisible(hParent))
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    ::UpdateWindow(m_hWnd);
    return true;
}

CPrintingDialog::~CPrintingDialog() {
    if (s_hShowing == m_hWnd)
        s_hShowing = nullptr;
}

BOOL CALLBACK CPrintingDialog::AbortProc(HDC, int) {
    MSG msg;
    while (!s_bUserAbort && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        if (!s_hShowing || !::IsDialogMessageA(s_hShowing, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return !s_bUserAbort;
}

LRESULT CPrintingDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_ERASEBKGND: {
        RECT rc;
        ::GetClientRect(m_hWnd, &rc);
        ::FillRect((HDC)wParam, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            s_bUserAbort = true;
            ::EnableWindow(GetDlgItem(IDCANCEL), FALSE);
            return 0;
        }
        break;
    case WM_CLOSE:
        s_bUserAbort = true;
        return 0;
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}
