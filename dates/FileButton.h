// CFileButton: the Events page's file button, whose text is its role:
// "Delete", "Load" or "Save". Its text changes while the user works, even
// under the mouse: the click on "Load" turns it into "Delete". It therefore
// remembers the text it read when the user pressed it, so that a click acts
// in the role the user saw, and a press that was under way as the text
// changed (the second click of a double click, a click still queued while
// the file loaded) acts in no role at all.
#pragma once
#include "framework/Button.h"

class CFileButton : public CButton {
public:
    // Takes the button's messages from now on; called once it is bound.
    void WatchPresses() { SubclassWindow(Detach()); }
    // True while the click being reported began with a press made while the
    // button read pszRole: with the mouse, the space bar or BM_CLICK.
    bool ClickedAs(const char* pszRole) const { return m_strPressedAs == pszRole; }

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    // The text a press that starts now is made on; empty for a press that
    // began before the text last changed.
    CString PressedText() const;

    DWORD m_dwTextChanged = 0;
    bool m_bProgrammatic = false;
    CString m_strPressedAs;
};
