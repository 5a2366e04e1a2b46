#include "framework/View.h"

#include "framework/Dc.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/PaintDC.h"
#include "framework/PreviewView.h"
#include "framework/PrintInfo.h"
#include "framework/PrintingDialog.h"
#include "framework/WinApp.h"

namespace {
// A view draws its page to the window's scale, so any change of its size
// redraws all of it, not only the strips that a larger window uncovers.
const char* RegisterViewClass() {
    static const char kViewClass[] = "AlmanarkView";
    static bool s_bRegistered = false;
    if (!s_bRegistered) {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = CWnd::StandardWndProc();
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
        wc.lpszClassName = kViewClass;
        s_bRegistered = ::RegisterClassA(&wc) != 0;
    }
    return kViewClass;
}
} // namespace

bool CView::Create(CWnd* pParent, UINT nID) {
    CRect rc(0, 0, 0, 0);
    return CreateEx(WS_EX_CLIENTEDGE, RegisterViewClass(), "",
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rc, pParent, nID);
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnDraw(&dc);
}

LRESULT CView::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_MOUSEACTIVATE: {
        LRESULT lResult = CWnd::WindowProc(nMsg, wParam, lParam);
        if (::GetFocus() != m_hWnd)
            ::SetFocus(m_hWnd);
        return lResult;
    }
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

// ---- printing ----

CFrameWnd* CView::GetParentFrame() const {
    return dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(GetParent()));
}

bool CView::DoPreparePrinting(CPrintInfo* pInfo) {
    CPrintDialog& dlg = *pInfo->m_pPD;
    if (pInfo->m_bPreview || pInfo->m_bDirect) {
        if (!dlg.GetPrinterDC() && !dlg.GetDefaults())
            return false;
    } else if (dlg.DoModal() != IDOK) {
        return false;
    }
    return dlg.GetPrinterDC() != nullptr;
}

namespace {
// Prints the pages of one job; false when the spooler refused any step.
bool PrintPages(CView& view, CDC& dc, CPrintInfo& info, const CString& strTitle) {
    if (dc.StartDoc(strTitle, info.m_strOutput.IsEmpty() ? nullptr : info.m_strOutput.c_str()) <= 0)
        return false;
    bool bOK = true;
    for (UINT nPage = info.GetMinPage(); bOK && nPage <= info.GetMaxPage(); ++nPage) {
        info.m_nCurPage = nPage;
        view.OnPrepareDC(&dc, &info);
        bOK = dc.StartPage() > 0;
        if (bOK)
            view.OnPrint(&dc, &info);
        bOK = bOK && !CPrintingDialog::s_bUserAbort && dc.EndPage() > 0 && info.m_bContinuePrinting;
    }
    if (bOK && !CPrintingDialog::s_bUserAbort)
        return dc.EndDoc() > 0;
    dc.AbortDoc();
    return false;
}
} // namespace

CView::PrintResult CView::DoFilePrint(bool bDirect, const char* pszOutput) {
    CPrintInfo info;
    info.m_bDirect = bDirect;
    info.m_strOutput = pszOutput;
    if (!OnPreparePrinting(&info) || !info.m_pPD->GetPrinterDC())
        return printCancelled;
    CDC dc;
    dc.Attach(info.m_pPD->GetPrinterDC());
    dc.m_bPrinting = true;
    info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    OnBeginPrinting(&dc, &info);
    const CString strTitle = !info.m_strDocTitle.IsEmpty() ? info.m_strDocTitle
                             : m_pDocument                 ? m_pDocument->GetTitle()
                                                           : CString();
    CWnd* pMain = AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr;
    CPrintingDialog dlgPrinting;
    dlgPrinting.Create(pMain, strTitle, info.m_pPD->GetDeviceName());
    // The job is modal: the main window takes no input until it is spooled.
    const bool bWasEnabled = pMain && pMain->GetSafeHwnd() && !::EnableWindow(*pMain, FALSE);
    ::SetAbortProc(dc.m_hDC, &CPrintingDialog::AbortProc);
    const bool bOK = PrintPages(*this, dc, info, strTitle);
    const bool bAborted = CPrintingDialog::s_bUserAbort;
    if (bWasEnabled)
        ::EnableWindow(*pMain, TRUE);
    dlgPrinting.DestroyWindow();
    OnEndPrinting(&dc, &info);
    dc.Detach();
    return bAborted ? printCancelled : bOK ? printDone : printFailed;
}

bool CView::IsPreviewOpen() const {
    const CFrameWnd* pFrame = GetParentFrame();
    return pFrame && pFrame->GetPreview();
}

bool CView::DoPrintPreview() {
    CFrameWnd* pFrame = GetParentFrame();
    if (!pFrame || pFrame->GetPreview())
        return false;
    auto pInfo = std::make_unique<CPrintInfo>();
    pInfo->m_bPreview = true;
    if (!OnPreparePrinting(pInfo.get()) || !pInfo->m_pPD->GetPrinterDC())
        return false;
    auto* pPreview = new CPreviewView(*this, std::move(pInfo));
    if (!pPreview->Create(pFrame)) {
        delete pPreview;
        return false;
    }
    // The preview stands in before printing begins, so that a layout made
    // then sizes the preview, not the view it hides.
    pFrame->SetPreview(pPreview);
    ShowWindow(SW_HIDE);
    CDC dc;
    dc.Attach(pPreview->Info().m_pPD->GetPrinterDC());
    dc.m_bPrinting = true;
    OnBeginPrinting(&dc, &pPreview->Info());
    dc.Detach();
    pFrame->RecalcLayout();
    pPreview->ShowWindow(SW_SHOW);
    pPreview->SetFocus();
    return true;
}

void CView::ClosePrintPreview() {
    CFrameWnd* pFrame = GetParentFrame();
    CPreviewView* pPreview = pFrame ? pFrame->GetPreview() : nullptr;
    if (!pPreview)
        return;
    pFrame->SetPreview(nullptr);
    pPreview->ShowWindow(SW_HIDE);
    ShowWindow(SW_SHOW);
    CDC dc;
    dc.Attach(pPreview->Info().m_pPD->GetPrinterDC());
    dc.m_bPrinting = true;
    OnEndPrinting(&dc, &pPreview->Info());
    dc.Detach();
    pFrame->RecalcLayout();
    SetFocus();
    // The preview deletes itself with its window.
    pPreview->DestroyWindow();
}
