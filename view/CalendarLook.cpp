#include "view/CalendarLook.h"

#include "app/AlmanarkApp.h"

namespace {
// The members of one face in the application, by reference.
struct CAppFace {
    CString& strFace;
    COLORREF& crColor;
    int& nWeight;
    BYTE& bItalic;
};

CAppFace TitleFace() {
    return {theApp.m_strTitleFont, theApp.m_crTitleColor, theApp.m_nTitleWeight,
            theApp.m_bTitleItalic};
}
CAppFace NotesFace() {
    return {theApp.m_strNotesFont, theApp.m_crNotesColor, theApp.m_nNotesWeight,
            theApp.m_bNotesItalic};
}
CAppFace WeekdayFace() {
    return {theApp.m_strWeekdayFont, theApp.m_crWeekdayColor, theApp.m_nWeekdayWeight,
            theApp.m_bWeekdayItalic};
}
CAppFace DateFace() {
    return {theApp.m_strDateFont, theApp.m_crDateColor, theApp.m_nDateWeight, theApp.m_bDateItalic};
}
} // namespace

CCalendarLook CCalendarLook::OfApp() {
    CCalendarLook look;
    CFace* apFaces[] = {&look.m_title, &look.m_notes, &look.m_weekday, &look.m_date};
    const CAppFace appFaces[] = {TitleFace(), NotesFace(), WeekdayFace(), DateFace()};
    for (int i = 0; i < 4; ++i)
        *apFaces[i] = {appFaces[i].strFace, appFaces[i].crColor, appFaces[i].nWeight,
                       appFaces[i].bItalic};
    look.m_nDaySwap = theApp.m_nDaySwap;
    look.m_nNoteSize = theApp.m_nNoteSize;
    look.m_nDateSize = theApp.m_nDateSize;
    look.m_nDateSwap = theApp.m_nDateSwap;
    look.m_nDateStyle = theApp.m_nDateStyle;
    look.m_dImageAspect = theApp.m_dImageAspect;
    return look;
}

void CCalendarLook::ApplyToApp() const {
    const CFace* apFaces[] = {&m_title, &m_notes, &m_weekday, &m_date};
    const CAppFace appFaces[] = {TitleFace(), NotesFace(), WeekdayFace(), DateFace()};
    for (int i = 0; i < 4; ++i) {
        appFaces[i].strFace = apFaces[i]->strFace;
        appFaces[i].crColor = apFaces[i]->crColor;
        appFaces[i].nWeight = apFaces[i]->nWeight;
        appFaces[i].bItalic = apFaces[i]->bItalic;
    }
    theApp.m_nDaySwap = m_nDaySwap;
    theApp.m_nNoteSize = m_nNoteSize;
    theApp.m_nDateSize = m_nDateSize;
    theApp.m_nDateSwap = m_nDateSwap;
    theApp.m_nDateStyle = m_nDateStyle;
    theApp.m_dImageAspect = m_dImageAspect;
}
