#include "framework/DialogBar.h"

#include <commctrl.h>
#include <cstring>
#include <vector>

#include "framework/StatusBar.h"
#include "framework/WindowDC.h"

namespace {
const UINT_PTR kPromptTimer = 0xE000;
const UINT kIdleMessage = 0xE001;

// The first line of string resource nID, or empty.
CString LoadPrompt(UINT nID) {
    char szText[256] = {0};
    if (!nID || ::LoadStringA(::GetModuleHandleA(nullptr), nID, szText, sizeof szText) <= 0)
        return CString();
    if (char* pNewline = strchr(szText, '\n'))
        *pNewline = 0;
    return CString(szText);
}
} // namespace

bool CDialogBar::Create(CWnd* pParent, UINT nIDTemplate, UINT nStyle, UINT nID) {
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDTemplate), (LPCSTR)RT_DIALOG);
    HGLOBAL hGlobal = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const void* pTemplate = hGlobal ? ::LockResource(hGlobal) : nullptr;
    if (!pTemplate)
        return false;
    m_nIDTemplate = nIDTemplate;
    return CreateIndirect(pParent, pTemplate, ::SizeofResource(hInst, hRes), nStyle, nID);
}

bool CDialogBar::CreateIndirect(CWnd* pParent, const void* pTemplate, size_t cbTemplate,
                                UINT nStyle, UINT nID) {
    if (!pTemplate || cbTemplate < sizeof(DLGTEMPLATE) || m_hWnd)
        return false;
    std::vector<BYTE> copy((const BYTE*)pTemplate, (const BYTE*)pTemplate + cbTemplate);
    // An extended template starts with version 1 and signature 0xFFFF; its
    // style follows the help id and the extended style.
    const WORD* pWords = reinterpret_cast<const WORD*>(copy.data());
    bool bExtended = cbTemplate >= 16 && pWords[0] == 1 && pWords[1] == 0xFFFF;
    auto* pStyle = reinterpret_cast<DWORD*>(copy.data() + (bExtended ? 12 : 0));
    *pStyle = (*pStyle & ~(DWORD)(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                  DS_MODALFRAME | WS_DLGFRAME | WS_BORDER)) |
              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

    m_nBarStyle = nStyle;
    if (!CDialog::CreateIndirect(reinterpret_cast<const DLGTEMPLATE*>(copy.data()), pParent))
        return false;
    ::SetWindowLongPtrA(m_hWnd, GWLP_ID, (LONG_PTR)nID);
    CRect rcBorders = BorderWidths();
    CRect rcWindow = GetWindowRect();
    m_sizeFixed = CSize(rcWindow.Width() + rcBorders.left + rcBorders.right,
                        rcWindow.Height() + rcBorders.top + rcBorders.bottom);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_sizeFixed.cx, m_sizeFixed.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

CRect CDialogBar::BorderWidths() const {
    int cx = ::GetSystemMetrics(SM_CXEDGE), cy = ::GetSystemMetrics(SM_CYEDGE);
    return CRect(
        (m_nBarStyle & CBRS_BORDER_LEFT) ? cx : 0, (m_nBarStyle & CBRS_BORDER_TOP) ? cy : 0,
        (m_nBarStyle & CBRS_BORDER_RIGHT) ? cx : 0, (m_nBarStyle & CBRS_BORDER_BOTTOM) ? cy : 0);
}

void CDialogBar::PaintBorders() {
    UINT nFlags = ((m_nBarStyle & CBRS_BORDER_LEFT) ? BF_LEFT : 0) |
                  ((m_nBarStyle & CBRS_BORDER_TOP) ? BF_TOP : 0) |
                  ((m_nBarStyle & CBRS_BORDER_RIGHT) ? BF_RIGHT : 0) |
                  ((m_nBarStyle & CBRS_BORDER_BOTTOM) ? BF_BOTTOM : 0);
    if (!nFlags)
        return;
    CWindowDC dc(this);
    CRect rc = GetWindowRect();
    rc.OffsetRect(-rc.left, -rc.top);
    dc.DrawEdge(rc, EDGE_ETCHED, nFlags);
}

LRESULT CDialogBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_NCCALCSIZE: {
        LRESULT lResult = CDialog::WindowProc(nMsg, wParam, lParam);
        // Both forms of the message start with the client rectangle to fill.
        auto* prc = reinterpret_cast<RECT*>(lParam);
        CRect rcBorders = BorderWidths();
        prc->left += rcBorders.left;
        prc->top += rcBorders.top;
        prc->right -= rcBorders.right;
        prc->bottom -= rcBorders.bottom;
        if (prc->right < prc->left)
            prc->right = prc->left;
        if (prc->bottom < prc->top)
            prc->bottom = prc->top;
        return lResult;
    }
    case WM_NCPAINT: {
        LRESULT lResult = CDialog::WindowProc(nMsg, wParam, lParam);
        PaintBorders();
        return lResult;
    }
    case WM_SETCURSOR:
        // Reaches the bar from the window under the mouse on its way up.
        if ((m_nBarStyle & CBRS_FLYBY) && LOWORD(lParam) == HTCLIENT)
            OnSetCursor((HWND)wParam);
        break;
    case WM_TIMER:
        if (wParam == kPromptTimer) {
            CheckPromptStillValid();
            return 0;
        }
        break;
    }
    return CDialog::WindowProc(nMsg, wParam, lParam);
}

