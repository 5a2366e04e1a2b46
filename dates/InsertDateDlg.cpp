#include "dates/InsertDateDlg.h"

#include "app/AlmanarkApp.h"
#include "dates/EventsPage.h"
#include "framework/DataExchange.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
const int kMaxCaption = 30;
const char kAlreadyListed[] = " already listed";
} // namespace

CInsertDateDlg::CInsertDateDlg(CEventsPage& page) : CDialog(IDD_INSERT_DATE, &page), m_page(page) {}

void CInsertDateDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_APPLY, m_btnApply);
    DDX_Control(pDX, IDC_DATE_TABS, m_tabs);
    DDX_Control(pDX, IDC_CAPTION, m_editCaption);
}

BOOL CInsertDateDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    PlaceAtViewCorner();
    CreatePages();
    m_strCaption.Empty();
    m_strHeading.Empty();
    m_editCaption.LimitText(kMaxCaption);
    PostMessage(WM_PENDING_CHANGED, 1);
    return TRUE;
}

void CInsertDateDlg::PlaceAtViewCorner() {
    CAlmanarkView* pView = theApp.m_pView;
    if (!pView || !pView->GetSafeHwnd())
        return;
    CRect rcView = pView->GetClientRect();
    POINT ptTopRight = {rcView.right, rcView.top};
    pView->ClientToScreen(&ptTopRight);
    CRect rcDlg = GetWindowRect();
    ::SetWindowPos(m_hWnd, nullptr, ptTopRight.x - rcDlg.Width(), ptTopRight.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CInsertDateDlg::CreatePages() {
    m_tabs.InsertItem(kSpecificTab, "Specific Date");
    m_tabs.InsertItem(kCalculatedTab, "Calculated Date");
    m_tabs.InsertItem(kHolidaysTab, "Holidays");
    // Tab and the arrow keys reach the controls of the pages inside the tabs.
    ::SetWindowLongA(m_tabs, GWL_EXSTYLE,
                     ::GetWindowLongA(m_tabs, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    // The other pages are made when their tab is first chosen: the dialog
    // shows sooner.
    CreatePage(m_pageSpecific);
    m_pageSpecific.ShowWindow(SW_SHOW);
}

void CInsertDateDlg::CreatePage(CDatePage& page) {
    if (page.GetSafeHwnd())
        return;
    CRect rcDisplay = m_tabs.GetClientRect();
    m_tabs.AdjustRect(false, &rcDisplay);
    page.Create(page.GetTemplate(), &m_tabs);
    page.MoveWindow(rcDisplay);
}

bool CInsertDateDlg::OnCmdMsg(unsigned nID, int nCode) {
    if (nID == IDC_CAPTION && nCode == EN_CHANGE) {
        TakeCaption();
        return true;
    }
    if (nID == IDC_APPLY && nCode == BN_CLICKED) {
        ApplyPendingDates();
        return true;
    }
    return CDialog::OnCmdMsg(nID, nCode);
}

bool CInsertDateDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (wParam != IDC_DATE_TABS || !pHdr)
        return CDialog::OnNotify(wParam, lParam, pResult);
    if (pHdr->code == TCN_SELCHANGING)
        OnTabChanging();
    else if (pHdr->code == TCN_SELCHANGE)
        OnTabChanged();
    else
        return false;
    *pResult = 0;
    return true;
}

LRESULT CInsertDateDlg::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_PENDING_CHANGED) {
        OnPendingChanged(wParam);
        return 0;
    }
    return CDialog::WindowProc(nMsg, wParam, lParam);
}

void CInsertDateDlg::ShowHeadingAndCaption() {
    SetDlgItemText(IDC_HEADING, m_strHeading);
    m_editCaption.SetWindowText(m_strCaption);
}

void CInsertDateDlg::OnPendingChanged(WPARAM wParam) {
    m_strHeading =
        theApp.m_strPendingWords[0] + theApp.m_strPendingWords[1] + theApp.m_strPendingWords[2];
    if (wParam == 2)
        m_strCaption = theApp.m_strPendingWords[0];
    ShowHeadingAndCaption();
    ValidateCaption();
}

// The box stops typing at 30 characters; text that another program sets
// into it is held to the same length, and the box shows what was taken.
void CInsertDateDlg::TakeCaption() {
    m_strCaption = m_editCaption.GetWindowText();
    if (m_strCaption.GetLength() > kMaxCaption) {
        m_strCaption = m_strCaption.Left(kMaxCaption);
        m_editCaption.SetWindowText(m_strCaption);
    }
    ValidateCaption();
}

void CInsertDateDlg::ValidateCaption() {
    CString strLine = theApp.m_strPendingDate + "\t" + m_strCaption;
    bool bListed = m_page.m_listDates.FindStringExact(-1, strLine) >= 0;
    bool bEnable = !bListed && !m_strCaption.IsEmpty();
    m_btnOK.EnableWindow(bEnable);
    m_btnApply.EnableWindow(bEnable);
    CEventsPage::SetStatusPane(bListed && !m_strCaption.IsEmpty() ? kAlreadyListed : "");
}

void CInsertDateDlg::InsertPending() {
    m_page.SendMessage(WM_INSERT_PENDING);
}

void CInsertDateDlg::ApplyPendingDates() {
    if (m_tabs.GetCurSel() == kHolidaysTab) {
        CListBox& list = m_pageHolidays.m_listHolidays;
        std::vector<int> selected = list.GetSelItems(list.GetCount());
        for (int nIndex : selected) {
            CString strLine = list.GetText(nIndex);
            theApp.m_strPendingDate = strLine.Left(strLine.Find('\t'));
            m_strCaption = strLine.Mid(strLine.ReverseFind('\t') + 1);
            InsertPending();
        }
        list.SetSel(-1, false);
        m_strHeading.Empty();
        if (selected.empty())
            InsertPending();
    } else {
        InsertPending();
    }
    m_strCaption.Empty();
    ShowHeadingAndCaption();
    ValidateCaption();
}

void CInsertDateDlg::OnOK() {
    if (!m_strCaption.IsEmpty())
        ApplyPendingDates();
    EndDialog(IDOK);
}

void CInsertDateDlg::OnTabChanging() {
    if (m_tabs.GetCurSel() == kHolidaysTab)
        m_strCaption.Empty();
}

void CInsertDateDlg::OnTabChanged() {
    for (CDatePage* pPage :
         {(CDatePage*)&m_pageSpecific, (CDatePage*)&m_pageCalculated, (CDatePage*)&m_pageHolidays})
        if (pPage->GetSafeHwnd())
            pPage->ShowWindow(SW_HIDE);
    int nTab = m_tabs.GetCurSel();
    CDatePage& page = nTab == kSpecificTab     ? (CDatePage&)m_pageSpecific
                      : nTab == kCalculatedTab ? (CDatePage&)m_pageCalculated
                                               : (CDatePage&)m_pageHolidays;
    CreatePage(page);
    page.Publish();
    if (nTab == kSpecificTab)
        m_pageSpecific.ComposePending();
    page.ShowWindow(SW_SHOW);
    if (nTab == kHolidaysTab)
        m_pageHolidays.OnHolidaySel();
    else
        PostMessage(WM_PENDING_CHANGED, nTab);
}
