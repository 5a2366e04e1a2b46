#include "PanelFixture.h"

#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

void CPanelFixture::SetUp() {
    CAppFixture::SetUp();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(theApp.m_pFrame && theApp.m_pDoc && theApp.m_pView);
    Doc().SetModifiedFlag(false);
}

CMainFrame& CPanelFixture::Frame() {
    return *theApp.m_pFrame;
}
CCalendarPage& CPanelFixture::Page() {
    return Frame().m_wndCalendarPage;
}
CStylePage& CPanelFixture::Style() {
    return Frame().m_wndStylePage;
}
CAlmanarkDoc& CPanelFixture::Doc() {
    return *theApp.m_pDoc;
}
CAlmanarkView& CPanelFixture::View() {
    return *theApp.m_pView;
}

void CPanelFixture::Click(CWnd& page, int nID) {
    ::SendMessageA(page.GetDlgItem(nID), BM_CLICK, 0, 0);
}

void CPanelFixture::Choose(int nListID, int nIndex) {
    HWND hList = Page().GetDlgItem(nListID);
    ::SendMessageA(hList, CB_SETCURSEL, nIndex, 0);
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(nListID, CBN_SELCHANGE), (LPARAM)hList);
}

CString CPanelFixture::Text(CWnd& page, int nID) {
    return page.GetDlgItemText(nID);
}

bool CPanelFixture::Shown(CWnd& page, int nID) {
    return (::GetWindowLongA(page.GetDlgItem(nID), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool CPanelFixture::Enabled(CWnd& page, int nID) {
    return ::IsWindowEnabled(page.GetDlgItem(nID)) != 0;
}

bool CPanelFixture::Checked(CWnd& page, int nID) {
    return ::IsDlgButtonChecked(page, nID) == BST_CHECKED;
}

void CPanelFixture::Paint() {
    View().Invalidate();
    View().UpdateWindow();
}

void CPanelFixture::WatchMessages(int nAnswer) {
    CModalSeam::SetResponder([this, nAnswer](CModalRequest& request) {
        if (request.kind != CModalRequest::messageBox) {
            ADD_FAILURE() << "unexpected dialog " << request.kind;
            return 0;
        }
        HWND hFull = Page().GetDlgItem(IDC_FULL_TEXT);
        m_shown.push_back({request.strText, request.strCaption, request.nType,
                           (::GetWindowLongA(hFull, GWL_STYLE) & WS_VISIBLE) != 0,
                           Text(Page(), IDC_FULL_TEXT)});
        return nAnswer;
    });
}
