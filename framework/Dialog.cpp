#include "framework/Dialog.h"

#include <commctrl.h>
#include <algorithm>
#include <cstring>

#include "framework/DataExchange.h"
#include "framework/ModalSeam.h"
#include "framework/WinApp.h"

namespace {
// Resource type of a template's initialisation data.
const WORD kDlgInitType = 240;

// The modeless dialogs alive now, for the message loop's IsDialogMessage.
std::vector<CDialog*>& ModelessDialogs() {
    static std::vector<CDialog*> s_dialogs;
    return s_dialogs;
}

CDialog* FindModeless(HWND hWnd) {
    for (CDialog* pDlg : ModelessDialogs())
        if (pDlg->GetSafeHwnd() == hWnd)
            return pDlg;
    return nullptr;
}

// A modal loop (a modal dialog, a message box, a file dialog) passes its
// messages to this filter before its own dialog handling: the modeless
// dialogs, such as the help window, keep Tab, Esc and Return meanwhile.
LRESULT CALLBACK ModalLoopFilter(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == MSGF_DIALOGBOX || nCode == MSGF_MESSAGEBOX) {
        if (CDialog::PreTranslateModeless(reinterpret_cast<MSG*>(lParam)))
            return TRUE;
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void FilterModalLoops() {
    static HHOOK s_hHook = nullptr;
    if (!s_hHook)
        s_hHook =
            ::SetWindowsHookExA(WH_MSGFILTER, ModalLoopFilter, nullptr, ::GetCurrentThreadId());
}

HWND MainWindow() {
    CWinApp* pApp = AfxGetApp();
    HWND hMain = pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->GetSafeHwnd() : nullptr;
    return hMain && ::IsWindow(hMain) ? hMain : nullptr;
}
// A modal dialog that its initialisation left where the template put it
// opens centred over its owner, inside the work area, as users expect of
// an About box; one that placed itself stays where it is.
void CenterOverOwner(HWND hWnd, const RECT& rcBefore) {
    RECT rc, rcOwner, rcWork;
    ::GetWindowRect(hWnd, &rc);
    if (rc.left != rcBefore.left || rc.top != rcBefore.top ||
        (::GetWindowLongA(hWnd, GWL_STYLE) & (WS_CHILD | WS_VISIBLE)))
        return;
    HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0))
        return;
    if (!hOwner || !::GetWindowRect(hOwner, &rcOwner) || ::IsIconic(hOwner))
        rcOwner = rcWork;
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    int x = (rcOwner.left + rcOwner.right - cx) / 2;
    int y = (rcOwner.top + rcOwner.bottom - cy) / 2;
    x = std::max<int>(rcWork.left, std::min<int>(x, rcWork.right - cx));
    y = std::max<int>(rcWork.top, std::min<int>(y, rcWork.bottom - cy));
    ::SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParent)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParent) {}

CDialog::~CDialog() {
    // The bound control objects of a derived class are destroyed by now.
    m_boundControls.clear();
    Unregister();
}

void CDialog::EnsureCommonControls() {
    static bool s_bDone = false;
    if (!s_bDone) {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        s_bDone = ::InitCommonControlsEx(&icc) != 0;
    }
}

HWND CDialog::OwnerForModal() const {
    HWND hParent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    if (hParent)
        return ::GetAncestor(hParent, GA_ROOT);
    if (HWND hMain = MainWindow())
        return hMain;
    return ::GetActiveWindow();
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd)
        return -1;
    EnsureCommonControls();
    HWND hOwner = OwnerForModal();
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    m_bModal = true;
    INT_PTR nResult = m_pTemplate ? ::DialogBoxIndirectParamA(hInst, m_pTemplate, hOwner,
                                                              &CDialog::DlgProc, (LPARAM)this)
                                  : ::DialogBoxParamA(hInst, MAKEINTRESOURCEA(m_nIDTemplate),
                                                      hOwner, &CDialog::DlgProc, (LPARAM)this);
    m_bModal = false;
    return nResult;
}

