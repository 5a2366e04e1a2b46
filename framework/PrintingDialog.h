// CPrintingDialog: the small modeless "Printing" window shown while a job
// is spooled, with a Cancel button that the abort procedure listens to.
#pragma once
#include "framework/Wnd.h"

class CPrintingDialog : public CWnd {
public:
    // Shows the window centred over pParent, naming the document and printer.
    bool Create(CWnd* pParent, const char* pszDocument, const char* pszPrinter);
    ~CPrintingDialog() override;

    // The abort procedure for SetAbortProc: lets the window take its
    // messages and answers whether the job goes on.
    static BOOL CALLBACK AbortProc(HDC hDC, int nCode);
    // Set by Cancel (or Esc) of the window that is showing.
    static bool s_bUserAbort;

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
};
