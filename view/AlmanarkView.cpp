#include "view/AlmanarkView.h"

#include <algorithm>

#include "app/AlmanarkApp.h"
#include "app/TextElement.h"
#include "dates/CalendarNames.h"
#include "dates/DateCalc.h"
#include "dates/EventRules.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/AutoSelect.h"
#include "framework/Brush.h"
#include "framework/Dc.h"
#include "framework/FileDialog.h"
#include "framework/Font.h"
#include "framework/ModalSeam.h"
#include "framework/Pen.h"
#include "framework/PrintInfo.h"
#include "resources/resource.h"
#include "view/CalendarBox.h"
#include "view/CalendarText.h"
#include "view/DeviceUnits.h"
#include "view/MonthLayout.h"
#include "view/PageGeometry.h"
#include "view/PictureExport.h"
#include "view/PrintedCalendars.h"
#include "view/ViewInteraction.h"
#include "view/YearLayout.h"
#include "view/YearPage.h"

namespace {
// Ends the title of a calendar not yet saved.
const char kUnsavedMark[] = " [unsaved]";
const UINT kBoxTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;

CMainFrame* Frame() {
    CMainFrame* pFrame = theApp.m_pFrame;
    return pFrame && pFrame->GetSafeHwnd() ? pFrame : nullptr;
}

int SelectedIndex(const CComboBox& cb) {
    return cb.GetSafeHwnd() ? cb.GetCurSel() : CB_ERR;
}

CString SelectedText(const CComboBox& cb) {
    const int nSel = SelectedIndex(cb);
    return nSel >= 0 ? cb.GetLBText(nSel) : CString();
}

// The month and year as the Calendar page shows them; without the page,
// as the document has them. bLocal: in the user's language.
CString MonthText(const CAlmanarkDoc& doc, bool bLocal) {
    const int nSel = Frame() ? SelectedIndex(Frame()->m_wndCalendarPage.m_cbMonth) : CB_ERR;
    return CCalendarNames::Of(bLocal).Month(nSel >= 0 ? nSel + 1 : doc.m_nMonth);
}

CString YearText(const CAlmanarkDoc& doc) {
    CString str = Frame() ? SelectedText(Frame()->m_wndCalendarPage.m_cbYear) : CString();
    return str.IsEmpty() ? CString::FromInt(doc.m_nYear) : str;
}

bool StartsWith(const CString& str, const CString& strPrefix) {
    return str.Left(strPrefix.GetLength()) == strPrefix;
}

// What the note editor may have put before the note: the day number, or a
// tab and the day number.
CString StripDayNumber(CString strNote, const CString& strDay) {
    if (StartsWith(strNote, strDay))
        strNote = strNote.Mid(strDay.GetLength());
    if (StartsWith(strNote, "\t" + strDay))
        strNote = strNote.Mid(strDay.GetLength() + 1);
    return strNote;
}

CRect DayTextRect(const CRect& rcBox) {
    const int nSide = TruncUnits(0.07 * rcBox.Width());
    return CRect(rcBox.left + nSide, rcBox.top + TruncUnits(0.06 * rcBox.Height()),
                 rcBox.right - nSide, rcBox.bottom - TruncUnits(0.02 * rcBox.Height()));
}

// Week numbers stand at the left of a row's first box, at the top beside a day number on the
// right, otherwise at the bottom; two thirds as high as the day number, but never taller than
// a quarter of the box.
bool WeekNumberAtBottom() {
    return theApp.m_nDaySwap != 2;
}

CRect WeekNumberRect(const CRect& rcBox, int nDayHeight) {
    const CRect rcText = DayTextRect(rcBox);
    const int nHeight = std::min(nDayHeight * 2 / 3, rcText.Height() / 4);
    CRect rc(rcText.left, rcText.top, rcText.left + rcText.Width() / 2, rcText.top + nHeight);
    if (WeekNumberAtBottom())
        rc.OffsetRect(0, rcText.Height() - nHeight);
    return rc;
}

void SetButtonCheck(CButton& button, int nValue) {
    if (button.GetSafeHwnd())
        button.SetCheck(nValue ? BST_CHECKED : BST_UNCHECKED);
}
} // namespace

CAlmanarkView::CAlmanarkView()
    : m_printer(*this), m_pInteraction(std::make_unique<CViewInteraction>(*this)) {
    theApp.m_pView = this;
}

CAlmanarkView::~CAlmanarkView() {
    if (theApp.m_pView == this)
        theApp.m_pView = nullptr;
}

CAlmanarkDoc* CAlmanarkView::GetDocument() const {
    return static_cast<CAlmanarkDoc*>(m_pDocument);
}

CPrinterMetrics CAlmanarkView::Metrics() const {
    CPrinterMetrics metrics;
    metrics.m_physWidth = m_physWidth;
    metrics.m_physHeight = m_physHeight;
    metrics.m_offsetX = m_offsetX;
    metrics.m_offsetY = m_offsetY;
    metrics.m_printWidth = m_printWidth;
    metrics.m_printHeight = m_printHeight;
    return metrics;
}

void CAlmanarkView::SetStatusText(int nPane, const char* pszText) {
    if (CMainFrame* pFrame = Frame())
        pFrame->SetStatusText(nPane, pszText);
}