bool CDialogBar::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return true;
    // Return and Esc in the bar (IsDialogMessage's IDOK and IDCANCEL without
    // such a button) mean nothing to the frame.
    UINT nID = LOWORD(wParam);
    if ((nID == IDOK || nID == IDCANCEL) && !GetDlgItem(nID))
        return true;
    if (HWND hParent = GetParent())
        ::SendMessageA(hParent, WM_COMMAND, wParam, lParam);
    return true;
}

bool CDialogBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    HWND hParent = GetParent();
    if (!hParent)
        return false;
    *pResult = ::SendMessageA(hParent, WM_NOTIFY, wParam, lParam);
    return true;
}

void CDialogBar::OnSetCursor(HWND hWndUnder) {
    UINT nID = 0;
    if (hWndUnder && hWndUnder != m_hWnd && ::IsChild(m_hWnd, hWndUnder))
        nID = (UINT)::GetDlgCtrlID(hWndUnder);
    if (nID == m_nPromptID)
        return;
    CString strPrompt = LoadPrompt(nID);
    if (strPrompt.IsEmpty()) {
        EndPrompt();
        return;
    }
    m_nPromptID = nID;
    SetStatusText(strPrompt);
    // The bar hears nothing when the mouse leaves it; a timer notices.
    SetTimer(kPromptTimer, 200);
}

void CDialogBar::CheckPromptStillValid() {
    POINT pt;
    ::GetCursorPos(&pt);
    HWND hWnd = ::WindowFromPoint(pt);
    if (!hWnd || !::IsChild(m_hWnd, hWnd) || (UINT)::GetDlgCtrlID(hWnd) != m_nPromptID)
        EndPrompt();
}

void CDialogBar::EndPrompt() {
    KillTimer(kPromptTimer);
    if (!m_nPromptID)
        return;
    m_nPromptID = 0;
    CString strIdle = LoadPrompt(kIdleMessage);
    SetStatusText(strIdle.IsEmpty() ? "Ready" : strIdle.c_str());
}

void CDialogBar::SetStatusText(const char* pszText) {
    HWND hStatus = ::GetDlgItem(GetParent(), AFX_IDW_STATUS_BAR);
    if (auto* pStatus = dynamic_cast<CStatusBar*>(FromHandlePermanent(hStatus)))
        pStatus->SetPaneText(0, pszText);
    else if (hStatus)
        ::SendMessageA(hStatus, SB_SETTEXTA, 0, (LPARAM)pszText);
}
