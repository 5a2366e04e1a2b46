#include "framework/StatusBar.h"

#include <commctrl.h>
#include <cstring>

#include "framework/AutoSelect.h"
#include "framework/ClientDC.h"

namespace {
const int kDefaultPaneWidth = 100;
const int kIndicatorMargin = 10;

CString LoadIndicatorText(UINT nID, const char* pszDefault) {
    char szText[64] = {0};
    if (::LoadStringA(::GetModuleHandleA(nullptr), nID, szText, sizeof szText) > 0)
        return CString(szText);
    return CString(pszDefault);
}
} // namespace

bool CStatusBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    HWND hParent = pParent ? pParent->GetSafeHwnd() : nullptr;
    // The size grip only belongs to a frame the user can size.
    if (hParent && (::GetWindowLongA(hParent, GWL_STYLE) & WS_THICKFRAME))
        dwStyle |= SBARS_SIZEGRIP;
    CRect rc(0, 0, 0, 0);
    return CreateEx(0, STATUSCLASSNAMEA, "", dwStyle | WS_CHILD, rc, pParent, nID);
}

bool CStatusBar::SetIndicators(const UINT* pIDs, int nCount) {
    m_panes.clear();
    for (int i = 0; i < nCount; ++i) {
        Pane pane = {
            pIDs ? pIDs[i] : ID_SEPARATOR, SBPS_NORMAL, kDefaultPaneWidth, 0, CString(), CString()};
        switch (pane.nID) {
        case ID_SEPARATOR:
            break;
        case ID_INDICATOR_CAPS:
            pane.nVirtKey = VK_CAPITAL;
            pane.strIndicator = LoadIndicatorText(pane.nID, "CAP");
            break;
        case ID_INDICATOR_NUM:
            pane.nVirtKey = VK_NUMLOCK;
            pane.strIndicator = LoadIndicatorText(pane.nID, "NUM");
            break;
        case ID_INDICATOR_SCRL:
            pane.nVirtKey = VK_SCROLL;
            pane.strIndicator = LoadIndicatorText(pane.nID, "SCRL");
            break;
        default:
            pane.strIndicator = LoadIndicatorText(pane.nID, "");
            pane.strText = pane.strIndicator;
            break;
        }
        if (pane.nID != ID_SEPARATOR)
            pane.cxWidth = TextWidth(pane.strIndicator) + kIndicatorMargin;
        m_panes.push_back(pane);
    }
    if (!m_panes.empty())
        m_panes[0].nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
    UpdateParts();
    for (int i = 0; i < GetCount(); ++i)
        ShowText(i);
    UpdateIndicators();
    return m_hWnd != nullptr;
}

bool CStatusBar::SetPaneText(int nIndex, const char* pszText) {
    if (!IsValid(nIndex))
        return false;
    CString strText(pszText);
    if (m_panes[nIndex].strText != strText) {
        m_panes[nIndex].strText = strText;
        ShowText(nIndex);
    }
    return true;
}

CString CStatusBar::GetPaneText(int nIndex) const {
    return IsValid(nIndex) ? m_panes[nIndex].strText : CString();
}

void CStatusBar::SetPaneWidth(int nIndex, int cxWidth) {
    if (!IsValid(nIndex) || m_panes[nIndex].cxWidth == cxWidth)
        return;
    m_panes[nIndex].cxWidth = cxWidth < 0 ? 0 : cxWidth;
    UpdateParts();
}

int CStatusBar::GetPaneWidth(int nIndex) const {
    return IsValid(nIndex) ? m_panes[nIndex].cxWidth : 0;
}

void CStatusBar::UpdateIndicators() {
    for (int i = 0; i < GetCount(); ++i) {
        const Pane& pane = m_panes[i];
        if (!pane.nVirtKey)
            continue;
        bool bOn = (::GetKeyState(pane.nVirtKey) & 1) != 0;
        SetPaneText(i, bOn ? pane.strIndicator.c_str() : "");
    }
}

void CStatusBar::UpdateParts() {
    if (!m_hWnd || m_panes.empty())
        return;
    int cxAvailable = GetClientRect().Width();
    if (::GetWindowLongA(m_hWnd, GWL_STYLE) & SBARS_SIZEGRIP)
        cxAvailable -= ::GetSystemMetrics(SM_CXVSCROLL);
    int cxTotal = 0;
    for (const Pane& pane : m_panes)
        cxTotal += pane.cxWidth;
    int cxExtra = cxAvailable > cxTotal ? cxAvailable - cxTotal : 0;
    std::vector<int> rights;
    int x = 0;
    for (const Pane& pane : m_panes) {
        x += pane.cxWidth;
        if (pane.nStyle & SBPS_STRETCH) {
            x += cxExtra;
            cxExtra = 0;
        }
        rights.push_back(x);
    }
    SendMessage(SB_SETPARTS, rights.size(), (LPARAM)rights.data());
}

void CStatusBar::ShowText(int nIndex) {
    if (!m_hWnd || !IsValid(nIndex))
        return;
    const Pane& pane = m_panes[nIndex];
    WPARAM wParam = (WPARAM)nIndex | (pane.nStyle & (SBPS_NOBORDERS | SBPS_POPOUT));
    SendMessage(SB_SETTEXTA, wParam, (LPARAM)pane.strText.c_str());
}

int CStatusBar::TextWidth(const char* psz) const {
    if (!m_hWnd)
        return 0;
    CClientDC dc(const_cast<CStatusBar*>(this));
    CAutoSelect font(dc, (HGDIOBJ)SendMessage(WM_GETFONT));
    return dc.GetTextExtent(psz, (int)strlen(psz)).cx;
}

LRESULT CStatusBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = CWnd::WindowProc(nMsg, wParam, lParam);
    if (nMsg == WM_SIZE)
        UpdateParts();
    return lResult;
}