LRESULT CAlmanarkView::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_ERASEBKGND) {
        // The paper shows the window background; the class has no brush.
        ::FillRect((HDC)wParam, GetClientRect(), ::GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    LRESULT lResult = 0;
    if (m_pInteraction->OnMessage(nMsg, wParam, lParam, &lResult))
        return lResult;
    return CScrollView::WindowProc(nMsg, wParam, lParam);
}

// ---- the paint pass ----

void CAlmanarkView::OnDraw(CDC* pDC) {
    CAlmanarkDoc* pDoc = GetDocument();
    if (!pDC || !pDoc)
        return;
    CDC& dc = *pDC;
    // Another calendar of a job of several is only drawn: the open one and
    // what the program shows of it stay as they are.
    if (dc.IsPrinting() && m_pPrintedDoc) {
        DrawPage(dc, *m_pPrintedDoc);
        return;
    }
    CAlmanarkDoc& doc = *pDoc;
    if (m_nClearModified)
        doc.SetModifiedFlag(false);
    SetStatusText(1, theApp.m_strPrinter);
    TakeTodayWithoutMonth(doc);
    ShowMonthOnCalendarPage(doc);
    if (doc.m_bResetOnNew)
        NameNewDocument(doc);
    if (m_nEvalEvents)
        m_strEaster = IsKnownYear(doc.m_nYear) ? MakeEasterKey(doc.m_nYear) : CString();
    DrawPage(dc, doc);
    if (!doc.m_bYearDoc && m_nRefreshNote) {
        RefreshNoteEdit();
        m_nRefreshNote = 0;
    }
    m_nEvalEvents = 0;
    m_nClearModified = 0;
}

void CAlmanarkView::DrawPage(CDC& dc, CAlmanarkDoc& doc) {
    // Hollow frames and text without background let the picture show.
    const bool bShowThrough = doc.m_bImageShowsThrough != 0;
    const int nOldBkMode = dc.GetBkMode();
    if (bShowThrough)
        dc.SetBkMode(TRANSPARENT);
    CAutoSelect selBrush(dc, bShowThrough ? ::GetStockObject(NULL_BRUSH) : nullptr);
    CPen pen(PS_SOLID, 1, RGB(127, 127, 127));
    CAutoSelect selPen(dc, dc.IsPrinting() ? nullptr : pen.GetSafeHandle());
    if (dc.IsPrinting())
        DrawPrinterPage(dc, doc);
    else
        DrawScreenPage(dc, doc);
    selPen.Restore();
    selBrush.Restore();
    dc.SetBkMode(nOldBkMode);
}

bool CAlmanarkView::ShowsOpenMonth(const CAlmanarkDoc& doc, const CPrintPage& page) const {
    return page.bOwnMonth && IsOpen(doc);
}

void CAlmanarkView::TakeTodayWithoutMonth(CAlmanarkDoc& doc) {
    if (doc.TakeTodayWithoutMonth())
        m_selDay = GetToday().m_nDay;
}

void CAlmanarkView::ShowMonthOnCalendarPage(const CAlmanarkDoc& doc) {
    CMainFrame* pFrame = Frame();
    if (!pFrame)
        return;
    CCalendarPage& page = pFrame->m_wndCalendarPage;
    if (page.m_cbMonth.GetSafeHwnd())
        page.m_cbMonth.SetCurSel(doc.m_nMonth - 1);
    // A year the list does not hold leaves it without a selection, so that
    // the title shows the document's own year.
    if (page.m_cbYear.GetSafeHwnd() &&
        page.m_cbYear.SelectString(-1, CString::FromInt(doc.m_nYear)) == CB_ERR)
        page.m_cbYear.SetCurSel(-1);
}

void CAlmanarkView::NameNewDocument(CAlmanarkDoc& doc) {
    // Also the name the calendar is first saved under: always English.
    const CString strName =
        doc.m_bYearDoc ? YearText(doc) : MonthText(doc, false).Left(3) + YearText(doc);
    doc.SetTitle(strName + kUnsavedMark);
    doc.m_bResetOnNew = 0;
}

CString CAlmanarkView::WithoutUnsavedMark(const CString& strTitle) {
    const int nMark = strTitle.Find(kUnsavedMark);
    return nMark >= 0 ? strTitle.Left(nMark) : strTitle;
}

void CAlmanarkView::FitDesign(CAlmanarkDoc& doc) {
    const CPageFractions printable = Metrics().Printable();
    printable.PlaceCalendar(doc.m_dCalLeft, doc.m_dCalTop, doc.m_dCalRight, doc.m_dCalBottom);
    if (doc.m_bHasImage)
        printable.PlacePicture(doc.m_dImgLeft, doc.m_dImgTop, doc.m_dImgRight, doc.m_dImgBottom);
}

void CAlmanarkView::DrawScreenPage(CDC& dc, CAlmanarkDoc& doc) {
    FitDesign(doc);
    m_rectCalFrame.SetRectEmpty();
    m_rectTitle.SetRectEmpty();
    const CPageGeometry page = ScreenPage();
    m_pageWidth = page.PageWidth();
    m_pageHeight = page.PageHeight();
    theApp.m_rectPrintable = page.PrintableRect();
    DrawPaper(dc, page);
    const CRect rcPicture =
        page.ScreenRect(doc.m_dImgLeft, doc.m_dImgTop, doc.m_dImgRight, doc.m_dImgBottom);
    // While the picture is being placed it lies over the calendar.
    const bool bPictureOnTop = m_nImgPositioning || m_nPictureFirst;
    if (!bPictureOnTop)
        DrawPicture(dc, doc, rcPicture);
    const CCalendarBox box =
        page.CalendarBox(doc.m_dCalLeft, doc.m_dCalTop, doc.m_dCalRight, doc.m_dCalBottom);
    if (m_bHideCalendar) {
        // The page under a drag of the calendar.
    } else if (doc.m_bYearDoc) {
        DrawYearPage(dc, doc, box);
    } else {
        m_keptPanels.Release();
        DrawMonthPage(dc, doc, box, PageToDraw(dc, doc));
    }
    if (bPictureOnTop)
        DrawPicture(dc, doc, rcPicture);
    m_imgTracker.m_rect = rcPicture;
    if (m_nImgPositioning && doc.m_bHasImage)
        m_imgTracker.Draw(&dc);
}

void CAlmanarkView::DrawPrinterPage(CDC& dc, CAlmanarkDoc& doc) {
    // A calendar never shown on screen (printed from the shell) has not been
    // placed yet; it takes the printable area as on screen.
    if (doc.m_dCalTop == CPageFractions::kUnplacedTop)
        FitDesign(doc);
    const CPrinterMetrics metrics = Metrics();
    DrawPicture(
        dc, doc,
        metrics.PrinterRect(doc.m_dImgLeft, doc.m_dImgTop, doc.m_dImgRight, doc.m_dImgBottom));
    const CCalendarBox box = CCalendarBox::OnPrinter(
        metrics.PrinterRect(doc.m_dCalLeft, doc.m_dCalTop, doc.m_dCalRight, doc.m_dCalBottom));
    if (doc.m_bYearDoc)
        DrawYearPage(dc, doc, box);
    else
        DrawMonthPage(dc, doc, box, PageToDraw(dc, doc));
}

void CAlmanarkView::DrawPaper(CDC& dc, const CPageGeometry& page) {
    dc.FillRect(page.GreyRect(), (HBRUSH)::GetStockObject(LTGRAY_BRUSH));
    CBrush brushYellow(RGB(255, 255, 0));
    for (const CRect& rcBand : page.MarginBands())
        dc.FillRect(rcBand, brushYellow);
}

void CAlmanarkView::DrawPicture(CDC& dc, CAlmanarkDoc& doc, const CRect& rc) {
    if (!doc.m_bHasImage || doc.m_dib.IsEmpty())
        return;
    if (dc.IsPrinting())
        m_picturePainter.DrawOnPrinter(dc, doc.m_dib, rc);
    else
        m_picturePainter.DrawOnScreen(dc, doc.m_dib, rc);
}

void CAlmanarkView::DrawYearPage(CDC& dc, CAlmanarkDoc& doc, const CCalendarBox& box) {
    // Another calendar printed with the open one keeps the usual arrangement.
    const CCalendarPage* pPage = Frame() && IsOpen(doc) ? &Frame()->m_wndCalendarPage : nullptr;
    const CYearLayout layout = CYearPage(dc, doc, &m_keptPanels).Draw(
        box, pPage ? pPage->m_nArrangeCols : 3, pPage ? pPage->m_nArrangeRows : 4,
        IsOpen(doc) ? YearText(doc) : CString::FromInt(doc.m_nYear), ReadTitleFromStylePage(doc));
    if (dc.IsPrinting())
        return;
    m_rectCalFrame = m_calTracker.m_rect = layout.Frame();
    m_rectTitle = layout.TitleBox();
    if (m_nCalPositioning)
        m_calTracker.Draw(&dc);
}

CPrintPage CAlmanarkView::PageToDraw(const CDC& dc, const CAlmanarkDoc& doc) const {
    if (dc.IsPrinting() && m_printedPage && !m_printedPage->bOwnMonth)
        return *m_printedPage;
    CPrintPage page;
    page.nMonth = doc.m_nMonth;
    page.nYear = doc.m_nYear;
    return page;
}

void CAlmanarkView::DrawMonthPage(CDC& dc, CAlmanarkDoc& doc, const CCalendarBox& box,
                                  const CPrintPage& page) {
    const int nYear = page.nYear, nMonth = page.nMonth;
    // A year without a calendar keeps its frame and title band, as on a year page.
    const bool bDays = IsKnownYear(nYear);
    const CWeekLayout weeks(nYear, nMonth, theApp.m_options.m_nFirstWeekday);
    if (ShowsOpenMonth(doc, page))
        FollowFirstWeekday(weeks);
    const CMonthLayout layout(box, theApp.m_nDateSize || doc.m_bTitleLarge, weeks,
                              theApp.m_options.m_bWeekNumbers);
    dc.Rectangle(layout.Frame());
    if (!dc.IsPrinting()) {
        m_rectCalFrame = m_calTracker.m_rect = layout.Frame();
        m_rectTitle = layout.TitleBox();
    }
    dc.Rectangle(layout.TitleBox());
    for (int c = 0; bDays && c < CMonthLayout::kColumns; ++c)
        dc.Rectangle(layout.WeekdayCell(c));
    CCalendarText text(dc, doc);
    // The Calendar page shows the open calendar's own month only.
    const bool bLocal = theApp.m_options.m_bLocalNames;
    const bool bShown = ShowsOpenMonth(doc, page);
    text.DrawTitle(layout.TitleTextRect(),
                   bShown ? MonthText(doc, bLocal) : CCalendarNames::Of(bLocal).Month(nMonth),
                   bShown ? YearText(doc) : CString::FromInt(nYear), ReadTitleFromStylePage(doc));
    if (bDays) {
        text.DrawWeekdayNames(layout);
        DrawDays(dc, doc, layout, page);
        DrawNeighbourMonths(dc, doc, layout, page);
    } else {
        for (CRect& rcBox : m_boxRects)
            rcBox.SetRectEmpty();
        if (bShown)
            theApp.EmptyEventCaptions();
    }
    if (!dc.IsPrinting() && m_nCalPositioning)
        m_calTracker.Draw(&dc);
}

CString CAlmanarkView::ReadTitleFromStylePage(CAlmanarkDoc& doc) {
    CMainFrame* pFrame = Frame();
    if (!pFrame || !IsOpen(doc) || !pFrame->m_wndStylePage.m_editTitle.GetSafeHwnd())
        return doc.m_strTitle;
    CStylePage& page = pFrame->m_wndStylePage;
    if (page.TitleEdited())
        doc.m_strTitle = page.m_editTitle.GetWindowText();
    const bool bHasTitle = !doc.m_strTitle.IsEmpty();
    ::EnableWindow(page.GetDlgItem(IDC_TITLE_FONT), bHasTitle);
    ::EnableWindow(page.GetDlgItem(IDC_TITLE_LARGE), bHasTitle);
    return doc.m_strTitle;
}

void CAlmanarkView::FollowFirstWeekday(const CWeekLayout& weeks) {
    if (m_nBoxWeekday != weeks.FirstWeekday() && m_nBoxWeekday != -1 && HasSelection()) {
        const int nDay = Weeks().DayInBox(m_selCol, m_selRow);
        if (!weeks.FindDay(nDay, m_selCol, m_selRow))
            m_selCol = m_selRow = -1;
    }
    m_nBoxWeekday = weeks.FirstWeekday();
}

CWeekLayout CAlmanarkView::Weeks() const {
    const CAlmanarkDoc* pDoc = GetDocument();
    return CWeekLayout(pDoc ? pDoc->m_nYear : FIRST_YEAR, pDoc ? pDoc->m_nMonth : 1,
                       m_nBoxWeekday == -1 ? theApp.m_options.m_nFirstWeekday : m_nBoxWeekday);
}

CString CAlmanarkView::BoxNote(int nCol, int nRow) const {
    const CAlmanarkDoc* pDoc = GetDocument();
    int c = 0, r = 0;
    return pDoc && Weeks().StoredBox(nCol, nRow, c, r) ? pDoc->GetNote(c, r) : CString();
}

void CAlmanarkView::SetBoxNote(const CString& strNote, int nCol, int nRow) {
    CAlmanarkDoc* pDoc = GetDocument();
    int c = 0, r = 0;
    if (pDoc && Weeks().StoredBox(nCol, nRow, c, r))
        pDoc->SetNote(strNote, c, r);
}

CString CAlmanarkView::BoxCaptions(int nCol, int nRow) const {
    int c = 0, r = 0;
    return Weeks().StoredBox(nCol, nRow, c, r) ? theApp.m_strEventText[c][r] : CString();
}

void CAlmanarkView::DrawDays(CDC& dc, CAlmanarkDoc& doc, const CMonthLayout& layout,
                             const CPrintPage& page) {
    for (int i = 0; i < CMonthLayout::kBoxes; ++i)
        m_boxRects[i] = layout.DayBox(i);
    // Evaluation replaces every caption, so that none of another month or
    // event list stays behind.
    const bool bOpenMonth = ShowsOpenMonth(doc, page);
    if (m_nEvalEvents && bOpenMonth)
        theApp.EmptyEventCaptions();
    // Another month of a run is always evaluated, the open one when asked.
    std::optional<CEventRules> events;
    if (m_nEvalEvents || !bOpenMonth)
        events.emplace(theApp.m_strAllEvents, bOpenMonth ? m_strEaster : MakeEasterKey(page.nYear));
    m_noteFitter.TrimFonts();
    for (int r = 0; r < CMonthLayout::kRows; ++r) {
        for (int c = 0; c < CMonthLayout::kColumns; ++c) {
            const CRect& rcBox = m_boxRects[CMonthLayout::BoxIndex(c, r)];
            dc.Rectangle(rcBox);
            const int nDay = layout.DayInBox(c, r);
            if (nDay != 0 && nDay == m_selDay && bOpenMonth) {
                m_selCol = c;
                m_selRow = r;
            }
            if (nDay != 0)
                DrawDayBox(dc, doc, layout, c, r, page, bOpenMonth, events ? &*events : nullptr);
            if (c == 0 && theApp.m_options.m_bWeekNumbers && layout.Weeks().RowHasDays(r))
                DrawWeekNumber(dc, doc, rcBox, layout.Weeks().WeekNumber(r));
        }
    }
}

void CAlmanarkView::DrawWeekNumber(CDC& dc, CAlmanarkDoc& doc, const CRect& rcBox, int nWeek) {
    CRect rc = WeekNumberRect(rcBox, doc.m_lfWeekday.lfHeight);
    LOGFONT lf = doc.m_lfNotes;
    lf.lfHeight = std::max(rc.Height(), 1);
    CAutoSelect selFont(dc, m_noteFitter.Font(lf));
    const COLORREF crOld = dc.SetTextColor(theApp.m_crNotesColor);
    dc.DrawText(CString::FromInt(nWeek), &rc,
                DT_LEFT | DT_SINGLELINE | DT_NOPREFIX |
                    (WeekNumberAtBottom() ? DT_BOTTOM : DT_TOP));
    dc.SetTextColor(crOld);
}

// The note and the captions of a day box. The note belongs to the date, kept
// where a Sunday-first calendar has it. On the open calendar's own month the
// paint keeps them: the day number into the note, the captions into the
// caption table. Another month of a run shows its events only; another
// calendar of a job shows its own notes; neither keeps anything.
CString CAlmanarkView::DayText(CAlmanarkDoc& doc, const CWeekLayout& weeks, int nCol, int nRow,
                               const CPrintPage& page, bool bKeep, const CEventRules* pEvents) {
    const int nDay = weeks.DayInBox(nCol, nRow), nDays = weeks.DaysInMonth();
    int nStoredCol = 0, nStoredRow = 0;
    weeks.StoredBox(nCol, nRow, nStoredCol, nStoredRow);
    const CString strDay = CString::FromInt(nDay);
    CString strNote =
        page.bOwnMonth ? StripDayNumber(doc.GetNote(nStoredCol, nStoredRow), strDay) : CString();
    CString strFound;
    if (pEvents)
        strFound = pEvents->CaptionsForDay(page.nYear, page.nMonth, weeks.WeekdayOfColumn(nCol),
                                           strDay, strNote, (nDay - 1) / 7, nDay + 7 > nDays);
    if (!StartsWith(strNote, kCrLf))
        strNote = kCrLf + strNote;
    if (!bKeep)
        return strNote + (strFound.IsEmpty() ? CString() : kCrLf + strFound);
    CString& strCaptions = theApp.m_strEventText[nStoredCol][nStoredRow];
    if (!strFound.IsEmpty())
        strCaptions = kCrLf + strFound;
    doc.SetNote(strDay + strNote, nStoredCol, nStoredRow);
    return strNote + strCaptions;
}

void CAlmanarkView::DrawDayBox(CDC& dc, CAlmanarkDoc& doc, const CMonthLayout& layout, int nCol,
                               int nRow, const CPrintPage& page, bool bKeep,
                               const CEventRules* pEvents) {
    const CRect& rcBox = m_boxRects[CMonthLayout::BoxIndex(nCol, nRow)];
    const CString strDay = CString::FromInt(layout.DayInBox(nCol, nRow));
    m_nOverflow = 0;
    CAutoSelect selFont(dc, m_noteFitter.Font(doc.m_lfWeekday));
    const COLORREF crOld = dc.SetTextColor(theApp.m_crWeekdayColor);
    const CString strText = DayText(doc, layout.Weeks(), nCol, nRow, page, bKeep, pEvents);

    CRect rcText = DayTextRect(rcBox);
    CRect rcDay = rcText;
    dc.DrawText(strDay, &rcDay, kBoxTextFormat | (theApp.m_nDaySwap == 2 ? DT_RIGHT : DT_LEFT));

    const int w = rcText.Width(), h = rcText.Height();
    int nFloor = std::min(w / 9, h / 9);
    const int nHeight = theApp.m_nNoteSize ? (w / 9 <= h / 9 ? w / 7 : h / 7) : nFloor;
    if (dc.IsPrinting())
        nFloor = TruncUnits(0.9 * nFloor);
    rcText.top += TruncUnits(0.1 * rcText.Height());
    // The notes end above a week number at the bottom of the box.
    if (nCol == 0 && theApp.m_options.m_bWeekNumbers && WeekNumberAtBottom())
        rcText.bottom = WeekNumberRect(rcBox, doc.m_lfWeekday.lfHeight).top;
    DrawNoteText(dc, doc, strText, rcText, nHeight, nFloor, CMonthLayout::BoxIndex(nCol, nRow));
    dc.SetTextColor(crOld);
    if (!dc.IsPrinting())
        MarkBox(dc, rcBox, nCol == m_selCol && nRow == m_selRow);
}

void CAlmanarkView::DrawNoteText(CDC& dc, CAlmanarkDoc& doc, const CString& strText,
                                 const CRect& rcText, int nHeight, int nFloor, int nBox) {
    const CNoteFit fit =
        m_noteFitter.Fit(dc, nBox, doc.m_lfNotes, strText, rcText, nHeight, nFloor);
    doc.m_lfNotes.lfHeight = fit.nHeight;
    m_nOverflow = fit.bOverflow ? 1 : 0;
    const COLORREF crOld = dc.SetTextColor(theApp.m_crNotesColor);
    CAutoSelect selFont(dc, m_noteFitter.Font(doc.m_lfNotes));
    m_noteFitter.Draw(dc, nBox, strText, rcText);
    selFont.Restore();
    dc.SetTextColor(crOld);
}

void CAlmanarkView::MarkBox(CDC& dc, const CRect& rcBox, bool bSelected) {
    if (!m_nOverflow && !bSelected)
        return;
    const CRect rcMark(rcBox.left + 2, rcBox.top + 2, rcBox.right - 1, rcBox.bottom - 1);
    CAutoSelect selBrush(dc, ::GetStockObject(NULL_BRUSH));
    if (m_nOverflow) {
        CPen pen(PS_SOLID, 2, RGB(255, 0, 255));
        CAutoSelect selPen(dc, pen);
        dc.Rectangle(rcMark);
    }
    if (bSelected) {
        CPen pen(PS_SOLID, 2, m_nOverflow ? RGB(255, 0, 0) : RGB(0, 0, 255));
        CAutoSelect selPen(dc, pen);
        dc.Rectangle(rcMark);
    }
}

void CAlmanarkView::DrawNeighbourMonths(CDC& dc, CAlmanarkDoc& doc, const CMonthLayout& layout,
                                        const CPrintPage& page) {
    const int nMonth = page.nMonth, nYear = page.nYear;
    const CRect rcPrevious = layout.PreviousPanel(), rcNext = layout.NextPanel();
    CCalendarText text(dc, doc);
    text.DrawMonthPanel(rcPrevious, nMonth == 1 ? 12 : nMonth - 1, nMonth == 1 ? nYear - 1 : nYear,
                        rcPrevious.Height() / 7);
    text.DrawMonthPanel(rcNext, nMonth == 12 ? 1 : nMonth + 1, nMonth == 12 ? nYear + 1 : nYear,
                        rcNext.Height() / 7);
}

void CAlmanarkView::RefreshNoteEdit() {
    if (CMainFrame* pFrame = Frame())
        pFrame->m_wndCalendarPage.ReloadNote();
}

CRect CAlmanarkView::CalendarFrame() const {
    const CAlmanarkDoc* pDoc = GetDocument();
    if (!m_rectCalFrame.IsRectEmpty() || !pDoc)
        return m_rectCalFrame;
    return ScreenPage().ScreenRect(pDoc->m_dCalLeft, pDoc->m_dCalTop, pDoc->m_dCalRight,
                                   pDoc->m_dCalBottom);
}

CPageGeometry CAlmanarkView::ScreenPage() const {
    const CRect rcClient = GetClientRect();
    return CPageGeometry(Metrics(), theApp.m_nOrientation == 2, rcClient.Width(),
                         rcClient.Height());
}

// ---- interaction ----

BOOL CAlmanarkView::SelectBox(int nCol, int nRow) {
    return m_pInteraction->SelectBox(nCol, nRow);
}

void CAlmanarkView::CommitNote() {
    m_pInteraction->CommitNote();
}

CRect CAlmanarkView::PictureRect() const {
    const CAlmanarkDoc* pDoc = GetDocument();
    if (!pDoc)
        return CRect();
    return CImagePlacement::ScreenRect(pDoc->m_dImgLeft, pDoc->m_dImgTop, pDoc->m_dImgRight,
                                       pDoc->m_dImgBottom, m_pageWidth, m_pageHeight);
}

bool CAlmanarkView::SetPictureRect(const RECT& rc, int nEdges) {
    CAlmanarkDoc* pDoc = GetDocument();
    return pDoc &&
           CImagePlacement::WriteFractions(rc, nEdges, m_pageWidth, m_pageHeight, pDoc->m_dImgLeft,
                                           pDoc->m_dImgTop, pDoc->m_dImgRight, pDoc->m_dImgBottom);
}

// ---- view initialisation ----

void CAlmanarkView::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    ++m_nRefreshNote;
    ++m_nClearModified;
    m_selDay = 1;
    m_selCol = m_selRow = -1;
    m_nOverflow = 0;
    CAlmanarkDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    pDoc->SetModifiedFlag(false);
    CopyFaceNames(*pDoc);
    ShowDocumentOnPages(*pDoc);
    m_printer.EnsureDocumentPrinter();
    SetStatusText(1, theApp.m_strPrinter);
    if (m_printer.SyncPrinterSettings(false)) {
        m_printer.ResetPrinterDC();
        m_printer.ReadPrinter();
    }
    ShowPrinterOnPages();
    ShowDocumentKind(*pDoc);
    // A message about the printer lets the window paint the page before the
    // settings above took effect: it is painted again with them.
    Invalidate();
}