bool CDialog::Create(UINT nIDTemplate, CWnd* pParent) {
    m_nIDTemplate = nIDTemplate;
    return CreateFromTemplate(nullptr, nIDTemplate, pParent);
}

bool CDialog::CreateIndirect(const DLGTEMPLATE* pTemplate, CWnd* pParent) {
    return pTemplate && CreateFromTemplate(pTemplate, 0, pParent);
}

bool CDialog::CreateFromTemplate(const DLGTEMPLATE* pTemplate, UINT nIDTemplate, CWnd* pParent) {
    if (m_hWnd)
        return false;
    EnsureCommonControls();
    if (pParent)
        m_pParentWnd = pParent;
    HWND hParent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : MainWindow();
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    m_bModal = false;
    HWND hWnd = pTemplate ? ::CreateDialogIndirectParamA(hInst, pTemplate, hParent,
                                                         &CDialog::DlgProc, (LPARAM)this)
                          : ::CreateDialogParamA(hInst, MAKEINTRESOURCEA(nIDTemplate), hParent,
                                                 &CDialog::DlgProc, (LPARAM)this);
    return hWnd && m_hWnd == hWnd;
}

INT_PTR CALLBACK CDialog::DlgProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM lParam) {
    // Every other message reaches the object through the subclassed window
    // procedure; returning FALSE here leaves the default dialog handling.
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    auto* pDlg = reinterpret_cast<CDialog*>(lParam);
    if (!pDlg)
        return TRUE;
    pDlg->SubclassWindow(hWnd);
    // F1 finds a dialog's help by its template id.
    if (pDlg->m_nIDTemplate && !::GetWindowContextHelpId(hWnd))
        ::SetWindowContextHelpId(hWnd, pDlg->m_nIDTemplate);
    if (!pDlg->m_bModal) {
        ModelessDialogs().push_back(pDlg);
        FilterModalLoops();
    }
    RECT rcBefore;
    ::GetWindowRect(hWnd, &rcBefore);
    BOOL bResult = TRUE;
    try {
        bResult = pDlg->OnInitDialog();
    } catch (...) {
    }
    if (pDlg->m_bModal && ::IsWindow(hWnd)) {
        CenterOverOwner(hWnd, rcBefore);
        pDlg->AnswerThroughSeamWhenIdle();
    }
    return bResult;
}

BOOL CDialog::OnInitDialog() {
    if (m_nIDTemplate) {
        HINSTANCE hInst = ::GetModuleHandleA(nullptr);
        HRSRC hRes =
            ::FindResourceA(hInst, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(kDlgInitType));
        HGLOBAL hGlobal = hRes ? ::LoadResource(hInst, hRes) : nullptr;
        if (const void* pData = hGlobal ? ::LockResource(hGlobal) : nullptr)
            ExecuteDlgInit(pData, ::SizeofResource(hInst, hRes));
    }
    UpdateData(false);
    return TRUE;
}

bool CDialog::ExecuteDlgInit(const void* pData, size_t cbData) {
    const BYTE* p = static_cast<const BYTE*>(pData);
    const BYTE* pEnd = p + cbData;
    for (;;) {
        if (pEnd - p < 2)
            return false;
        WORD nID = 0, nMsg = 0;
        DWORD cb = 0;
        memcpy(&nID, p, sizeof nID);
        if (nID == 0)
            return true;
        if (pEnd - p < 8)
            return false;
        memcpy(&nMsg, p + 2, sizeof nMsg);
        memcpy(&cb, p + 4, sizeof cb);
        p += 8;
        if ((size_t)(pEnd - p) < cb)
            return false;
        // A terminated copy: string messages must not read past the data.
        std::vector<char> bytes(p, p + cb);
        bytes.push_back('\0');
        SendDlgItemMessage(nID, nMsg, 0, (LPARAM)bytes.data());
        p += cb;
    }
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    if (!m_hWnd)
        return false;
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.Failed();
}

