// The running program with its Calendar page, driven through its controls.
#pragma once
#include <vector>

#include "common/AppFixture.h"

class CAlmanarkDoc;
class CAlmanarkView;
class CCalendarPage;
class CMainFrame;
class CStylePage;
class CWnd;

// A message box as the user would have seen it, with the tall note edit.
struct CShownMessage {
    CString strText;
    CString strCaption;
    UINT nType;
    bool bFullTextShown;
    CString strFullText;
};

class CPanelFixture : public CAppFixture {
protected:
    void SetUp() override;

    CMainFrame& Frame();
    CCalendarPage& Page();
    CStylePage& Style();
    CAlmanarkDoc& Doc();
    CAlmanarkView& View();

    void Click(CWnd& page, int nID);
    // Chooses list entry nIndex as the user would.
    void Choose(int nListID, int nIndex);
    CString Text(CWnd& page, int nID);
    // The control's own visible flag, whatever its parents show.
    bool Shown(CWnd& page, int nID);
    bool Enabled(CWnd& page, int nID);
    bool Checked(CWnd& page, int nID);
    void Paint();

    // Answers message boxes with nAnswer and records them in m_shown.
    void WatchMessages(int nAnswer = IDOK);
    std::vector<CShownMessage> m_shown;
};