void CAlmanarkView::CopyFaceNames(CAlmanarkDoc& doc) {
    for (const CTextElement& element : CTextElement::kAll)
        lstrcpynA((doc.*element.plf).lfFaceName, theApp.*element.pstrFace, LF_FACESIZE);
}

void CAlmanarkView::ShowDocumentOnPages(const CAlmanarkDoc& doc) {
    CMainFrame* pFrame = Frame();
    if (!pFrame)
        return;
    CStylePage& style = pFrame->m_wndStylePage;
    SetButtonCheck(style.m_btnNotesLarge, theApp.m_nNoteSize);
    SetButtonCheck(style.m_btnDateLarge, theApp.m_nDateSize);
    SetButtonCheck(style.m_btnTitleLarge, doc.m_bTitleLarge);
    SetButtonCheck(pFrame->m_wndImagePage.m_btnShowsThrough, doc.m_bImageShowsThrough);
    style.ShowTitle(doc.m_strTitle);
    pFrame->m_wndCalendarPage.ShowDaySwapSide();
}

void CAlmanarkView::ShowPrinterOnPages() {
    CMainFrame* pFrame = Frame();
    if (!pFrame)
        return;
    pFrame->m_wndCalendarPage.ShowOrientation();
    const CAlmanarkDoc* pDoc = GetDocument();
    pFrame->m_wndImagePage.EnableControls(pDoc && pDoc->m_bHasImage);
}

