#include "panel/CalendarPage.h"

#include <algorithm>

#include "app/AlmanarkApp.h"
#include "dates/DateCalc.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/DataExchange.h"
#include "framework/Dc.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"
#include "view/MonthLayout.h"

namespace {
const char kNoteFull[] = "Day Note full.";
const char kNoMoreLines[] = "No more lines available for Day Note.";
// What a day box holds: note (day-number line included) plus captions.
const int kMaxBoxChars = 120;
const int kMaxLineBreaks = 8;

int CountLineBreaks(const CString& str) {
    int nCount = 0;
    for (int i = str.Find(kCrLf); i >= 0; i = str.Find(kCrLf, i + 2))
        ++nCount;
    return nCount;
}

// Start of the last CR LF that ends at or before nEnd, or -1.
int LastLineBreakBefore(const CString& str, int nEnd) {
    for (int i = std::min(nEnd, str.GetLength()) - 2; i >= 0; --i)
        if (str[i] == '\r' && str[i + 1] == '\n')
            return i;
    return -1;
}

// Placement is stored as fractions of the page drawn last; before the first
// paint there is nothing to measure against.
bool PageDrawn() {
    const CAlmanarkView* pView = theApp.m_pView;
    return theApp.m_pDoc && pView && pView->m_pageWidth > 0.0 && pView->m_pageHeight > 0.0;
}

void RaiseViewRequests() {
    if (CAlmanarkView* pView = theApp.m_pView) {
        ++pView->m_nRefreshNote;
        ++pView->m_nEvalEvents;
    }
}
} // namespace

CCalendarPage::CCalendarPage() : CPanelPage(IDD_CALENDAR_PAGE) {}

void CCalendarPage::DoDataExchange(CDataExchange* pDX) {
    CPanelPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MONTH, m_cbMonth);
    DDX_Control(pDX, IDC_YEAR, m_cbYear);
    DDX_Control(pDX, IDC_NOTE, m_editNote);
    DDX_Control(pDX, IDC_FULL_TEXT, m_editFullText);
    DDX_Control(pDX, IDC_DAY_SWAP, m_btnDaySwap);
    DDX_Control(pDX, IDC_DOC_KIND, m_btnDocKind);
    DDX_Control(pDX, IDC_ORIENTATION, m_btnOrientation);
}

BOOL CCalendarPage::OnInitDialog() {
    CPanelPage::OnInitDialog();
    // The year list holds exactly the years the program works with, so that
    // list index i is year 1970 + i.
    if (m_cbYear.GetCount() == 0)
        for (int nYear = FIRST_YEAR; nYear <= LAST_YEAR; ++nYear)
            m_cbYear.AddString(CString::FromInt(nYear));
    SetUpNoteEdits();
    m_editNote.LimitText(kMaxBoxChars);
    CheckRadioButton(IDC_ARRANGE_3X4, IDC_ARRANGE_6X2, IDC_ARRANGE_3X4);
    m_nArrangeCols = 3;
    m_nArrangeRows = 4;
    return TRUE;
}

void CCalendarPage::SetUpNoteEdits() {
    CRect rcNote = m_editNote.GetRect();
    rcNote.DeflateRect(5, 5);
    m_editNote.SetRect(rcNote);
    CDC dc;
    TEXTMETRICA tm = {};
    if (dc.CreateDC("DISPLAY", nullptr, nullptr, nullptr))
        ::GetTextMetricsA(dc, &tm);
    // One tab stop near the right edge: a leading tab moves the day number
    // to the right, as the day box shows it.
    const int nTabStop = tm.tmAveCharWidth > 0 ? 4 * (rcNote.Width() / tm.tmAveCharWidth) : 0;
    m_editNote.SetTabStops(nTabStop);
    CRect rcFull = m_editFullText.GetRect();
    rcFull.DeflateRect(5, 5);
    m_editFullText.SetRect(rcFull);
    m_editFullText.SetTabStops(nTabStop);
    // The full text lies over the note edit; without this the note edit,
    // repainting the character just typed, would draw over the full text
    // while "Day Note full." is up.
    ::SetWindowLongA(m_editNote, GWL_STYLE,
                     ::GetWindowLongA(m_editNote, GWL_STYLE) | WS_CLIPSIBLINGS);
}

