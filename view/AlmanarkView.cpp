#include "view/AlmanarkView.h"

#include <algorithm>

#include "app/AlmanarkApp.h"
#include "dates/DateCalc.h"
#include "dates/EventRules.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/AutoSelect.h"
#include "framework/Brush.h"
#include "framework/Dc.h"
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
#include "view/ViewInteraction.h"
#include "view/YearLayout.h"
#include "view/YearPage.h"

namespace {
const char kSection[] = "Almanark";
const UINT kBoxTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
const char kCrLf[] = "\r\n";

CMainFrame* Frame() {
    CMainFrame* pFrame = theApp.m_pFrame;
    return pFrame && pFrame->GetSafeHwnd() ? pFrame : nullptr;
}

CString SelectedText(const CComboBox& cb) {
    const int nSel = cb.GetSafeHwnd() ? cb.GetCurSel() : CB_ERR;
    return nSel >= 0 ? cb.GetLBText(nSel) : CString();
}

// The month and year as the Calendar page shows them; without the page,
// as the document has them.
CString MonthText(const CAlmanarkDoc& doc) {
    CString str = Frame() ? SelectedText(Frame()->m_wndCalendarPage.m_cbMonth) : CString();
    return str.IsEmpty() ? CString(CCalendarText::MonthName(doc.m_nMonth)) : str;
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
    CAlmanarkDoc& doc = *pDoc;
    if (m_nClearModified)
        doc.SetModifiedFlag(false);
    SetStatusText(1, theApp.m_strPrinter);
    // Hollow frames and text without background let the picture show.
    const bool bShowThrough = doc.m_bImageShowsThrough != 0;
    const int nOldBkMode = dc.GetBkMode();
    if (bShowThrough)
        dc.SetBkMode(TRANSPARENT);
    CAutoSelect selBrush(dc, bShowThrough ? ::GetStockObject(NULL_BRUSH) : nullptr);
    TakeTodayWithoutMonth(doc);
    ShowMonthOnCalendarPage(doc);
    if (doc.m_bResetOnNew)
        NameNewDocument(doc);
    if (m_nEvalEvents)
        m_strEaster = IsKnownYear(doc.m_nYear) ? MakeEasterKey(doc.m_nYear) : CString();
    CPen pen(PS_SOLID, 1, RGB(127, 127, 127));
    CAutoSelect selPen(dc, dc.IsPrinting() ? nullptr : pen.GetSafeHandle());
    if (dc.IsPrinting())
        DrawPrinterPage(dc, doc);
    else
        DrawScreenPage(dc, doc);
    if (!doc.m_bYearDoc && m_nRefreshNote) {
        RefreshNoteEdit();
        m_nRefreshNote = 0;
    }
    m_nEvalEvents = 0;
    m_nClearModified = 0;
    selPen.Restore();
    selBrush.Restore();
    dc.SetBkMode(nOldBkMode);
}

void CAlmanarkView::TakeTodayWithoutMonth(CAlmanarkDoc& doc) {
    if (doc.m_nMonth < 1 || doc.m_nMonth > 12) {
        const CalDate today = GetToday();
        doc.m_nYear = today.m_nYear;
        doc.m_nMonth = today.m_nMonth;
        m_selDay = today.m_nDay;
    }
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
    const CString strName = doc.m_bYearDoc ? YearText(doc) : MonthText(doc).Left(3) + YearText(doc);
    doc.SetTitle(strName + " [unsaved]");
    doc.m_bResetOnNew = 0;
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
        DrawMonthPage(dc, doc, box);
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
        DrawMonthPage(dc, doc, box);
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
    const CCalendarPage* pPage = Frame() ? &Frame()->m_wndCalendarPage : nullptr;
    const CYearLayout layout = CYearPage(dc, doc).Draw(box, pPage ? pPage->m_nArrangeCols : 3,
                                                       pPage ? pPage->m_nArrangeRows : 4,
                                                       YearText(doc), ReadTitleFromStylePage(doc));
    if (dc.IsPrinting())
        return;
    m_rectCalFrame = m_calTracker.m_rect = layout.Frame();
    m_rectTitle = layout.TitleBox();
    if (m_nCalPositioning)
        m_calTracker.Draw(&dc);
}

void CAlmanarkView::DrawMonthPage(CDC& dc, CAlmanarkDoc& doc, const CCalendarBox& box) {
    const int nYear = doc.m_nYear, nMonth = doc.m_nMonth;
    // A year without a calendar keeps its frame and title band, as on a year page.
    const bool bDays = IsKnownYear(nYear);
    const CMonthLayout layout(box, theApp.m_nDateSize || doc.m_bTitleLarge,
                              bDays ? WeekdayOf(nYear, nMonth, 1) : 0,
                              bDays ? DaysInMonth(nYear, nMonth) : 0);
    dc.Rectangle(layout.Frame());
    if (!dc.IsPrinting()) {
        m_rectCalFrame = m_calTracker.m_rect = layout.Frame();
        m_rectTitle = layout.TitleBox();
    }
    dc.Rectangle(layout.TitleBox());
    for (int c = 0; bDays && c < CMonthLayout::kColumns; ++c)
        dc.Rectangle(layout.WeekdayCell(c));
    CCalendarText text(dc, doc);
    text.DrawTitle(layout.TitleTextRect(), MonthText(doc), YearText(doc),
                   ReadTitleFromStylePage(doc));
    if (bDays) {
        text.DrawWeekdayNames(layout);
        DrawDays(dc, doc, layout);
        DrawNeighbourMonths(dc, doc, layout);
    } else {
        for (CRect& rcBox : m_boxRects)
            rcBox.SetRectEmpty();
        theApp.EmptyEventCaptions();
    }
    if (!dc.IsPrinting() && m_nCalPositioning)
        m_calTracker.Draw(&dc);
}

CString CAlmanarkView::ReadTitleFromStylePage(CAlmanarkDoc& doc) {
    CMainFrame* pFrame = Frame();
    if (!pFrame || !pFrame->m_wndStylePage.m_editTitle.GetSafeHwnd())
        return doc.m_strTitle;
    CStylePage& page = pFrame->m_wndStylePage;
    if (page.TitleEdited())
        doc.m_strTitle = page.m_editTitle.GetWindowText();
    const bool bHasTitle = !doc.m_strTitle.IsEmpty();
    ::EnableWindow(page.GetDlgItem(IDC_TITLE_FONT), bHasTitle);
    ::EnableWindow(page.GetDlgItem(IDC_TITLE_LARGE), bHasTitle);
    return doc.m_strTitle;
}

void CAlmanarkView::DrawDays(CDC& dc, CAlmanarkDoc& doc, const CMonthLayout& layout) {
    const int nDays = DaysInMonth(doc.m_nYear, doc.m_nMonth);
    for (int i = 0; i < CMonthLayout::kBoxes; ++i)
        m_boxRects[i] = layout.DayBox(i);
    // Evaluation replaces every caption, so that none of another month or
    // event list stays behind.
    if (m_nEvalEvents)
        theApp.EmptyEventCaptions();
    m_noteFitter.TrimFonts();
    for (int r = 0; r < CMonthLayout::kRows; ++r) {
        for (int c = 0; c < CMonthLayout::kColumns; ++c) {
            const CRect& rcBox = m_boxRects[CMonthLayout::BoxIndex(c, r)];
            dc.Rectangle(rcBox);
            const int nDay = layout.DayInBox(c, r);
            if (nDay == 0)
                continue;
            if (nDay == m_selDay) {
                m_selCol = c;
                m_selRow = r;
            }
            DrawDayBox(dc, doc, rcBox, nDay, nDays, c, r);
        }
    }
}

void CAlmanarkView::DrawDayBox(CDC& dc, CAlmanarkDoc& doc, const CRect& rcBox, int nDay, int nDays,
                               int nCol, int nRow) {
    const CString strDay = CString::FromInt(nDay);
    m_nOverflow = 0;
    CAutoSelect selFont(dc, m_noteFitter.Font(doc.m_lfWeekday));
    const COLORREF crOld = dc.SetTextColor(theApp.m_crWeekdayColor);

    CString strNote = StripDayNumber(doc.GetNote(nCol, nRow), strDay);
    CString& strCaptions = theApp.m_strEventText[nCol][nRow];
    if (m_nEvalEvents) {
        const CString strFound =
            EventCaptionsForDay(theApp.m_strAllEvents, m_strEaster, doc.m_nYear, doc.m_nMonth, nCol,
                                strDay, strNote, (nDay - 1) / 7, nDay + 7 > nDays);
        if (!strFound.IsEmpty())
            strCaptions = kCrLf + strFound;
    }
    if (!StartsWith(strNote, kCrLf))
        strNote = kCrLf + strNote;
    doc.SetNote(strDay + strNote, nCol, nRow);

    CRect rcText = DayTextRect(rcBox);
    CRect rcDay = rcText;
    dc.DrawText(strDay, &rcDay, kBoxTextFormat | (theApp.m_nDaySwap == 2 ? DT_RIGHT : DT_LEFT));

    const int w = rcText.Width(), h = rcText.Height();
    int nFloor = std::min(w / 9, h / 9);
    const int nHeight = theApp.m_nNoteSize ? (w / 9 <= h / 9 ? w / 7 : h / 7) : nFloor;
    if (dc.IsPrinting())
        nFloor = TruncUnits(0.9 * nFloor);
    rcText.top += TruncUnits(0.1 * rcText.Height());
    DrawNoteText(dc, doc, strNote + strCaptions, rcText, nHeight, nFloor,
                 CMonthLayout::BoxIndex(nCol, nRow));
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

void CAlmanarkView::DrawNeighbourMonths(CDC& dc, CAlmanarkDoc& doc, const CMonthLayout& layout) {
    const int nMonth = doc.m_nMonth, nYear = doc.m_nYear;
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
    if (m_nNoteDirty)
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
    lstrcpynA(doc.m_lfWeekday.lfFaceName, theApp.m_strWeekdayFont, LF_FACESIZE);
    lstrcpynA(doc.m_lfNotes.lfFaceName, theApp.m_strNotesFont, LF_FACESIZE);
    lstrcpynA(doc.m_lfTitle.lfFaceName, theApp.m_strTitleFont, LF_FACESIZE);
    lstrcpynA(doc.m_lfDate.lfFaceName, theApp.m_strDateFont, LF_FACESIZE);
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
        theApp.WriteProfileString(kSection, doc.m_bYearDoc ? "Year Doc" : "Month Doc",
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
           nID == ID_FILE_PRINT_SETUP || nID == ID_FILE_PRINT_PREVIEW;
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
    theApp.WriteProfileString(kSection, "Year Doc", "");
    theApp.WriteProfileString(kSection, "Month Doc", "");
}

// ---- printing ----

void CAlmanarkView::OnFilePrint() {
    if (m_printer.RunPrintDialog(false))
        ReportPrinting(DoFilePrint(false));
}

void CAlmanarkView::ReportPrinting(PrintResult result) {
    if (result == printFailed)
        AfxMessageBox("The calendar could not be printed.", MB_OK | MB_ICONEXCLAMATION);
}

bool CAlmanarkView::OnPreparePrinting(CPrintInfo* pInfo) {
    return m_printer.PreparePrinting(*pInfo) && DoPreparePrinting(pInfo);
}

// The control panel makes way, so that print preview fills the frame.
void CAlmanarkView::OnBeginPrinting(CDC*, CPrintInfo*) {
    if (CMainFrame* pFrame = Frame()) {
        pFrame->m_wndPanelBar.ShowWindow(SW_HIDE);
        pFrame->RecalcLayout();
    }
}

void CAlmanarkView::OnEndPrinting(CDC*, CPrintInfo*) {
    if (CMainFrame* pFrame = Frame()) {
        pFrame->m_wndPanelBar.ShowWindow(SW_SHOW);
        pFrame->RecalcLayout();
        pFrame->RecalcPanelLayout();
    }
    // The box table now holds printer units; the next screen paint restores it.
    Invalidate();
}