void CAlmanarkView::ShowDocumentKind(const CAlmanarkDoc& doc) {
    if (!doc.GetPathName().IsEmpty())
        theApp.WriteSetting(doc.m_bYearDoc ? CSettingsKeys::kYearDoc : CSettingsKeys::kMonthDoc,
                            doc.GetPathName());
    CMainFrame* pFrame = Frame();
    if (!pFrame)
        return;
    // A calendar read from a file keeps the heading alignment saved in it;
    // any other takes the user's choice from the profile, also at start.
    if (doc.m_bYearDoc)
        pFrame->m_wndCalendarPage.ShowYearControls();
    else
        pFrame->m_wndCalendarPage.ShowMonthControls(doc.GetPathName().IsEmpty());
}

// ---- File New ----

bool CAlmanarkView::HandlesCommand(unsigned nID) const {
    return nID == ID_FILE_NEW || nID == ID_FILE_PRINT_DIRECT || nID == ID_FILE_PRINT ||
           nID == ID_FILE_PRINT_SETUP || nID == ID_FILE_PRINT_PREVIEW ||
           nID == ID_FILE_PRINT_SEVERAL || nID == ID_FILE_SAVE_PICTURE;
}

bool CAlmanarkView::OnCmdMsg(unsigned nID, int nCode) {
    if (nCode != 0 && nCode != 1)
        return CScrollView::OnCmdMsg(nID, nCode);
    if (HandlesCommand(nID))
        CommitNote();
    switch (nID) {
    case ID_FILE_NEW:
        OnFileNew();
        return true;
    case ID_FILE_PRINT_DIRECT:
        OnFilePrintDirect();
        return true;
    case ID_FILE_PRINT:
        OnFilePrint();
        return true;
    case ID_FILE_PRINT_SETUP:
        m_printer.RunPrintDialog(true);
        return true;
    case ID_FILE_PRINT_PREVIEW:
        DoPrintPreview();
        return true;
    case ID_FILE_PRINT_SEVERAL:
        OnFilePrintSeveral();
        return true;
    case ID_FILE_SAVE_PICTURE:
        CPictureExport(*this).Run();
        return true;
    }
    return CScrollView::OnCmdMsg(nID, nCode);
}

