#include "view/CalendarBox.h"

#include "view/DeviceUnits.h"

#include <algorithm>

CCalendarBox CCalendarBox::OnScreen(int nLeft, int nTop, int nWidth, double dHeight) {
    CCalendarBox box;
    box.m_nLeft = nLeft;
    box.m_nTop = nTop;
    box.m_nWidth = nWidth;
    box.m_dHeight = std::isnan(dHeight)
                        ? 0.0
                        : std::clamp(dHeight, -double(kMaxDeviceUnits), double(kMaxDeviceUnits));
    return box;
}

CCalendarBox CCalendarBox::OnPrinter(const RECT& rc) {
    CCalendarBox box;
    box.m_nLeft = rc.left;
    box.m_nTop = rc.top;
    box.m_nWidth = rc.right - rc.left;
    box.m_dHeight = rc.bottom - rc.top;
    box.m_bPrinter = true;
    return box;
}

int CCalendarBox::NameRowHeight() const {
    const int nByHeight = m_bPrinter ? int(m_dHeight) / 20 : TruncUnits(m_dHeight * 0.05);
    return std::min(nByHeight, m_nWidth / 20);
}

int CCalendarBox::TitleHeight(bool bLarge) const {
    const int nh = NameRowHeight();
    return bLarge ? 3 * nh : TruncUnits(1.5 * nh);
}

int CCalendarBox::HeightBelow(int nUsed) const {
    return TruncUnits(m_dHeight - nUsed);
}

CRect CCalendarBox::TitleTextRect(const RECT& rcTitleBox) {
    CRect rc(rcTitleBox);
    rc.DeflateRect(TruncUnits(0.01 * rc.Width()), TruncUnits(0.08 * rc.Height()));
    return rc;
}
