#include "view/CalendarText.h"

#include <algorithm>

#include "app/AlmanarkApp.h"
#include "dates/CalendarNames.h"
#include "dates/DateCalc.h"
#include "document/AlmanarkDoc.h"
#include "framework/AutoSelect.h"
#include "framework/Dc.h"
#include "framework/Font.h"
#include "view/DeviceUnits.h"
#include "view/KeptPanels.h"
#include "view/MonthLayout.h"
#include "view/MonthPanelLayout.h"

namespace {
// Weekday names take at most this share of their cell's width as height.
const double kWeekdayHeightPerWidth = 0.18867924528301888;

// A font of height 0 would be the device's default size, not a tiny one.
LONG CellHeight(int nHeight) {
    return std::max(nHeight, 1);
}

bool CreateFontOfHeight(CFont& font, LOGFONT& lf, int nHeight) {
    lf.lfHeight = CellHeight(nHeight);
    return font.CreateFontIndirect(&lf);
}

// Keeps the DC's text colour for a scope.
class CTextColor {
public:
    CTextColor(CDC& dc, COLORREF cr) : m_dc(dc), m_crOld(dc.SetTextColor(cr)) {}
    ~CTextColor() { m_dc.SetTextColor(m_crOld); }
    CTextColor(const CTextColor&) = delete;
    CTextColor& operator=(const CTextColor&) = delete;

private:
    CDC& m_dc;
    COLORREF m_crOld;
};

// Italic text leans past its box at the right: a blank keeps it inside.
CString Padded(const CString& str, bool bItalic, UINT nAlign) {
    if (!bItalic)
        return str;
    if (nAlign == DT_RIGHT)
        return str + " ";
    if (nAlign == DT_LEFT)
        return " " + str;
    return str;
}

void DrawLine(CDC& dc, const CString& str, const CRect& rc, UINT nFormat) {
    CRect rcText = rc;
    dc.DrawText(str, &rcText, nFormat);
}

const CCalendarNames& Names() {
    return CCalendarNames::Of(theApp.m_options.m_bLocalNames);
}

// A weekday's heading: its name with a blank on either side.
CString WeekdayHeading(int nWeekday, bool bShort) {
    return " " + Names().Weekday(nWeekday, bShort) + " ";
}

// The sizes were made for the English names: where one of a locale's names is
// wider than its cell in the selected font, the locale's short names stand in.
bool TooWide(CDC& dc, const CString& str, int nWidth) {
    return Names().IsLocal() && dc.GetTextExtent(str).cx > nWidth;
}

// The blanks around a name only pad it: a name that fits without them is
// shown whole.
bool WeekdaysTooWide(CDC& dc, int nWidth) {
    for (int d = 0; d < 7; ++d)
        if (TooWide(dc, Names().Weekday(d), nWidth))
            return true;
    return false;
}
} // namespace

void CCalendarText::TitleFontHeights(int nWidth, int nHeight, bool bDateLarge, bool bTitleLarge,
                                     int& nDateHeight, int& nTitleHeight) {
    const bool bFits = nHeight < nWidth / 7;
    if (bDateLarge == bTitleLarge) {
        nDateHeight = nTitleHeight = bFits ? nHeight - 1 : nWidth / 7;
        return;
    }
    const int nLarge = bFits ? nHeight : nWidth / 7;
    const int nSmall = bFits ? nHeight / 2 : nWidth / 14;
    nDateHeight = bDateLarge ? nLarge : nSmall;
    nTitleHeight = bDateLarge ? nSmall : nLarge;
}

