// CPanelPage: what every page of the control panel shares. A page is a
// modeless child dialog that lives as long as the frame; Return and Esc do
// nothing on it.
#pragma once
#include "framework/Dialog.h"

class CPanelPage : public CDialog {
public:
    explicit CPanelPage(UINT nIDTemplate) : CDialog(nIDTemplate) {}

    UINT GetTemplate() const { return m_nIDTemplate; }

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
