// A year page: the title band and twelve month panels in nCols columns by nRows rows, numbered
// row by row.
#pragma once
#include "framework/Rect.h"
#include "view/CalendarBox.h"

class CYearLayout {
public:
    // An arrangement that cannot hold twelve panels falls back to 3 columns by 4 rows.
    CYearLayout(const CCalendarBox& box, bool bLargeTitle, int nCols, int nRows);

    int Columns() const { return m_nCols; }
    int Rows() const { return m_nRows; }
    int TitleHeight() const { return m_nTitleHeight; }
    int PanelAreaHeight() const { return m_nAreaHeight; }
    int PanelWidth() const { return m_nPanelWidth; }
    int PanelHeight() const { return m_nPanelHeight; }

    const CRect& Frame() const { return m_rcFrame; }
    const CRect& TitleBox() const { return m_rcTitle; }
    CRect TitleTextRect() const { return CCalendarBox::TitleTextRect(m_rcTitle); }
    // nMonth 1 to 12; empty otherwise.
    CRect PanelRect(int nMonth) const;
    int PanelTitleHeight(int nMonth) const { return PanelRect(nMonth).Height() / 7; }
    // Below the title band: the panels tile it.
    CRect PanelArea() const {
        return CRect(m_rcFrame.left, m_rcTitle.bottom, m_rcFrame.right, m_rcFrame.bottom);
    }

private:
    int m_nCols;
    int m_nRows;
    int m_nTitleHeight;
    int m_nAreaHeight;
    int m_nPanelWidth;
    int m_nPanelHeight;
    CRect m_rcFrame;
    CRect m_rcTitle;
};
