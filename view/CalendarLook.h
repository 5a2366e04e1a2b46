// CCalendarLook: the look settings a calendar file gives the whole program
// (faces, colours, weights, sizes, sides of the day numbers), taken from
// the application and given back to it. Printing several calendars gives
// each page its own and the open calendar its own again afterwards.
#pragma once
#include "app/TextLook.h"

class CCalendarLook {
public:
    static CCalendarLook OfApp();
    void ApplyToApp() const;

private:
    CTextLook m_looks[4]; // in the order of CTextElement::kAll
    int m_nDaySwap = 0;
    int m_nNoteSize = 0;
    int m_nDateSize = 0;
    int m_nDateSwap = 0;
    int m_nDateStyle = 0;
    double m_dImageAspect = 1.0;
};
