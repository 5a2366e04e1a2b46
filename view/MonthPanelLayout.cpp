#include "view/MonthPanelLayout.h"

#include "view/DeviceUnits.h"

#include <algorithm>

CMonthPanelLayout::CMonthPanelLayout(const RECT& rcPanel, int nTitleHeight, int nFirstWeekday,
                                     int nDaysInMonth)
    : m_rcPanel(rcPanel), m_rcInner(rcPanel), m_nTitleHeight(nTitleHeight),
      m_nFirstWeekday((nFirstWeekday % 7 + 7) % 7),
      m_nDaysInMonth(std::clamp(nDaysInMonth, 0, 31)) {
    m_rcInner.DeflateRect(TruncUnits(0.02 * m_rcPanel.Width()),
                          TruncUnits(0.03 * m_rcPanel.Height()));
}

int CMonthPanelLayout::NameFontHeight() const {
    return std::min(m_rcPanel.Width(), m_rcPanel.Height()) / 8;
}

int CMonthPanelLayout::DayFontHeight() const {
    return std::min(m_rcInner.Width(), m_rcInner.Height()) / 10;
}

CRect CMonthPanelLayout::DayCell(int nDay) const {
    if (nDay < 1 || nDay > m_nDaysInMonth)
        return CRect();
    const int nSlot = m_nFirstWeekday + nDay - 1;
    const int j = nSlot % 7, k = nSlot / 7;
    const int c = m_rcInner.Width() / 7;
    const int r = (m_rcInner.Height() - m_nTitleHeight) / 6;
    const int x = m_rcInner.left + j * c;
    const int y = m_rcInner.top + m_nTitleHeight + k * r;
    // Inner cells overlap their neighbours by one unit; the outermost ones do not.
    return CRect(x, y, x + c + (j == 6 ? 0 : 1), y + r + (k == 5 ? 0 : 1));
}
