// CWnd: a window object that owns its HWND. The window procedure finds the
// object and calls its virtual WindowProc; no exception ever leaves it.
#pragma once
#include <windows.h>
#include "framework/CmdTarget.h"
#include "framework/Rect.h"
#include "framework/String.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    // The program's own window class: double clicks, arrow cursor, no background.
    static const char* RegisterDefaultClass();
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The procedure for window classes of the program's own windows.
    static WNDPROC StandardWndProc() { return &CWnd::WndProc; }

    bool CreateEx(DWORD dwExStyle, const char* pszClass, const char* pszName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParent, UINT nID);
    // Position and size as CreateWindowEx takes them (CW_USEDEFAULT allowed);
    // hMenu is the menu of a top-level window or the id of a child.
    bool CreateEx(DWORD dwExStyle, const char* pszClass, const char* pszName, DWORD dwStyle, int x,
                  int y, int cx, int cy, HWND hParent, HMENU hMenu);
    // Borrows an existing window (a dialog control) without subclassing it.
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    HWND Detach();
    bool DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: nonzero when handled.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: nonzero when handled; *pResult is the message result.
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void PostNcDestroy() {}
    // Gives a window the chance to translate a message of the loop
    // (accelerators, dialog keys); TRUE when the message was consumed.
    virtual bool PreTranslateMessage(MSG* pMsg);

    LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, nMsg, wParam, lParam);
    }
    bool PostMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, nMsg, wParam, lParam) != 0;
    }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    void SetWindowText(const char* psz) { ::SetWindowTextA(m_hWnd, psz); }
    CString GetWindowText() const;
    void SetDlgItemText(int nID, const char* psz) { ::SetDlgItemTextA(m_hWnd, nID, psz); }
    CString GetDlgItemText(int nID) const;
    bool ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow) != 0; }
    bool IsWindowVisible() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != 0; }
    void EnableWindow(bool bEnable = true) { ::EnableWindow(m_hWnd, bEnable); }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != 0; }
    bool IsZoomed() const { return ::IsZoomed(m_hWnd) != 0; }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void SetFocus() { ::SetFocus(m_hWnd); }
    void MoveWindow(const RECT& rc, bool bRepaint = true) {
        ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, bRepaint);
    }
    void MoveWindow(int x, int y, int cx, int cy, bool bRepaint = true) {
        ::MoveWindow(m_hWnd, x, y, cx, cy, bRepaint);
    }
    CRect GetClientRect() const;
    CRect GetWindowRect() const;
    void Invalidate(bool bErase = true) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(const RECT* pRect, bool bErase = true) {
        ::InvalidateRect(m_hWnd, pRect, bErase);
    }
    UINT_PTR SetTimer(UINT_PTR nID, UINT nElapse) {
        return ::SetTimer(m_hWnd, nID, nElapse, nullptr);
    }
    void KillTimer(UINT_PTR nID) { ::KillTimer(m_hWnd, nID); }
    void ScreenToClient(POINT* pt) const { ::ScreenToClient(m_hWnd, pt); }
    void ClientToScreen(POINT* pt) const { ::ClientToScreen(m_hWnd, pt); }

    HWND m_hWnd = nullptr;

protected:
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // The text of a list item (LB_GETTEXT, CB_GETLBTEXT and their length
    // messages), asked for in the controls' own wide characters: the system
    // turns the ANSI request into a wide one through a buffer of 512
    // characters on the stack, which a longer item overruns.
    CString GetItemText(UINT nLenMsg, UINT nTextMsg, int nIndex) const;
    // Replaces the procedure of a window created elsewhere (a dialog's
    // window), so that its messages reach WindowProc.
    void SubclassWindow(HWND hWnd);
    static void Associate(HWND hWnd, CWnd* pWnd);
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;
};
