// CInsertDateDlg: the modal "Insert Date" dialog that the Events page opens.
// Its three pages choose the date text, the user types a caption, and Apply
// or OK hands both to the Events page, which inserts the entry.
#pragma once
#include "dates/CalculatedDatePage.h"
#include "dates/HolidaysPage.h"
#include "dates/SpecificDatePage.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/TabCtrl.h"

class CEventsPage;

class CInsertDateDlg : public CDialog {
public:
    explicit CInsertDateDlg(CEventsPage& page);

    CHolidaysPage m_pageHolidays;
    CCalculatedDatePage m_pageCalculated;
    CSpecificDatePage m_pageSpecific;
    CButton m_btnOK;
    CButton m_btnApply;
    CString m_strCaption;
    CString m_strHeading;
    CTabCtrl m_tabs;
    CEdit m_editCaption;

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCmdMsg(unsigned nID, int nCode) override;
    void OnOK() override;

private:
    enum { kSpecificTab, kCalculatedTab, kHolidaysTab };
    void PlaceAtViewCorner();
    void CreatePages();
    void CreatePage(CDatePage& page);
    void OnPendingChanged(WPARAM wParam);
    void TakeCaption();
    void ValidateCaption();
    void ApplyPendingDates();
    void InsertPending();
    void OnTabChanging();
    void OnTabChanged();
    void ShowHeadingAndCaption();

    CEventsPage& m_page;
};
