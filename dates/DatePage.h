// CDatePage: what the three pages of the Insert Date dialog share: their
// four texts (the date text and the three words of the dialog's heading),
// publishing them as the pending date, and telling the dialog.
#pragma once
#include "panel/PanelPage.h"

// Private messages between the Insert Date dialog, its pages and the Events
// page. WM_PENDING_CHANGED: wParam 2 when it comes from the Holidays page,
// lParam then the number of selected holidays.
const UINT WM_PENDING_CHANGED = WM_APP + 101;
// Asks the Events page to insert the pending date with the dialog's caption.
const UINT WM_INSERT_PENDING = WM_APP + 102;

class CDatePage : public CPanelPage {
public:
    explicit CDatePage(UINT nIDTemplate) : CPanelPage(nIDTemplate) {}

    // Text 0: the date text; texts 1 to 3: the words of the heading.
    CString m_strText[4];

    // Texts 0..3 into the pending date and its three words.
    void Publish() const;

protected:
    // Posts WM_PENDING_CHANGED to the dialog that holds this page.
    void Notify(WPARAM wParam = 0, LPARAM lParam = 0) const;
};