void CAlmanarkView::OnFilePrintDirect() {
    CAlmanarkDoc* pDoc = GetDocument();
    const CCommandLineInfo* pCmdInfo = theApp.m_pCmdInfo;
    // "/pt" names the printer to use instead of the calendar's own.
    if (pDoc && pCmdInfo && pCmdInfo->m_nShellCommand == CCommandLineInfo::FilePrintTo &&
        !pCmdInfo->m_strPrinterName.IsEmpty()) {
        pDoc->m_strPrinter = pCmdInfo->m_strPrinterName;
        m_printer.EnsureDocumentPrinter();
    }
    if (pCmdInfo && !pCmdInfo->m_astrMoreFiles.empty()) {
        std::vector<CString> paths = {pCmdInfo->m_strFileName};
        paths.insert(paths.end(), pCmdInfo->m_astrMoreFiles.begin(),
                     pCmdInfo->m_astrMoreFiles.end());
        PrintSeveral(paths);
        return;
    }
    ReportPrinting(DoFilePrint(true));
}

void CAlmanarkView::OnFileNew() {
    CAlmanarkDoc* pDoc = GetDocument();
    if (!pDoc || !pDoc->SaveModified())
        return;
    ++pDoc->m_bResetOnNew;
    m_selCol = m_selRow = -1;
    CMainFrame* pFrame = Frame();
    if (pFrame)
        pFrame->m_wndImagePage.RemoveImage();
    pDoc->OnNewDocument();
    pDoc->SetModifiedFlag(false);
    ++m_nRefreshNote;
    ++m_nEvalEvents;
    if (pFrame) {
        // The pages would otherwise give the old title and check marks back
        // to the new calendar.
        ShowDocumentOnPages(*pDoc);
        pFrame->m_wndCalendarPage.ShowMonthControls();
        pFrame->m_wndEventsPage.SelectEventFile("Default");
        pFrame->m_wndEventsPage.LoadEventFile();
    }
    Invalidate();
    theApp.WriteSetting(CSettingsKeys::kYearDoc, "");
    theApp.WriteSetting(CSettingsKeys::kMonthDoc, "");
}

