// CDataExchange: one pass of DoDataExchange between a dialog's controls and
// its members. The DDX_ functions each bind or exchange one control.
#pragma once
#include <windows.h>
#include "framework/String.h"

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* pDlg, bool bSaveAndValidate)
        : m_pDlgWnd(pDlg), m_bSaveAndValidate(bSaveAndValidate) {}

    HWND GetControl(int nID) const;
    // Marks the pass as failed, so that UpdateData reports false.
    void Fail() { m_bFailed = true; }
    bool Failed() const { return m_bFailed; }

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;

private:
    bool m_bFailed = false;
};

// Binds ctrl to control nID; a missing control fails the pass.
void DDX_Control(CDataExchange* pDX, int nID, CWnd& ctrl);
void DDX_Text(CDataExchange* pDX, int nID, CString& value);
// Check state of a check box or radio button: BST_UNCHECKED, BST_CHECKED, ...
void DDX_Check(CDataExchange* pDX, int nID, int& value);
