// The calendar block in device units, and the title-band arithmetic that month and year pages
// share. On screen the height stays a double and is divided unrounded; on the printer it is a
// whole number of units.
#pragma once
#include "framework/Rect.h"

class CCalendarBox {
public:
    CCalendarBox() = default;
    static CCalendarBox OnScreen(int nLeft, int nTop, int nWidth, double dHeight);
    static CCalendarBox OnPrinter(const RECT& rc);

    int Left() const { return m_nLeft; }
    int Top() const { return m_nTop; }
    int Right() const { return m_nLeft + m_nWidth; }
    int Width() const { return m_nWidth; }
    double Height() const { return m_dHeight; }
    bool IsPrinter() const { return m_bPrinter; }

    // The weekday-name row of a month page; also the unit of the title band on both pages.
    int NameRowHeight() const;
    // Three name rows with either "Large" setting on, otherwise one and a half (truncated).
    int TitleHeight(bool bLarge) const;
    // What is left of the height below nUsed units.
    int HeightBelow(int nUsed) const;

    static CRect TitleTextRect(const RECT& rcTitleBox);

private:
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nWidth = 0;
    double m_dHeight = 0.0;
    bool m_bPrinter = false;
};