// ---- printing ----

void CAlmanarkView::OnFilePrint() {
    if (m_printer.RunPrintDialog(false))
        ReportPrinting(DoFilePrint(false));
}

void CAlmanarkView::OnFilePrintSeveral() {
    CFileDialog dlg(true, "kal", nullptr,
                    OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT,
                    "Almanark Files (*.kal)|*.kal|", this);
    dlg.m_ofn.lpstrTitle = "Print Several";
    if (dlg.DoModal() == IDOK)
        PrintSeveral(dlg.GetPathNames());
}

void CAlmanarkView::PrintSeveral(const std::vector<CString>& paths, const char* pszOutput) {
    if (m_pSeveral || IsPreviewOpen())
        return;
    m_pSeveral = std::make_unique<CPrintedCalendars>();
    m_pSeveral->Load(paths);
    const CString strFailed = m_pSeveral->Failed();
    PrintResult result = printCancelled;
    if (m_pSeveral->Job().PageCount() > 0)
        result = DoFilePrint(true, pszOutput);
    // A job that never started leaves the calendars here.
    m_pSeveral.reset();
    ReportPrinting(result);
    if (!strFailed.IsEmpty())
        AfxMessageBox("These calendars could not be opened and were not printed:\n\n" + strFailed,
                      MB_OK | MB_ICONEXCLAMATION);
}

