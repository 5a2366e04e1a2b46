// CAlmanarkView: the printer's sheet scaled into the window with the
// calendar on it; the same drawing serves the screen and the printer.
#pragma once
#include <memory>
#include <optional>
#include <vector>

#include "dates/WeekLayout.h"
#include "framework/AfxRes.h"
#include "framework/Rect.h"
#include "framework/ScrollView.h"
#include "view/ImagePlacement.h"
#include "view/PicturePainter.h"
#include "view/CalendarTracker.h"
#include "view/ImageTracker.h"
#include "view/KeptPanels.h"
#include "view/NoteFitter.h"
#include "view/PrinterMetrics.h"
#include "view/PrinterSettings.h"
#include "view/PrintJob.h"

class CAlmanarkDoc;
class CCalendarBox;
class CDC;
class CEventRules;
class CMonthLayout;
class CPageGeometry;
class CViewInteraction;
class CPrintedCalendars;

class CAlmanarkView : public CScrollView {
public:
    CAlmanarkView();
    ~CAlmanarkView() override;

    CAlmanarkDoc* GetDocument() const;
    // The paint pass: the window when pDC is a screen DC, the page on paper
    // when pDC->IsPrinting().
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnCmdMsg(unsigned nID, int nCode) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // File New: a month calendar with the fonts of this run and nothing else.
    void OnFileNew();
    bool HandlesCommand(unsigned nID) const override;
    // Prints the page without a dialog: the shell's print and print-to.
    void OnFilePrintDirect();
    // The print dialog, then one page through the print loop.
    void OnFilePrint();
    // Calendar files chosen in a file dialog, printed as one job.
    void OnFilePrintSeveral();
    // The files printed as one job, one page each in month order; those
    // that cannot be read are named in one message at the end. pszOutput:
    // as for DoFilePrint.
    void PrintSeveral(const std::vector<CString>& paths, const char* pszOutput = nullptr);
    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // Chooses the page of the job that the next OnPrint draws.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override;

    // Printer page metrics, in printer device units.
    int m_physWidth = 0;
    int m_physHeight = 0;
    int m_offsetX = 0;
    int m_offsetY = 0;
    int m_printWidth = 0;
    int m_printHeight = 0;
    // The sheet as shown in the window, in pixels.
    double m_pageWidth = 0.0;
    double m_pageHeight = 0.0;
    CRect m_boxRects[42];
    // The calendar's outer frame as last drawn on screen, where positioning
    // starts from; empty when no frame was drawn.
    CRect m_rectCalFrame;
    // The title band as last drawn on screen, what a title change repaints.
    CRect m_rectTitle;
    int m_selCol = -1;
    int m_selRow = -1;
    int m_selDay = 1;
    int m_nRefreshNote = 0;
    int m_nNoteDirty = 0;
    int m_nEvalEvents = 1;
    int m_nClearModified = 0;
    int m_nCalPositioning = 0;
    int m_nImgPositioning = 0;
    int m_nPictureFirst = 0;
    // The screen paint leaves the calendar block out (the page under a drag).
    bool m_bHideCalendar = false;
    // The day box being drawn did not take its whole text.
    int m_nOverflow = 0;
    CString m_strEaster;
    // The print dialog, the printer it names and the settings that follow it.
    CPrinterSettings m_printer;
    // The pages of the print or preview run under way.
    CPrintJob m_printJob;
    // Finds each day box's notes font height and keeps the answers and fonts.
    CNoteFitter m_noteFitter;
    // The year page's month panels as last shown.
    CKeptPanels m_keptPanels;

    bool HasSelection() const {
        return m_selCol >= 0 && m_selCol < 7 && m_selRow >= 0 && m_selRow < 6;
    }
    // m_rectCalFrame, or without one the block as its page fractions place it.
    CRect CalendarFrame() const;
    // The picture's rectangle on the page drawn last, from the document's
    // fractions; and back: the named edges (CImagePlacement::Edges) of rc
    // become the document's fractions. False while no page was drawn.
    CRect PictureRect() const;
    bool SetPictureRect(const RECT& rc, int nEdges = CImagePlacement::edgesAll);
    // The sheet as the window shows it now.
    CPageGeometry ScreenPage() const;

    // The weeks of the document's month as the day boxes were last drawn.
    CWeekLayout Weeks() const;
    // The text and the event captions of a shown day box. The document keeps them in the box
    // a Sunday-first calendar gives the same date; a box whose date has none there has neither.
    CString BoxNote(int nCol, int nRow) const;
    void SetBoxNote(const CString& strNote, int nCol, int nRow);
    CString BoxCaptions(int nCol, int nRow) const;

