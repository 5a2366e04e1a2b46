// The start-up benchmark's floor: the windows Almanark shows at start, made
// from its own menu and dialog templates, and nothing else. A frame with the
// menu, a status bar of five panes, the control panel (dialog 103 with its
// tab control and four tabs), the four pages (dialogs 130, 132, 133, 134;
// the first shown) and a sunken view that paints a white page. No settings,
// no printer, no document, no event file: what is left of a start-up when
// all of the program's own work is taken away.
#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"

namespace {
const int kPages[] = {IDD_CALENDAR_PAGE, IDD_STYLE_PAGE, IDD_IMAGE_PAGE, IDD_EVENTS_PAGE};
const char* const kTabs[] = {"Calendar", "Style", "Image", "Events"};

struct Windows {
    HWND hStatus = nullptr;
    HWND hBar = nullptr;
    HWND hTabs = nullptr;
    HWND hView = nullptr;
    HWND hPages[4] = {};
} g_windows;

INT_PTR CALLBACK PageProc(HWND, UINT nMsg, WPARAM, LPARAM) {
    return nMsg == WM_INITDIALOG;
}

// The frame's layout: status bar at the bottom, the bar at the right with the
// tabs and the visible page filling it, the view in what is left.
void Layout(HWND hFrame) {
    RECT rc;
    GetClientRect(hFrame, &rc);
    SendMessageA(g_windows.hStatus, WM_SIZE, 0, 0);
    RECT rcStatus;
    GetWindowRect(g_windows.hStatus, &rcStatus);
    const int cyClient = rc.bottom - (rcStatus.bottom - rcStatus.top);
    RECT rcBar;
    GetWindowRect(g_windows.hBar, &rcBar);
    const int cxBar = rcBar.right - rcBar.left;
    MoveWindow(g_windows.hBar, rc.right - cxBar, 0, cxBar, cyClient, TRUE);
    MoveWindow(g_windows.hView, 0, 0, rc.right - cxBar, cyClient, TRUE);
    MoveWindow(g_windows.hTabs, 0, 0, cxBar, cyClient, TRUE);
    TabCtrl_SetItemSize(g_windows.hTabs, (cxBar + 4) / 4, 20);
    RECT rcPage;
    GetClientRect(g_windows.hTabs, &rcPage);
    TabCtrl_AdjustRect(g_windows.hTabs, FALSE, &rcPage);
    MoveWindow(g_windows.hPages[0], rcPage.left, rcPage.top, rcPage.right - rcPage.left,
               rcPage.bottom - rcPage.top, TRUE);
}

void CreateChildren(HWND hFrame, HINSTANCE hInstance) {
    g_windows.hStatus =
        CreateWindowExA(0, STATUSCLASSNAMEA, "Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                        0, 0, hFrame, (HMENU)59393, hInstance, nullptr);
    const int anParts[] = {200, 400, 440, 480, -1};
    SendMessageA(g_windows.hStatus, SB_SETPARTS, 5, (LPARAM)anParts);
    g_windows.hView = CreateWindowExA(WS_EX_CLIENTEDGE, "FloorView", "", WS_CHILD | WS_VISIBLE, 0,
                                      0, 0, 0, hFrame, nullptr, hInstance, nullptr);
    g_windows.hBar = CreateDialogA(hInstance, MAKEINTRESOURCEA(IDD_PANELBAR), hFrame, PageProc);
    ShowWindow(g_windows.hBar, SW_SHOW);
    g_windows.hTabs = GetDlgItem(g_windows.hBar, IDC_PANEL_TABS);
    for (int i = 0; i < 4; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabs[i]);
        SendMessageA(g_windows.hTabs, TCM_INSERTITEMA, i, (LPARAM)&item);
    }
    for (int i = 0; i < 4; ++i)
        g_windows.hPages[i] =
            CreateDialogA(hInstance, MAKEINTRESOURCEA(kPages[i]), g_windows.hTabs, PageProc);
    ShowWindow(g_windows.hPages[0], SW_SHOW);
}

LRESULT CALLBACK FrameProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_CREATE:
        CreateChildren(hWnd, ((LPCREATESTRUCTA)lParam)->hInstance);
        return 0;
    case WM_SIZE:
        if (g_windows.hStatus)
            Layout(hWnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK ViewProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC hDC = BeginPaint(hWnd, &ps);
        RECT rc;
        GetClientRect(hWnd, &rc);
        FillRect(hDC, &rc, (HBRUSH)GetStockObject(GRAY_BRUSH));
        InflateRect(&rc, -20, -20);
        FillRect(hDC, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
        EndPaint(hWnd, &ps);
        return 0;
    }
    return DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

void RegisterClasses(HINSTANCE hInstance) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "FloorFrame";
    RegisterClassA(&wc);
    wc.lpfnWndProc = ViewProc;
    wc.hIcon = nullptr;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = "FloorView";
    RegisterClassA(&wc);
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterClasses(hInstance);
    HWND hFrame =
        CreateWindowA("FloorFrame", "Almanark", WS_OVERLAPPEDWINDOW, 0, 0, 640, 456, nullptr,
                      LoadMenuA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME)), hInstance, nullptr);
    ShowWindow(hFrame, nCmdShow);
    UpdateWindow(hFrame);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(g_windows.hPages[0], &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