bool CCalendarPage::OnCmdMsg(unsigned nID, int nCode) {
    static const struct {
        unsigned nID;
        int nCode;
        void (CCalendarPage::*pfn)();
    } s_handlers[] = {
        {IDC_MONTH, CBN_SELCHANGE, &CCalendarPage::OnMonthSelChange},
        {IDC_YEAR, CBN_SELCHANGE, &CCalendarPage::OnYearSelChange},
        {IDC_NOTE, EN_CHANGE, &CCalendarPage::OnNoteChange},
        {IDC_NOTE, EN_MAXTEXT, &CCalendarPage::OnNoteMaxText},
        {IDC_NOTE_ENTER, BN_CLICKED, &CCalendarPage::OnNoteEnter},
        {IDC_NOTE_CANCEL, BN_CLICKED, &CCalendarPage::ReloadNote},
        {IDC_DAY_SWAP, BN_CLICKED, &CCalendarPage::OnDaySwap},
        {IDC_DOC_KIND, BN_CLICKED, &CCalendarPage::OnDocKind},
        {IDC_ORIENTATION, BN_CLICKED, &CCalendarPage::OnOrientation},
        {IDC_CAL_FULL_WIDTH, BN_CLICKED, &CCalendarPage::OnFullWidth},
        {IDC_CAL_HALF_WIDTH, BN_CLICKED, &CCalendarPage::OnHalfWidth},
        {IDC_CAL_FULL_HEIGHT, BN_CLICKED, &CCalendarPage::OnFullHeight},
        {IDC_CAL_HALF_HEIGHT, BN_CLICKED, &CCalendarPage::OnHalfHeight},
    };
    for (const auto& handler : s_handlers) {
        if (handler.nID == nID && handler.nCode == nCode) {
            (this->*handler.pfn)();
            return true;
        }
    }
    if (nCode == BN_CLICKED && OnArrange(nID))
        return true;
    return CPanelPage::OnCmdMsg(nID, nCode);
}

// ---- month and year, kind of calendar ----

void CCalendarPage::ShowKindControls(bool bYearDoc) {
    if (m_hWnd) {
        static const int s_anMonthOnly[] = {
            IDC_NOTE_ENTER,      IDC_MONTH,       IDC_NOTE,    IDC_DAY_NUMBERS_LABEL,
            IDC_DAY_NOTES_GROUP, IDC_NOTE_CANCEL, IDC_DAY_SWAP};
        static const int s_anYearOnly[] = {IDC_ARRANGE_GROUP, IDC_ARRANGE_3X4, IDC_ARRANGE_4X3,
                                           IDC_ARRANGE_2X6, IDC_ARRANGE_6X2};
        for (int nID : s_anMonthOnly)
            ::ShowWindow(GetDlgItem(nID), bYearDoc ? SW_HIDE : SW_SHOW);
        for (int nID : s_anYearOnly)
            ::ShowWindow(GetDlgItem(nID), bYearDoc ? SW_SHOW : SW_HIDE);
        m_btnDocKind.SetWindowText(bYearDoc ? "Month" : "Year");
    }
    if (theApp.m_pFrame)
        theApp.m_pFrame->m_wndStylePage.ShowDocumentKind(bYearDoc);
}

void CCalendarPage::ShowMonthControls(bool bReloadDateStyle) {
    ShowKindControls(false);
    if (bReloadDateStyle)
        theApp.m_nDateStyle = theApp.Settings().DateStyle();
    if (theApp.m_pFrame)
        theApp.m_pFrame->m_wndStylePage.CheckDateStyleRadio();
}

void CCalendarPage::ShowYearControls() {
    ShowKindControls(true);
    CStylePage* pStyle = theApp.m_pFrame ? &theApp.m_pFrame->m_wndStylePage : nullptr;
    // A year heading has nothing to split. The profile keeps the user's
    // choice for the next month calendar.
    const bool bSplitChecked = pStyle && pStyle->GetSafeHwnd() &&
                               pStyle->IsDlgButtonChecked(IDC_DATE_SPLIT) == BST_CHECKED;
    if (bSplitChecked || theApp.m_nDateStyle == -1)
        theApp.m_nDateStyle = 1;
    if (pStyle)
        pStyle->CheckDateStyleRadio();
}

