// CCalendarLook: the look settings a calendar file gives the whole program
// (faces, colours, weights, sizes, sides of the day numbers), taken from
// the application and given back to it. Printing several calendars gives
// each page its own and the open calendar its own again afterwards.
#pragma once
#include <windows.h>

#include "framework/String.h"

class CCalendarLook {
public:
    static CCalendarLook OfApp();
    void ApplyToApp() const;

private:
    struct CFace {
        CString strFace;
        COLORREF crColor = 0;
        int nWeight = 400;
        BYTE bItalic = 0;
    };
    CFace m_title, m_notes, m_weekday, m_date;
    int m_nDaySwap = 0;
    int m_nNoteSize = 0;
    int m_nDateSize = 0;
    int m_nDateSwap = 0;
    int m_nDateStyle = 0;
    double m_dImageAspect = 1.0;
};