    // Makes (nCol, nRow) selectable: false for a box without text. The
    // caller stores the selection and raises m_nRefreshNote.
    BOOL SelectBox(int nCol, int nRow);
    // Stores typing still pending in the note editor into the selected box:
    // whatever saves, prints or replaces the calendar calls it first.
    void CommitNote();

    // A title without the marking of a calendar not yet saved: the name
    // the calendar would be saved under.
    static CString WithoutUnsavedMark(const CString& strTitle);

    // The calendar block and the picture while they are positioned.
    CCalendarTracker m_calTracker;
    CImageTracker m_imgTracker;

protected:
    CPrinterMetrics Metrics() const;

private:
    // Paint pass steps ahead of the page.
    void TakeTodayWithoutMonth(CAlmanarkDoc& doc);
    void ShowMonthOnCalendarPage(const CAlmanarkDoc& doc);
    void NameNewDocument(CAlmanarkDoc& doc);
    // Pulls the design inside the printable area of the current printer.
    void FitDesign(CAlmanarkDoc& doc);

    // The page of doc, on the screen or on paper.
    void DrawPage(CDC& dc, CAlmanarkDoc& doc);
    // Whether the paint shows the open calendar's own month, whose notes
    // and captions it keeps.
    bool ShowsOpenMonth(const CAlmanarkDoc& doc, const CPrintPage& page) const;
    bool IsOpen(const CAlmanarkDoc& doc) const { return &doc == GetDocument(); }
    void DrawScreenPage(CDC& dc, CAlmanarkDoc& doc);
    void DrawPrinterPage(CDC& dc, CAlmanarkDoc& doc);
    void DrawPaper(CDC& dc, const CPageGeometry& page);
    void DrawPicture(CDC& dc, CAlmanarkDoc& doc, const CRect& rc);
    // The month a paint draws: the calendar's own, or on paper the page of
    // the job being printed.
    CPrintPage PageToDraw(const CDC& dc, const CAlmanarkDoc& doc) const;
    void DrawMonthPage(CDC& dc, CAlmanarkDoc& doc, const CCalendarBox& box, const CPrintPage& page);
    void DrawYearPage(CDC& dc, CAlmanarkDoc& doc, const CCalendarBox& box);
    void DrawDays(CDC& dc, CAlmanarkDoc& doc, const CMonthLayout& layout, const CPrintPage& page);
    // bKeep: the open calendar's own month, whose notes and captions the paint keeps.
    // pEvents: the events the captions are found in; null when the paint keeps the
    // captions found before.
    void DrawDayBox(CDC& dc, CAlmanarkDoc& doc, const CMonthLayout& layout, int nCol, int nRow,
                    const CPrintPage& page, bool bKeep, const CEventRules* pEvents);
    CString DayText(CAlmanarkDoc& doc, const CWeekLayout& weeks, int nCol, int nRow,
                    const CPrintPage& page, bool bKeep, const CEventRules* pEvents);
    // Keeps the selection on its date when the week starts on another day than last drawn.
    void FollowFirstWeekday(const CWeekLayout& weeks);
    void DrawWeekNumber(CDC& dc, CAlmanarkDoc& doc, const CRect& rcBox, int nWeek);
    // The notes and captions in the text area, shrinking the font down to
    // nFloor; sets m_nOverflow when even that does not fit.
    void DrawNoteText(CDC& dc, CAlmanarkDoc& doc, const CString& strText, const CRect& rcText,
                      int nHeight, int nFloor, int nBox);
    void MarkBox(CDC& dc, const CRect& rcBox, bool bSelected);
    void DrawNeighbourMonths(CDC& dc, CAlmanarkDoc& doc, const CMonthLayout& layout,
                             const CPrintPage& page);
    void RefreshNoteEdit();
    CString ReadTitleFromStylePage(CAlmanarkDoc& doc);

    // View initialisation steps.
    void CopyFaceNames(CAlmanarkDoc& doc);
    void ShowDocumentOnPages(const CAlmanarkDoc& doc);
    void ShowPrinterOnPages();
    // Remembers the document's path for its kind and shows that kind's controls.
    void ShowDocumentKind(const CAlmanarkDoc& doc);

    void SetStatusText(int nPane, const char* pszText);
    void ReportPrinting(PrintResult result);

    // The first weekday of the day boxes as last drawn; -1 before the first month is drawn.
    int m_nBoxWeekday = -1;
    CPicturePainter m_picturePainter;
    // The page OnPrepareDC chose, while a job is printed or previewed.
    std::optional<CPrintPage> m_printedPage;
    // The calendars of a job of several, and the one whose page is printed.
    std::unique_ptr<CPrintedCalendars> m_pSeveral;
    CAlmanarkDoc* m_pPrintedDoc = nullptr;
    std::unique_ptr<CViewInteraction> m_pInteraction;
};
