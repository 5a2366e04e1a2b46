#include "app/TextElement.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "resources/resource.h"

using Keys = CSettingsKeys;

const CTextElement CTextElement::kAll[4] = {
    {Keys::kWeekdayLook, IDC_WEEKDAY_FONT, &CAlmanarkDoc::m_lfWeekday, &CCalendarFile::m_weekday,
     &CAlmanarkApp::m_strWeekdayFont, &CAlmanarkApp::m_crWeekdayColor,
     &CAlmanarkApp::m_nWeekdayWeight, &CAlmanarkApp::m_bWeekdayItalic},
    {Keys::kNotesLook, IDC_NOTES_FONT, &CAlmanarkDoc::m_lfNotes, &CCalendarFile::m_notes,
     &CAlmanarkApp::m_strNotesFont, &CAlmanarkApp::m_crNotesColor, &CAlmanarkApp::m_nNotesWeight,
     &CAlmanarkApp::m_bNotesItalic},
    {Keys::kTitleLook, IDC_TITLE_FONT, &CAlmanarkDoc::m_lfTitle, &CCalendarFile::m_title,
     &CAlmanarkApp::m_strTitleFont, &CAlmanarkApp::m_crTitleColor, &CAlmanarkApp::m_nTitleWeight,
     &CAlmanarkApp::m_bTitleItalic},
    {Keys::kDateLook, IDC_DATE_FONT, &CAlmanarkDoc::m_lfDate, &CCalendarFile::m_date,
     &CAlmanarkApp::m_strDateFont, &CAlmanarkApp::m_crDateColor, &CAlmanarkApp::m_nDateWeight,
     &CAlmanarkApp::m_bDateItalic},
};

CTextLook CTextElement::Look() const {
    return {theApp.*pstrFace, theApp.*pcrColor, theApp.*pnWeight, theApp.*pbItalic};
}

void CTextElement::SetLook(const CTextLook& look) const {
    theApp.*pstrFace = look.m_strFace;
    theApp.*pcrColor = look.m_crColor;
    theApp.*pnWeight = look.m_nWeight;
    theApp.*pbItalic = look.m_bItalic;
}

CCalendarFont CTextElement::FileFont(const CAlmanarkDoc& doc) const {
    return {doc.*plf, theApp.*pstrFace, theApp.*pcrColor};
}

// The weight and italic flag the application keeps are the record's own.
void CTextElement::TakeFileFont(const CCalendarFont& font, CAlmanarkDoc& doc) const {
    doc.*plf = font.m_lf;
    SetLook({font.m_strFace, font.m_crColor, font.m_lf.lfWeight, font.m_lf.lfItalic});
}
