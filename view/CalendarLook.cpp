#include "view/CalendarLook.h"

#include "app/AlmanarkApp.h"
#include "app/TextElement.h"

CCalendarLook CCalendarLook::OfApp() {
    CCalendarLook look;
    for (int i = 0; i < 4; ++i)
        look.m_looks[i] = CTextElement::kAll[i].Look();
    look.m_nDaySwap = theApp.m_nDaySwap;
    look.m_nNoteSize = theApp.m_nNoteSize;
    look.m_nDateSize = theApp.m_nDateSize;
    look.m_nDateSwap = theApp.m_nDateSwap;
    look.m_nDateStyle = theApp.m_nDateStyle;
    look.m_dImageAspect = theApp.m_dImageAspect;
    return look;
}

void CCalendarLook::ApplyToApp() const {
    for (int i = 0; i < 4; ++i)
        CTextElement::kAll[i].SetLook(m_looks[i]);
    theApp.m_nDaySwap = m_nDaySwap;
    theApp.m_nNoteSize = m_nNoteSize;
    theApp.m_nDateSize = m_nDateSize;
    theApp.m_nDateSwap = m_nDateSwap;
    theApp.m_nDateStyle = m_nDateStyle;
    theApp.m_dImageAspect = m_dImageAspect;
}
