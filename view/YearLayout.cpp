#include "view/YearLayout.h"

CYearLayout::CYearLayout(const CCalendarBox& box, bool bLargeTitle, int nCols, int nRows)
    : m_nCols(nCols), m_nRows(nRows) {
    if (nCols < 1 || nRows < 1 || nCols > 12 || nRows > 12 || nCols * nRows < 12) {
        m_nCols = 3;
        m_nRows = 4;
    }
    m_nTitleHeight = box.TitleHeight(bLargeTitle);
    m_nAreaHeight = box.HeightBelow(m_nTitleHeight);
    m_nPanelWidth = box.Width() / m_nCols;
    m_nPanelHeight = m_nAreaHeight / m_nRows;
    m_rcFrame.SetRect(box.Left(), box.Top(), box.Right(),
                      box.Top() + m_nTitleHeight + m_nAreaHeight);
    m_rcTitle.SetRect(box.Left(), box.Top(), box.Right(), box.Top() + m_nTitleHeight);
}

CRect CYearLayout::PanelRect(int nMonth) const {
    if (nMonth < 1 || nMonth > 12)
        return CRect();
    const int i = (nMonth - 1) / m_nCols, j = (nMonth - 1) % m_nCols;
    const int x = m_rcFrame.left + j * m_nPanelWidth;
    const int y = m_rcTitle.bottom + i * m_nPanelHeight;
    return CRect(x, y, j == m_nCols - 1 ? m_rcFrame.right : x + m_nPanelWidth + 1,
                 i == m_nRows - 1 ? m_rcFrame.bottom : y + m_nPanelHeight + 1);
}
