// COptionsDlg: the modal "Options" dialog of the Tools menu. It shows the
// user's preferences and, on OK, hands back the ones chosen; storing them is
// the application's (CAlmanarkApp::SetOptions).
#pragma once
#include "app/Options.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"

class COptionsDlg : public CDialog {
public:
    COptionsDlg(const COptions& options, CWnd* pParent);

    // The choices: as given until OK reads them from the controls.
    const COptions& GetOptions() const { return m_options; }

    CComboBox m_cbFirstWeekday;
    CButton m_btnWeekNumbers;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    COptions m_options;
};