void CAlmanarkView::ReportPrinting(PrintResult result) {
    if (result == printFailed)
        AfxMessageBox("The calendar could not be printed.", MB_OK | MB_ICONEXCLAMATION);
}

bool CAlmanarkView::OnPreparePrinting(CPrintInfo* pInfo) {
    // The pages chosen in the print dialog serve File Print and preview;
    // printing from the shell prints the calendar's page alone.
    const bool bChosenPages = !pInfo->m_bDirect;
    if (m_pSeveral) {
        pInfo->m_pPD->m_pd.hDC = m_pSeveral->CreatePrinterDC(theApp.m_strPrinter);
        if (!pInfo->m_pPD->m_pd.hDC) {
            CPrinterSettings::ReportUnavailable(theApp.m_strPrinter);
            return false;
        }
        pInfo->SetMaxPage(m_pSeveral->Job().PageCount());
        pInfo->m_strDocTitle = m_pSeveral->JobTitle();
        pInfo->m_bDirect = true;
        return DoPreparePrinting(pInfo);
    }
    if (!m_printer.PreparePrinting(*pInfo))
        return false;
    const CAlmanarkDoc* pDoc = GetDocument();
    int nFrom = 1, nTo = 1;
    if (bChosenPages && pDoc && !pDoc->m_bYearDoc)
        m_printer.ChosenPages(nFrom, nTo);
    m_printJob =
        CPrintJob::MonthRun(pDoc ? pDoc->m_nMonth : 1, pDoc ? pDoc->m_nYear : 0, nFrom, nTo);
    pInfo->SetMaxPage(m_printJob.PageCount());
    return DoPreparePrinting(pInfo);
}

