// CFontDialog: the common font dialog, shown through the modal seam. Only on
// OK is the chosen font written into the LOGFONT given to the constructor;
// the colour is in m_cf.rgbColors. OnInitDialog runs inside the real dialog,
// so a derived class can adjust its controls there.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include "framework/Dialog.h"

class CFontDialog : public CDialog {
public:
    explicit CFontDialog(LOGFONTA* plfInitial = nullptr,
                         DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS, HDC hdcPrinter = nullptr,
                         CWnd* pParent = nullptr);

    INT_PTR DoModal() override;

    COLORREF GetColor() const { return m_cf.rgbColors; }
    // Size in tenths of a point.
    int GetSize() const { return m_cf.iPointSize; }

    CHOOSEFONTA m_cf = {};
    // The font the dialog works on; m_cf.lpLogFont points here.
    LOGFONTA m_lf = {};

private:
    LOGFONTA* m_plfCaller;

    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
};
