#include "framework/FrameWnd.h"

#include <commctrl.h>
#include <shellapi.h>

#include "framework/DeferredLibrary.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/PreviewView.h"
#include "framework/RecentFileList.h"
#include "framework/View.h"
#include "framework/WinApp.h"

namespace {
const char kFrameClass[] = "AlmanarkFrame";

const char* RegisterFrameClass(UINT nIDResource) {
    static bool s_bRegistered = false;
    if (!s_bRegistered) {
        HINSTANCE hInst = ::GetModuleHandleA(nullptr);
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = CWnd::StandardWndProc();
        wc.hInstance = hInst;
        wc.hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(nIDResource));
        wc.hCursor = ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = kFrameClass;
        s_bRegistered = ::RegisterClassA(&wc) != 0;
    }
    return kFrameClass;
}

// A string resource up to its first line break: the window title of a
// document string, the status-bar prompt of a command's string.
CString LoadFirstLine(UINT nID) {
    char sz[256] = {0};
    if (::LoadStringA(::GetModuleHandleA(nullptr), nID, sz, sizeof sz) <= 0)
        return CString();
    if (char* pNewline = strchr(sz, '\n'))
        *pNewline = 0;
    return sz;
}
} // namespace

bool CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwStyle) {
    m_nIDResource = nIDResource;
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    CREATESTRUCTA cs = {};
    cs.style = dwStyle;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.hInstance = hInst;
    if (!PreCreateWindow(cs))
        return false;
    const CString strTitle = LoadFirstLine(nIDResource);
    HMENU hMenu = ::LoadMenuA(hInst, MAKEINTRESOURCEA(nIDResource));
    m_hAccel = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(nIDResource));
    if (!CreateEx(cs.dwExStyle | WS_EX_ACCEPTFILES, RegisterFrameClass(nIDResource), strTitle,
                  cs.style, cs.x, cs.y, cs.cx, cs.cy, nullptr, hMenu)) {
        if (hMenu && !m_hWnd)
            ::DestroyMenu(hMenu);
        return false;
    }
    return true;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCTA&) {
    return true;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA) {
    return OnCreateClient() ? 0 : -1;
}

bool CFrameWnd::OnCreateClient() {
    if (!m_pNewViewClass)
        return true;
    auto* pView = static_cast<CView*>(m_pNewViewClass->CreateObject());
    pView->SetDocument(m_pDocument);
    if (m_pDocument)
        m_pDocument->m_pView = pView;
    if (!pView->Create(this, AFX_IDW_PANE_FIRST)) {
        delete pView;
        return false;
    }
    m_pView = pView;
    return true;
}

void CFrameWnd::RecalcLayout() {
    if (!m_hWnd)
        return;
    CRect rc = GetClientRect();
    if (m_hStatusBar && ::IsWindowVisible(m_hStatusBar)) {
        ::SendMessageA(m_hStatusBar, WM_SIZE, 0, 0);
        RECT rcBar;
        ::GetWindowRect(m_hStatusBar, &rcBar);
        rc.bottom -= rcBar.bottom - rcBar.top;
    }
    if (m_hRightBar && ::IsWindowVisible(m_hRightBar)) {
        RECT rcBar;
        ::GetWindowRect(m_hRightBar, &rcBar);
        int cx = rcBar.right - rcBar.left;
        ::MoveWindow(m_hRightBar, rc.right - cx, rc.top, cx, rc.Height(), TRUE);
        rc.right -= cx;
    }
    CWnd* pPane = m_pPreview ? static_cast<CWnd*>(m_pPreview) : m_pView;
    if (pPane && pPane->GetSafeHwnd())
        pPane->MoveWindow(rc.left, rc.top, rc.Width() > 0 ? rc.Width() : 0,
                          rc.Height() > 0 ? rc.Height() : 0);
}

void CFrameWnd::OnUpdateFrameTitle() {
    if (!m_hWnd)
        return;
    const CString strApp = LoadFirstLine(m_nIDResource);
    CString strTitle = strApp;
    if (m_pDocument && !m_pDocument->GetTitle().IsEmpty())
        strTitle = m_pDocument->GetTitle() + " - " + strApp;
    if (GetWindowText() != strTitle)
        SetWindowText(strTitle);
}

void CFrameWnd::OnClose() {
    if (m_pDocument && !m_pDocument->SaveModified())
        return;
    DestroyWindow();
}

void CFrameWnd::OnDropFiles(HDROP hDrop) {
    CDeferredLibrary& shell = CDeferredLibrary::Shell();
    auto* pfnQuery = shell.Find<decltype(::DragQueryFileA)>("DragQueryFileA");
    UINT nFiles = pfnQuery ? pfnQuery(hDrop, 0xFFFFFFFF, nullptr, 0) : 0;
    // The whole name: a cut one could name another file.
    CString strFile;
    if (nFiles > 0) {
        const UINT nLength = pfnQuery(hDrop, 0, nullptr, 0);
        pfnQuery(hDrop, 0, strFile.GetBuffer((int)nLength + 1), nLength + 1);
        strFile.ReleaseBuffer();
    }
    if (auto* pfnFinish = shell.Find<decltype(::DragFinish)>("DragFinish"))
        pfnFinish(hDrop);
    if (nFiles > 0 && AfxGetApp()) {
        ::SetForegroundWindow(m_hWnd);
        AfxGetApp()->OpenDocumentFile(strFile);
    }
}