void CAlmanarkView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    if (!pInfo)
        return;
    const CPrintJob& job = m_pSeveral ? m_pSeveral->Job() : m_printJob;
    m_printedPage = job.Page((int)pInfo->m_nCurPage);
    if (!m_pSeveral || !pDC)
        return;
    // Each calendar on its own paper, before its page starts.
    m_pSeveral->PreparePage(*pDC, m_printedPage->nCalendar);
    m_printer.ReadMetrics(*pDC);
    m_pPrintedDoc = &m_pSeveral->Doc(m_printedPage->nCalendar);
}

// The control panel makes way, so that print preview fills the frame.
void CAlmanarkView::OnBeginPrinting(CDC*, CPrintInfo*) {
    if (CMainFrame* pFrame = Frame()) {
        pFrame->m_wndPanelBar.ShowWindow(SW_HIDE);
        pFrame->RecalcLayout();
    }
}

void CAlmanarkView::OnEndPrinting(CDC*, CPrintInfo*) {
    m_picturePainter.EndJob();
    m_printedPage.reset();
    m_pPrintedDoc = nullptr;
    if (m_pSeveral) {
        // The open calendar's printer measures the page again.
        m_pSeveral.reset();
        const CPrintDialog* pDlg = m_printer.GetPrintDialog();
        m_printer.ReadMetrics(pDlg ? pDlg->GetPrinterDC() : nullptr);
    }
    if (CMainFrame* pFrame = Frame()) {
        pFrame->m_wndPanelBar.ShowWindow(SW_SHOW);
        pFrame->RecalcLayout();
        pFrame->RecalcPanelLayout();
    }
    // The box table now holds printer units; the next screen paint restores it.
    Invalidate();
}