bool CDialog::BindControl(int nID, CWnd& ctrl) {
    HWND hCtrl = GetDlgItem(nID);
    if (!hCtrl)
        return false;
    if (ctrl.GetSafeHwnd() == hCtrl)
        return true;
    if (ctrl.GetSafeHwnd())
        ctrl.Detach(); // still bound to a window of an earlier run
    ctrl.Attach(hCtrl);
    m_boundControls.push_back(&ctrl);
    return true;
}

void CDialog::ReleaseControls() {
    for (CWnd* pCtrl : m_boundControls) {
        HWND hCtrl = pCtrl->GetSafeHwnd();
        if (hCtrl && (!::IsWindow(hCtrl) || ::IsChild(m_hWnd, hCtrl)))
            pCtrl->Detach();
    }
    m_boundControls.clear();
}

void CDialog::Unregister() {
    auto& dialogs = ModelessDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), this), dialogs.end());
}

void CDialog::EndDialog(int nResult) {
    if (!m_hWnd)
        return;
    if (m_bModal)
        ::EndDialog(m_hWnd, nResult);
    else
        DestroyWindow();
}

void CDialog::OnOK() {
    if (!m_bModal)
        return;
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    if (m_bModal)
        EndDialog(IDCANCEL);
    else if (!(::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD))
        DestroyWindow();
}

UINT CDialog::GetDlgItemInt(int nID, bool* pbTranslated, bool bSigned) const {
    BOOL bTranslated = FALSE;
    UINT nValue = ::GetDlgItemInt(m_hWnd, nID, &bTranslated, bSigned);
    if (pbTranslated)
        *pbTranslated = bTranslated != 0;
    return nValue;
}

namespace {
const UINT WM_ANSWER_THROUGH_SEAM = WM_APP + 103;
} // namespace

void CDialog::AnswerThroughSeamWhenIdle() {
    if (CModalSeam::HasResponder())
        PostMessage(WM_ANSWER_THROUGH_SEAM);
}

void CDialog::AnswerThroughSeam() {
    // As the user sees it: the dialog loop shows the dialog once it is idle.
    ShowWindow(SW_SHOWNORMAL);
    CModalRequest request{CModalRequest::dialog, m_hWnd, CString(), GetWindowText(), 0, this};
    int nResult = CModalSeam::Answer(request);
    // Whatever the script did, the dialog ends here rather than wait for a user.
    if (m_hWnd && ::IsWindow(m_hWnd))
        EndDialog(nResult);
}

LRESULT CDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_ANSWER_THROUGH_SEAM) {
        AnswerThroughSeam();
        return 0;
    }
    // F1 in a dialog of its own (a modal one, out of reach of the frame's
    // accelerators) reaches it as WM_HELP: the same help as F1 elsewhere.
    if (nMsg == WM_HELP && !(::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD)) {
        if (CWinApp* pApp = AfxGetApp())
            pApp->OnHelp();
        return TRUE;
    }
    if (nMsg == WM_NCDESTROY) {
        ReleaseControls();
        Unregister();
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

bool CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return true;
    if (HIWORD(wParam) != BN_CLICKED)
        return false;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    }
    return false;
}

bool CDialog::PreTranslateModeless(MSG* pMsg) {
    if (!pMsg || !pMsg->hwnd || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return false;
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CDialog* pDlg = FindModeless(hWnd);
        if (pDlg && ::IsWindowVisible(hWnd)) {
            // The windows inside the dialog and the dialog itself come first.
            for (HWND hInner = pMsg->hwnd; hInner && hInner != hWnd; hInner = ::GetParent(hInner)) {
                CWnd* pWnd = FromHandlePermanent(hInner);
                if (pWnd && pWnd->PreTranslateMessage(pMsg))
                    return true;
            }
            if (pDlg->PreTranslateMessage(pMsg))
                return true;
            return ::IsDialogMessageA(hWnd, pMsg) != 0;
        }
        if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return false;
}
