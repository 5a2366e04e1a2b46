#include "framework/ModalSeam.h"

#include <algorithm>

#include "framework/AutoSelect.h"
#include "framework/ClientDC.h"
#include "framework/DeferredLibrary.h"
#include "framework/Font.h"
#include "framework/MessageText.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {
CDeferredLibrary& CommonDialogs() {
    return CDeferredLibrary::CommonDialogs();
}

// What a message box adds around its text: caption, buttons, margins.
const int kBoxChromeHeight = 160;

// The text as the work area of the owner's screen holds it: no word wider
// than half of it, no more lines than its height takes with the box around
// them. Lines are counted as broken at a fifth of the width, narrower than
// the box breaks them, so that the count errs on the safe side.
CString FitToWorkArea(HWND hOwner, const char* pszText) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    RECT rcWork = {0, 0, 640, 480};
    if (::GetMonitorInfoA(::MonitorFromWindow(hOwner, MONITOR_DEFAULTTOPRIMARY), &monitor))
        rcWork = monitor.rcWork;
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    CFont font;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        font.CreateFontIndirect(&metrics.lfMessageFont);
    CClientDC dc(nullptr);
    CAutoSelect selFont(dc, font.GetSafeHandle() ? font.GetSafeHandle()
                                                 : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc, &tm);
    const int cxWork = rcWork.right - rcWork.left, cyWork = rcWork.bottom - rcWork.top;
    const CMessageText::Room room{
        cxWork / 2, cxWork / 5,
        std::max(1, (cyWork - kBoxChromeHeight) / std::max(1, (int)tm.tmHeight))};
    return CMessageText::Fit(pszText, room, [&dc](const char* pch, int nCount) {
        return dc.GetTextExtent(pch, nCount).cx;
    });
}

int Ask(CModalRequest::Kind kind, HWND hOwner, void* pStruct) {
    CModalRequest request{kind, hOwner, CString(), CString(), 0, pStruct};
    return CModalSeam::Answer(request);
}
} // namespace

int AfxShowMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType) {
    // Typing goes on where it was: closing the box activates the owner, which
    // would hand the focus to the view.
    const HWND hFocus = ::GetFocus();
    const CString strText = FitToWorkArea(hOwner, pszText ? pszText : "");
    int nAnswer = 0;
    if (CModalSeam::HasResponder()) {
        CModalRequest request{
            CModalRequest::messageBox, hOwner, strText, pszCaption, nType, nullptr};
        nAnswer = CModalSeam::Answer(request);
    } else {
        nAnswer = MessageBoxA(hOwner, strText, pszCaption, nType);
    }
    if (hFocus && ::IsWindow(hFocus) && ::IsWindowVisible(hFocus) && ::IsWindowEnabled(hFocus))
        ::SetFocus(hFocus);
    return nAnswer;
}

int AfxMessageBox(const char* pszText, UINT nType) {
    CWinApp* pApp = AfxGetApp();
    HWND hOwner = pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->GetSafeHwnd() : nullptr;
    const char* pszCaption = pApp ? pApp->m_pszAppName : "Almanark";
    return AfxShowMessageBox(hOwner, pszText, pszCaption, nType);
}

BOOL AfxGetOpenFileName(OPENFILENAMEA* pOfn) {
    if (CModalSeam::HasResponder())
        return Ask(CModalRequest::fileOpen, pOfn->hwndOwner, pOfn) != 0;
    return CommonDialogs().Call<decltype(::GetOpenFileNameA)>("GetOpenFileNameA", FALSE, pOfn);
}

BOOL AfxGetSaveFileName(OPENFILENAMEA* pOfn) {
    if (CModalSeam::HasResponder())
        return Ask(CModalRequest::fileSave, pOfn->hwndOwner, pOfn) != 0;
    return CommonDialogs().Call<decltype(::GetSaveFileNameA)>("GetSaveFileNameA", FALSE, pOfn);
}

BOOL AfxChooseFont(CHOOSEFONTA* pCf) {
    if (CModalSeam::HasResponder())
        return Ask(CModalRequest::font, pCf->hwndOwner, pCf) != 0;
    return CommonDialogs().Call<decltype(::ChooseFontA)>("ChooseFontA", FALSE, pCf);
}

BOOL AfxPrintDlg(PRINTDLGA* pPd) {
    // Return-default mode shows nothing: it only reads the default printer.
    if (CModalSeam::HasResponder() && !(pPd->Flags & PD_RETURNDEFAULT)) {
        bool bSetup = (pPd->Flags & PD_PRINTSETUP) != 0;
        return Ask(bSetup ? CModalRequest::printSetup : CModalRequest::print, pPd->hwndOwner,
                   pPd) != 0;
    }
    return CommonDialogs().Call<decltype(::PrintDlgA)>("PrintDlgA", FALSE, pPd);
}
