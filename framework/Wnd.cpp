#include "framework/Wnd.h"

#include <algorithm>
#include <string>

namespace {
const char kPropName[] = "Almanark.CWnd";
const char kClassName[] = "AlmanarkWnd";
// The object whose window CreateEx is making: messages such as
// WM_GETMINMAXINFO arrive before WM_NCCREATE can carry the pointer.
thread_local CWnd* t_pCreating = nullptr;

// Converted once into room for two bytes a character, which any double-byte
// code page needs at most; a code page that needs more is asked for the size.
CString Narrow(const std::wstring& wstr) {
    CString s;
    if (wstr.empty())
        return s;
    const int nWide = (int)wstr.size();
    int n = ::WideCharToMultiByte(CP_ACP, 0, wstr.data(), nWide, s.GetBuffer(2 * nWide), 2 * nWide,
                                  nullptr, nullptr);
    if (n <= 0) {
        n = std::max(
            ::WideCharToMultiByte(CP_ACP, 0, wstr.data(), nWide, nullptr, 0, nullptr, nullptr), 0);
        if (n > 0)
            ::WideCharToMultiByte(CP_ACP, 0, wstr.data(), nWide, s.GetBuffer(n), n, nullptr,
                                  nullptr);
    }
    s.ReleaseBuffer(n);
    return s;
}

CString TextOf(HWND hWnd) {
    CString s;
    int n = hWnd ? ::GetWindowTextLengthA(hWnd) : 0;
    if (n > 0) {
        ::GetWindowTextA(hWnd, s.GetBuffer(n + 1), n + 1);
        s.ReleaseBuffer();
    }
    return s;
}
} // namespace

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        HWND hWnd = m_hWnd;
        ::RemovePropA(hWnd, kPropName);
        if (m_pfnSuper)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
        m_hWnd = nullptr;
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
}

const char* CWnd::RegisterDefaultClass() {
    static bool s_bRegistered = false;
    if (!s_bRegistered) {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &CWnd::WndProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
        wc.lpszClassName = kClassName;
        s_bRegistered = ::RegisterClassA(&wc) != 0;
    }
    return kClassName;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return hWnd ? static_cast<CWnd*>(::GetPropA(hWnd, kPropName)) : nullptr;
}

void CWnd::Associate(HWND hWnd, CWnd* pWnd) {
    pWnd->m_hWnd = hWnd;
    ::SetPropA(hWnd, kPropName, pWnd);
}

void CWnd::SubclassWindow(HWND hWnd) {
    Associate(hWnd, this);
    m_pfnSuper = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&CWnd::WndProc);
}

bool CWnd::CreateEx(DWORD dwExStyle, const char* pszClass, const char* pszName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParent, UINT nID) {
    return CreateEx(dwExStyle, pszClass, pszName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParent ? pParent->m_hWnd : nullptr,
                    (dwStyle & WS_CHILD) ? (HMENU)(UINT_PTR)nID : nullptr);
}

bool CWnd::CreateEx(DWORD dwExStyle, const char* pszClass, const char* pszName, DWORD dwStyle,
                    int x, int y, int cx, int cy, HWND hParent, HMENU hMenu) {
    if (!pszClass)
        pszClass = RegisterDefaultClass();
    CWnd* pPrevious = t_pCreating;
    t_pCreating = this;
    HWND hWnd = ::CreateWindowExA(dwExStyle, pszClass, pszName, dwStyle, x, y, cx, cy, hParent,
                                  hMenu, ::GetModuleHandleA(nullptr), nullptr);
    t_pCreating = pPrevious;
    if (hWnd && FromHandlePermanent(hWnd) != this)
        SubclassWindow(hWnd); // a class with a procedure of its own (common controls)
    return hWnd != nullptr && m_hWnd == hWnd;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd && FromHandlePermanent(hWnd) == this) {
        ::RemovePropA(hWnd, kPropName);
        if (m_pfnSuper)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    }
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

bool CWnd::DestroyWindow() {
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CWnd::WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd && t_pCreating) {
        pWnd = t_pCreating;
        t_pCreating = nullptr;
        Associate(hWnd, pWnd);
    }
    if (!pWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through the system's frames.
        lResult = 0;
    }
    if (nMsg == WM_NCDESTROY) {
        WNDPROC pfnSuper = pWnd->m_pfnSuper;
        ::RemovePropA(hWnd, kPropName);
        pWnd->m_hWnd = nullptr;
        pWnd->m_pfnSuper = nullptr;
        if (pfnSuper)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
        pWnd->PostNcDestroy();
    }
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_COMMAND && OnCommand(wParam, lParam))
        return 0;
    if (nMsg == WM_NOTIFY) {
        LRESULT lResult = 0;
        if (OnNotify(wParam, lParam, &lResult))
            return lResult;
    }
    return DefWindowProc(nMsg, wParam, lParam);
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM) {
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

bool CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) {
    return false;
}

bool CWnd::PreTranslateMessage(MSG*) {
    return false;
}

CString CWnd::GetWindowText() const {
    return TextOf(m_hWnd);
}

CString CWnd::GetDlgItemText(int nID) const {
    return TextOf(GetDlgItem(nID));
}

CRect CWnd::GetClientRect() const {
    CRect rc;
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

CRect CWnd::GetWindowRect() const {
    CRect rc;
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

CString CWnd::GetItemText(UINT nLenMsg, UINT nTextMsg, int nIndex) const {
    const LRESULT nLength = ::SendMessageW(m_hWnd, nLenMsg, nIndex, 0);
    if (nLength <= 0)
        return CString();
    std::wstring wstr((size_t)nLength + 1, L'\0');
    const LRESULT nCopied = ::SendMessageW(m_hWnd, nTextMsg, nIndex, (LPARAM)&wstr[0]);
    wstr.resize(nCopied > 0 && nCopied <= nLength ? (size_t)nCopied : 0);
    return Narrow(wstr);
}