void CCalendarPage::OnDocKind() {
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    if (!pDoc || !pDoc->SaveModified())
        return;
    const bool bToYear = pDoc->m_bYearDoc == 0;
    pDoc->m_bYearDoc = bToYear ? 1 : 0;
    if (!bToYear)
        RaiseViewRequests();
    // Each kind comes back as the file last shown of that kind.
    const CString strPath = pDoc->GetPathName();
    if (!strPath.IsEmpty())
        theApp.WriteSetting(bToYear ? CSettingsKeys::kMonthDoc : CSettingsKeys::kYearDoc, strPath);
    ClearDayNotes();
    const CString strRemembered =
        theApp.Settings().String(bToYear ? CSettingsKeys::kYearDoc : CSettingsKeys::kMonthDoc);
    const bool bOpened = !strRemembered.IsEmpty() && pDoc->OnOpenDocument(strRemembered);
    if (!bOpened) {
        // Also after a failed open, so that the controls fit the calendar.
        pDoc->m_bYearDoc = bToYear ? 1 : 0;
        if (bToYear) {
            ShowYearControls();
        } else {
            pDoc->m_nMonth = 0;
            ShowMonthControls();
        }
    }
    pDoc->m_bResetOnNew = 0;
    pDoc->OnNewDocument();
    if (bOpened) {
        pDoc->SetPathName(strRemembered, true);
        if (theApp.m_pView)
            theApp.m_pView->OnInitialUpdate();
    } else {
        ++pDoc->m_bResetOnNew;
    }
    theApp.InvalidateView();
}

void CCalendarPage::OnListSelChange(bool bYear) {
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    if (!pDoc)
        return;
    CComboBox& list = bYear ? m_cbYear : m_cbMonth;
    // Read ahead of the prompt: a repaint while it is up puts the
    // document's value back into the list.
    const int nSel = list.GetCurSel();
    if (nSel < 0 || !pDoc->SaveModified()) {
        list.SetCurSel(bYear ? pDoc->m_nYear - FIRST_YEAR : pDoc->m_nMonth - 1);
        return;
    }
    if (bYear)
        pDoc->SetModifiedFlag(false);
    // The new calendar keeps the design. Left raised by a change not yet
    // painted, the flag would have it reset (quick keys in the list).
    pDoc->m_bResetOnNew = 0;
    pDoc->OnNewDocument();
    if (bYear)
        pDoc->m_nYear = FIRST_YEAR + nSel;
    else
        pDoc->m_nMonth = nSel + 1;
    ClearDayNotes();
    ++pDoc->m_bResetOnNew;
    RaiseViewRequests();
}

void CCalendarPage::ClearDayNotes() {
    if (CAlmanarkDoc* pDoc = theApp.m_pDoc)
        for (int nRow = 0; nRow < CMonthLayout::kRows; ++nRow)
            for (int nCol = 0; nCol < CMonthLayout::kColumns; ++nCol)
                pDoc->SetNote("", nCol, nRow);
    theApp.ClearEventText();
    if (CAlmanarkView* pView = theApp.m_pView) {
        pView->m_selCol = CMonthLayout::kColumns;
        pView->m_selRow = CMonthLayout::kRows;
        pView->m_selDay = 1;
    }
    if (m_editNote.GetSafeHwnd())
        m_editNote.SetWindowText("");
    theApp.InvalidateView();
}

// ---- the note ----

CString CCalendarPage::SelectedEventText() const {
    const CAlmanarkView* pView = theApp.m_pView;
    return pView && pView->HasSelection() ? pView->BoxCaptions(pView->m_selCol, pView->m_selRow)
                                          : CString();
}

void CCalendarPage::OnNoteChange() {
    // The line break put in below changes the edit once more.
    if (m_bInNoteChange)
        return;
    m_bInNoteChange = true;
    int nStart = 0, nEnd = 0;
    m_editNote.GetSel(nStart, nEnd);
    // The first line holds the day number; typing there goes on below it.
    if (m_editNote.LineFromChar(nStart) == 0)
        m_editNote.ReplaceSel(kCrLf);
    CheckNoteLimits();
    m_bInNoteChange = false;
    if (theApp.m_pView)
        ++theApp.m_pView->m_nNoteDirty;
}

void CCalendarPage::OnNoteMaxText() {
    ShowFullText(m_editNote.GetWindowText() + SelectedEventText(), kNoteFull);
}

void CCalendarPage::ShowFullText(const CString& strText, const char* pszMessage) {
    m_editFullText.SetWindowText(strText);
    m_editFullText.ShowWindow(SW_SHOW);
    AfxMessageBox(pszMessage, MB_OK | MB_ICONEXCLAMATION);
    m_editFullText.ShowWindow(SW_HIDE);
}

