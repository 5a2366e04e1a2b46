#include "framework/ModalSeam.h"
#include "framework/DeferredLibrary.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {
CDeferredLibrary& CommonDialogs() {
    return CDeferredLibrary::CommonDialogs();
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
    int nAnswer = 0;
    if (CModalSeam::HasResponder()) {
        CModalRequest request{
            CModalRequest::messageBox, hOwner, pszText, pszCaption, nType, nullptr};
        nAnswer = CModalSeam::Answer(request);
    } else {
        nAnswer = MessageBoxA(hOwner, pszText, pszCaption, nType);
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
