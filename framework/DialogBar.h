// CDialogBar: a child dialog docked along one edge of a frame. It keeps the
// size of its template and passes its controls' commands and notifications
// on to the frame.
#pragma once
#include "framework/Dialog.h"

// Alignment, border and hint styles of a bar. CBRS_FLYBY shows the prompt
// of the control under the mouse (its string resource, up to the first
// newline) in pane 0 of the frame's status bar.
enum : UINT {
    CBRS_FLYBY = 0x0010,
    CBRS_BORDER_LEFT = 0x0100,
    CBRS_BORDER_TOP = 0x0200,
    CBRS_BORDER_RIGHT = 0x0400,
    CBRS_BORDER_BOTTOM = 0x0800,
    CBRS_ALIGN_LEFT = 0x1000,
    CBRS_ALIGN_TOP = 0x2000,
    CBRS_ALIGN_RIGHT = 0x4000,
    CBRS_ALIGN_BOTTOM = 0x8000,
    CBRS_LEFT = CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT,
    CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
    CBRS_RIGHT = CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT,
    CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP,
};

class CDialogBar : public CDialog {
public:
    // The template becomes a visible child whatever its own style says.
    bool Create(CWnd* pParent, UINT nIDTemplate, UINT nStyle, UINT nID);
    bool CreateIndirect(CWnd* pParent, const void* pTemplate, size_t cbTemplate, UINT nStyle,
                        UINT nID);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    CRect BorderWidths() const;
    void PaintBorders();
    void OnSetCursor(HWND hWndUnder);
    void CheckPromptStillValid();
    void EndPrompt();
    void SetStatusText(const char* pszText);

    UINT m_nBarStyle = 0;
    CSize m_sizeFixed;
    UINT m_nPromptID = 0; // control whose prompt the status bar shows
};