void CCalendarPage::PutNoteText(const CString& strText, int nCaret) {
    m_editNote.SetWindowText(strText);
    m_editNote.SetSel(nCaret, nCaret);
    m_editNote.ScrollCaret();
}

void CCalendarPage::CheckNoteLimits() {
    CString strNote = m_editNote.GetWindowText();
    const CString strEvents = SelectedEventText();
    // Ctrl+Backspace types a DEL character.
    const int nDel = strNote.Find('\x7f');
    if (nDel >= 0) {
        strNote.Delete(nDel);
        PutNoteText(strNote, nDel);
    }
    // Lines count as typed, before any trimming for length.
    const bool bTooManyLines = CountLineBreaks(strNote + strEvents) > kMaxLineBreaks;
    if (strNote.GetLength() + strEvents.GetLength() > kMaxBoxChars)
        TrimNoteLength(strNote, strEvents);
    if (bTooManyLines)
        TrimNoteLines(strNote, strEvents);
}

void CCalendarPage::TrimNoteLength(CString& strNote, const CString& strEvents) {
    int nStart = 0, nEnd = 0;
    m_editNote.GetSel(nStart, nEnd);
    nEnd = std::clamp(nEnd, 0, strNote.GetLength());
    // What was typed or pasted last goes, not text typed before it, and a
    // line break goes whole.
    const int nExcess = strNote.GetLength() + strEvents.GetLength() - kMaxBoxChars;
    int nCut = std::min(nExcess, nEnd);
    const int nFrom = nEnd - nCut;
    if (nCut > 0 && nFrom > 0 && strNote[nFrom] == '\n' && strNote[nFrom - 1] == '\r')
        ++nCut;
    strNote.Delete(nEnd - nCut, nCut);
    ShowFullText(strNote + strEvents, kNoteFull);
    // Captions alone may leave less room than the note had.
    while (strNote.GetLength() + strEvents.GetLength() > kMaxBoxChars && !strNote.IsEmpty())
        strNote.Delete(strNote.GetLength() - 1);
    PutNoteText(strNote, nEnd - nCut);
}

void CCalendarPage::TrimNoteLines(CString& strNote, const CString& strEvents) {
    int nStart = 0, nEnd = 0;
    m_editNote.GetSel(nStart, nEnd);
    int nCaret = std::clamp(nEnd, 0, strNote.GetLength());
    // Line breaks before the caret go, the newest first; the one below the
    // day number stays.
    const int nFirst = strNote.Find(kCrLf);
    while (CountLineBreaks(strNote + strEvents) > kMaxLineBreaks) {
        const int nBreak = LastLineBreakBefore(strNote, nCaret);
        if (nBreak <= nFirst)
            break;
        strNote.Delete(nBreak, 2);
        nCaret -= 2;
    }
    ShowFullText(strNote + strEvents, kNoMoreLines);
    PutNoteText(strNote, nCaret);
}

bool CCalendarPage::StoreNote() {
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    CAlmanarkView* pView = theApp.m_pView;
    if (!pDoc || !pView)
        return false;
    pView->m_nNoteDirty = 0;
    // Without a selected box the text has nowhere to go.
    if (!pView->HasSelection())
        return false;
    const CString strText = m_editNote.GetWindowText();
    if (strText == pView->BoxNote(pView->m_selCol, pView->m_selRow))
        return false;
    pView->SetBoxNote(strText, pView->m_selCol, pView->m_selRow);
    theApp.MarkModified();
    return true;
}

void CCalendarPage::OnNoteEnter() {
    CAlmanarkView* pView = theApp.m_pView;
    if (StoreNote() && pView->GetSafeHwnd())
        pView->InvalidateRect(
            &pView->m_boxRects[CMonthLayout::BoxIndex(pView->m_selCol, pView->m_selRow)]);
}

void CCalendarPage::ReloadNote() {
    const CAlmanarkDoc* pDoc = theApp.m_pDoc;
    const CAlmanarkView* pView = theApp.m_pView;
    if (!pDoc || !pView || !m_editNote.GetSafeHwnd())
        return;
    CString strText = pView->BoxNote(pView->m_selCol, pView->m_selRow);
    // The tab stop puts the day number at the right, as the box shows it.
    if (theApp.m_nDaySwap == 2 && !strText.IsEmpty())
        strText = "\t" + strText;
    m_editNote.SetWindowText(strText);
    // The edit now holds the document's text: nothing is waiting to be stored.
    theApp.m_pView->m_nNoteDirty = 0;
}

