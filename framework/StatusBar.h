// CStatusBar: the common-controls status window along the bottom of a frame,
// with text panes and the Caps Lock, Num Lock and Scroll Lock indicators.
#pragma once
#include <vector>
#include "framework/WinApp.h"
#include "framework/Wnd.h"

#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif
#ifndef ID_INDICATOR_CAPS
#define ID_INDICATOR_CAPS 0xE701
#endif
#ifndef ID_INDICATOR_NUM
#define ID_INDICATOR_NUM 0xE702
#endif
#ifndef ID_INDICATOR_SCRL
#define ID_INDICATOR_SCRL 0xE703
#endif

// Pane styles; the border bits match the status window's SBT_ text styles.
enum : UINT {
    SBPS_NORMAL = 0x0000,
    SBPS_NOBORDERS = 0x0100,
    SBPS_POPOUT = 0x0200,
    SBPS_STRETCH = 0x0800,
};

class CStatusBar : public CWnd {
public:
    bool Create(CWnd* pParent, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id: ID_SEPARATOR makes a text pane, the indicator ids a
    // key indicator; any other id shows its string resource. The first pane
    // takes the width left over by the others.
    bool SetIndicators(const UINT* pIDs, int nCount);

    int GetCount() const { return (int)m_panes.size(); }
    bool SetPaneText(int nIndex, const char* pszText);
    CString GetPaneText(int nIndex) const;
    void SetPaneWidth(int nIndex, int cxWidth);
    int GetPaneWidth(int nIndex) const;
    // Shows each key indicator while its key is toggled on; for idle time.
    void UpdateIndicators();

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    struct Pane {
        UINT nID;
        UINT nStyle;
        int cxWidth;
        int nVirtKey; // 0 for a pane that is not a key indicator
        CString strIndicator;
        CString strText;
    };

    void UpdateParts();
    void ShowText(int nIndex);
    int TextWidth(const char* psz) const;
    bool IsValid(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }

    std::vector<Pane> m_panes;
};
