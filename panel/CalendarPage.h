// CCalendarPage: the "Calendar" page: month and year, kind of calendar, the
// note of the selected day box, day-number side, orientation and size of the
// calendar block, arrangement of a year calendar.
#pragma once
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "panel/PanelPage.h"

class CCalendarPage : public CPanelPage {
public:
    CCalendarPage();

    // Month-calendar controls here and on the Style page; the heading
    // alignment comes back from the profile, undoing what year mode made of it.
    void ShowMonthControls();
    // Year-calendar controls; a split heading becomes centred.
    void ShowYearControls();
    // Empties the notes and captions of all day boxes and the selection.
    void ClearDayNotes();
    // Keeps the note plus the selected box's captions within a day box:
    // 120 characters and 9 lines.
    void CheckNoteLimits();
    // Stores the note edit's text into the selected box; true when the box
    // changed.
    bool StoreNote();
    // Refills the note edit from the selected box.
    void ReloadNote();
    // The toggle buttons name the state a click selects.
    void ShowDaySwapSide();
    void ShowOrientation();

    int m_nArrangeCols = 3;
    int m_nArrangeRows = 4;

    CComboBox m_cbMonth;
    CComboBox m_cbYear;
    CEdit m_editNote;
    CEdit m_editFullText;
    CButton m_btnDaySwap;
    CButton m_btnDocKind;
    CButton m_btnOrientation;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCmdMsg(unsigned nID, int nCode) override;

private:
    void SetUpNoteEdits();
    void ShowKindControls(bool bYearDoc);

    void OnDocKind();
    void OnMonthSelChange() { OnListSelChange(false); }
    void OnYearSelChange() { OnListSelChange(true); }
    void OnListSelChange(bool bYear);
    void OnNoteChange();
    void OnNoteMaxText();
    void OnNoteEnter();
    void OnDaySwap();
    void OnOrientation();
    void OnFullWidth();
    void OnHalfWidth();
    void OnFullHeight();
    void OnHalfHeight();
    bool OnArrange(unsigned nID);

    // The selected box's captions; empty without a selection.
    CString SelectedEventText() const;
    // Shows strText in the tall edit while the message box is up.
    void ShowFullText(const CString& strText, const char* pszMessage);
    void PutNoteText(const CString& strText, int nCaret);
    void TrimNoteLength(CString& strNote, const CString& strEvents);
    void TrimNoteLines(CString& strNote, const CString& strEvents);
    // After a change of the calendar block's placement.
    void PlacementChanged();

    bool m_bInNoteChange = false;
};