// ---- day numbers and orientation ----

void CCalendarPage::ShowDaySwapSide() {
    if (m_btnDaySwap.GetSafeHwnd())
        m_btnDaySwap.SetWindowText(theApp.m_nDaySwap == 2 ? "Left" : "Right");
}

void CCalendarPage::ShowOrientation() {
    if (m_btnOrientation.GetSafeHwnd())
        m_btnOrientation.SetWindowText(theApp.m_nOrientation == 2 ? "Portrait" : "Landscape");
}

void CCalendarPage::OnDaySwap() {
    theApp.m_nDaySwap = theApp.m_nDaySwap == 2 ? 0 : 2;
    ShowDaySwapSide();
    if (theApp.m_pView)
        ++theApp.m_pView->m_nRefreshNote;
    theApp.MarkModified();
    theApp.InvalidateView();
    theApp.WriteSetting(CSettingsKeys::kDaySwap, theApp.m_nDaySwap);
}

void CCalendarPage::OnOrientation() {
    const short nOrientation = theApp.m_nOrientation == 2 ? 1 : 2;
    theApp.m_nOrientation = nOrientation;
    if (theApp.m_pDoc)
        theApp.m_pDoc->m_nOrientation = nOrientation;
    if (theApp.m_pView)
        theApp.m_pView->m_printer.SetPrinterOrientation(nOrientation);
    ShowOrientation();
    theApp.MarkModified();
    theApp.InvalidateView();
    // Each printer keeps its own orientation.
    theApp.WriteSetting(CSettingsKeys::kOrientation, theApp.m_nOrientation, theApp.m_strPrinter);
}

// ---- size of the calendar block and arrangement ----

void CCalendarPage::PlacementChanged() {
    theApp.MarkModified();
    theApp.InvalidateView();
}

void CCalendarPage::OnFullWidth() {
    if (!PageDrawn())
        return;
    const CRect& rcPrint = theApp.m_rectPrintable;
    theApp.m_pDoc->m_dCalLeft = rcPrint.left / theApp.m_pView->m_pageWidth;
    theApp.m_pDoc->m_dCalRight = rcPrint.right / theApp.m_pView->m_pageWidth;
    PlacementChanged();
}

void CCalendarPage::OnHalfWidth() {
    if (!PageDrawn())
        return;
    CAlmanarkView& view = *theApp.m_pView;
    CRect rcCalendar = view.CalendarFrame();
    rcCalendar.right = rcCalendar.left + theApp.m_rectPrintable.Width() / 2;
    view.m_rectCalFrame = rcCalendar;
    theApp.m_pDoc->m_dCalRight = rcCalendar.right / view.m_pageWidth;
    PlacementChanged();
}

void CCalendarPage::OnFullHeight() {
    if (!PageDrawn())
        return;
    const CRect& rcPrint = theApp.m_rectPrintable;
    theApp.m_pDoc->m_dCalTop = rcPrint.top / theApp.m_pView->m_pageHeight;
    theApp.m_pDoc->m_dCalBottom = rcPrint.bottom / theApp.m_pView->m_pageHeight;
    PlacementChanged();
}

void CCalendarPage::OnHalfHeight() {
    if (!PageDrawn())
        return;
    CAlmanarkView& view = *theApp.m_pView;
    CRect rcCalendar = view.CalendarFrame();
    rcCalendar.top = rcCalendar.bottom - theApp.m_rectPrintable.Height() / 2;
    view.m_rectCalFrame = rcCalendar;
    theApp.m_pDoc->m_dCalTop = rcCalendar.top / view.m_pageHeight;
    PlacementChanged();
}

bool CCalendarPage::OnArrange(unsigned nID) {
    static const struct {
        unsigned nID;
        int nCols;
        int nRows;
    } s_arrangements[] = {{IDC_ARRANGE_3X4, 3, 4},
                          {IDC_ARRANGE_4X3, 4, 3},
                          {IDC_ARRANGE_2X6, 2, 6},
                          {IDC_ARRANGE_6X2, 6, 2}};
    for (const auto& arrangement : s_arrangements) {
        if (arrangement.nID == nID) {
            m_nArrangeCols = arrangement.nCols;
            m_nArrangeRows = arrangement.nRows;
            // Page state only: nothing the document keeps.
            theApp.InvalidateView();
            return true;
        }
    }
    return false;
}