void CFrameWnd::OnInitMenuPopup(HMENU hMenu) {
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->GetRecentFileList())
        pApp->GetRecentFileList()->UpdateMenu(hMenu);
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        UINT nID = ::GetMenuItemID(hMenu, i);
        // Submenus give -1, separators 0; the empty recent-file entry stays gray.
        if (nID == (UINT)-1 || nID == 0 ||
            (nID == ID_FILE_MRU_FILE1 && pApp && pApp->GetRecentFileList() &&
             (*pApp->GetRecentFileList())[0].IsEmpty()))
            continue;
        ::EnableMenuItem(hMenu, i,
                         MF_BYPOSITION | (IsCommandAvailable(nID) ? MF_ENABLED : MF_GRAYED));
    }
}

bool CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    unsigned nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    // A menu command or key other than preview itself ends print preview first.
    if (m_pPreview && lParam == 0 && (nCode == 0 || nCode == 1)) {
        if (nID == ID_FILE_PRINT_PREVIEW)
            return true;
        m_pView->ClosePrintPreview();
    }
    if (m_pView && m_pView->OnCmdMsg(nID, nCode))
        return true;
    if (m_pDocument && m_pDocument->OnCmdMsg(nID, nCode))
        return true;
    if (OnCmdMsg(nID, nCode))
        return true;
    return AfxGetApp() && AfxGetApp()->OnCmdMsg(nID, nCode);
}

bool CFrameWnd::HandlesCommand(unsigned nID) const {
    return nID == ID_EDIT_COPY || nID == ID_EDIT_CUT || nID == ID_EDIT_PASTE || nID == ID_EDIT_UNDO;
}

bool CFrameWnd::IsCommandAvailable(unsigned nID) const {
    return (m_pView && m_pView->HandlesCommand(nID)) ||
           (m_pDocument && m_pDocument->HandlesCommand(nID)) || HandlesCommand(nID) ||
           (AfxGetApp() && AfxGetApp()->HandlesCommand(nID));
}

bool CFrameWnd::OnCmdMsg(unsigned nID, int nCode) {
    // The editing keys of the accelerator table act on the edit control
    // that has the focus (a note, a title, a combo box's edit).
    UINT nMsg = 0;
    switch (nID) {
    case ID_EDIT_COPY:
        nMsg = WM_COPY;
        break;
    case ID_EDIT_CUT:
        nMsg = WM_CUT;
        break;
    case ID_EDIT_PASTE:
        nMsg = WM_PASTE;
        break;
    case ID_EDIT_UNDO:
        nMsg = WM_UNDO;
        break;
    }
    if (nMsg == 0 || (nCode != 0 && nCode != 1))
        return false;
    HWND hFocus = ::GetFocus();
    char szClass[16] = {0};
    if (hFocus && ::GetClassNameA(hFocus, szClass, sizeof szClass) &&
        lstrcmpiA(szClass, "Edit") == 0)
        ::SendMessageA(hFocus, nMsg, 0, 0);
    return true;
}

bool CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    return m_hAccel && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
           ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg);
}

LRESULT CFrameWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam));
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            RecalcLayout();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_IDLEUPDATECMDUI:
        OnIdleUpdate();
        return 0;
    case WM_DESTROY:
        if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this)
            ::PostQuitMessage(0);
        break;
    case WM_SETFOCUS:
        if (m_pPreview)
            m_pPreview->SetFocus();
        else if (m_pView && m_pView->GetSafeHwnd())
            m_pView->SetFocus();
        return 0;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_MENUSELECT:
        if (m_hStatusBar) {
            CString strPrompt = "Ready";
            UINT nID = LOWORD(wParam), nFlags = HIWORD(wParam);
            bool bClosed = nFlags == 0xFFFF && lParam == 0;
            if (!bClosed && !(nFlags & (MF_POPUP | MF_SEPARATOR)) && nID != 0) {
                CString strText = LoadFirstLine(nID);
                if (!strText.IsEmpty())
                    strPrompt = strText;
            }
            ::SendMessageA(m_hStatusBar, SB_SETTEXTA, 0, (LPARAM)strPrompt.c_str());
        }
        return 0;
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

void CFrameWnd::SetMessageText(UINT nID) {
    if (m_hStatusBar)
        ::SendMessageA(m_hStatusBar, SB_SETTEXTA, 0, (LPARAM)LoadFirstLine(nID).c_str());
}

void CFrameWnd::PostNcDestroy() {
    CWinApp* pApp = AfxGetApp();
    if (pApp) {
        if (pApp->m_pMainWnd == this)
            pApp->m_pMainWnd = nullptr;
        if (pApp->GetDocTemplate() && pApp->GetDocTemplate()->GetFrame() == this)
            pApp->GetDocTemplate()->FrameDestroyed();
    }
    delete this;
}
