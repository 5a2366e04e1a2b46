// CHelpDialog: the program's help text in a window of its own.
#pragma once
#include "framework/Dialog.h"

class CHelpDialog : public CDialog {
public:
    explicit CHelpDialog(CWnd* pParent = nullptr);

    // The help text of the program's resources, with Windows line breaks.
    static CString LoadHelpText();

protected:
    BOOL OnInitDialog() override;
};