void CCalendarText::DrawTitle(const CRect& rcText, const CString& strMonth, const CString& strYear,
                              const CString& strTitle) {
    int nDateHeight = 0, nTitleHeight = 0;
    TitleFontHeights(rcText.Width(), rcText.Height(), theApp.m_nDateSize != 0,
                     m_doc.m_bTitleLarge != 0, nDateHeight, nTitleHeight);
    CFont fontDate, fontTitle;
    CreateFontOfHeight(fontDate, m_doc.m_lfDate, nDateHeight);
    CreateFontOfHeight(fontTitle, m_doc.m_lfTitle, nTitleHeight);
    const COLORREF crOld = m_dc.GetTextColor();
    CAutoSelect selFont(m_dc, fontDate);
    m_dc.SetTextColor(theApp.m_crDateColor);
    UINT nTitleAlign = DT_CENTER;
    if (theApp.m_nDateStyle == -1)
        DrawSplitDate(rcText, strMonth, strYear);
    else
        nTitleAlign = DrawJoinedDate(rcText, strMonth, strYear);
    m_dc.SetTextColor(theApp.m_crTitleColor);
    m_dc.SelectObject(fontTitle);
    // A title at the left of a centred date starts at the edge, italic or not.
    const bool bPad =
        m_doc.m_lfTitle.lfItalic && !(nTitleAlign == DT_LEFT && theApp.m_nDateStyle != 2);
    // The title is the user's own text: an ampersand in it is shown, not
    // taken for a mnemonic prefix.
    DrawLine(m_dc, Padded(strTitle, bPad, nTitleAlign), rcText,
             nTitleAlign | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    m_dc.SetTextColor(crOld);
}

void CCalendarText::DrawSplitDate(const CRect& rcText, const CString& strMonth,
                                  const CString& strYear) {
    const bool bItalic = m_doc.m_lfDate.lfItalic != 0;
    const UINT nMonthAlign = theApp.m_nDateSwap ? DT_RIGHT : DT_LEFT;
    const UINT nYearAlign = theApp.m_nDateSwap ? DT_LEFT : DT_RIGHT;
    DrawLine(m_dc, Padded(strMonth, bItalic, nMonthAlign), rcText,
             nMonthAlign | DT_VCENTER | DT_SINGLELINE);
    DrawLine(m_dc, Padded(strYear, bItalic, nYearAlign), rcText,
             nYearAlign | DT_VCENTER | DT_SINGLELINE);
}

UINT CCalendarText::DrawJoinedDate(const CRect& rcText, const CString& strMonth,
                                   const CString& strYear) {
    CString strDate = strYear;
    if (!strMonth.IsEmpty())
        strDate = theApp.m_nDateSwap ? strYear + " " + strMonth : strMonth + " " + strYear;
    const int nStyle = theApp.m_nDateStyle;
    const UINT nAlign = nStyle == 0 ? DT_LEFT : nStyle == 2 ? DT_RIGHT : DT_CENTER;
    DrawLine(m_dc, Padded(strDate, m_doc.m_lfDate.lfItalic != 0, nAlign), rcText,
             nAlign | DT_VCENTER | DT_SINGLELINE);
    // The title keeps clear of the date: at the right of a date at the left,
    // otherwise at the left (sharing the band with a centred date).
    return nStyle == 0 ? DT_RIGHT : DT_LEFT;
}

void CCalendarText::DrawWeekdayNames(const CMonthLayout& layout) {
    const CRect rc0 = layout.WeekdayTextRect(0);
    const int nHeight = std::min(rc0.Height(), TruncUnits(rc0.Width() * kWeekdayHeightPerWidth));
    CFont font;
    CreateFontOfHeight(font, m_doc.m_lfWeekday, nHeight);
    CAutoSelect selFont(m_dc, font);
    CTextColor color(m_dc, theApp.m_crWeekdayColor);
    const bool bShort = WeekdaysTooWide(m_dc, rc0.Width());
    for (int c = 0; c < CMonthLayout::kColumns; ++c)
        DrawLine(m_dc, WeekdayHeading(layout.Weeks().WeekdayOfColumn(c), bShort),
                 layout.WeekdayTextRect(c), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CCalendarText::DrawMonthPanel(const CRect& rcPanel, int nMonth, int nYear, int nTitleHeight) {
    if (nYear < FIRST_YEAR || nYear > LAST_YEAR || nMonth < 1 || nMonth > 12)
        return;
    const CWeekLayout weeks(nYear, nMonth, theApp.m_options.m_nFirstWeekday);
    CMonthPanelLayout panel(rcPanel, nTitleHeight, weeks.FirstColumn(), weeks.DaysInMonth());
    CFont fontName;
    CreateFontOfHeight(fontName, m_doc.m_lfWeekday, panel.NameFontHeight());
    CAutoSelect selFont(m_dc, fontName);
    CTextColor colorName(m_dc, theApp.m_crWeekdayColor);
    m_dc.Rectangle(rcPanel);
    const bool bShort = TooWide(m_dc, Names().Month(nMonth), panel.Inner().Width());
    DrawLine(m_dc, Names().Month(nMonth, bShort), panel.Inner(), DT_CENTER | DT_SINGLELINE);

    CAutoSelect selDays(m_dc,
                        m_dayNumbers.Font(m_doc.m_lfNotes, CellHeight(panel.DayFontHeight())));
    CTextColor colorDays(m_dc, theApp.m_crNotesColor);
    m_dayNumbers.DrawMonth(m_dc, panel, weeks.DaysInMonth());
}

std::string CCalendarText::PanelInputs() const {
    // The heights come from the panel's rectangle.
    LOGFONT lfName = m_doc.m_lfWeekday, lfDays = m_doc.m_lfNotes;
    lfName.lfHeight = lfDays.lfHeight = 0;
    std::string strInputs;
    CKeptPanels::AddInput(strInputs, lfName);
    CKeptPanels::AddInput(strInputs, lfDays);
    CKeptPanels::AddInput(strInputs, theApp.m_crWeekdayColor);
    CKeptPanels::AddInput(strInputs, theApp.m_crNotesColor);
    CKeptPanels::AddInput(strInputs, theApp.m_options.m_nFirstWeekday);
    CKeptPanels::AddInput(strInputs, theApp.m_options.m_bLocalNames);
    return strInputs;
}

void CCalendarText::LeavePanelNameHeight(const CRect& rcPanel) {
    m_doc.m_lfWeekday.lfHeight = CellHeight(CMonthPanelLayout(rcPanel, 0, 0, 0).NameFontHeight());
}
