#include "document/AlmanarkDoc.h"

#include "app/AlmanarkApp.h"

namespace {
bool InGrid(int nCol, int nRow) { return nCol >= 0 && nCol < 7 && nRow >= 0 && nRow < 6; }
} // namespace

CAlmanarkDoc::CAlmanarkDoc() : m_strImageFile("no image loaded") {
    theApp.m_pDoc = this;
    m_bResetOnNew = 1;
    BuildFont(m_lfDate, theApp.m_strDateFont, theApp.m_nDateWeight, theApp.m_bDateItalic);
    BuildFont(m_lfNotes, theApp.m_strNotesFont, theApp.m_nNotesWeight, theApp.m_bNotesItalic);
    BuildFont(m_lfTitle, theApp.m_strTitleFont, theApp.m_nTitleWeight, theApp.m_bTitleItalic);
    BuildFont(m_lfWeekday, theApp.m_strWeekdayFont, theApp.m_nWeekdayWeight,
              theApp.m_bWeekdayItalic);
}

void CAlmanarkDoc::BuildFont(LOGFONT& lf, const char* pszFace, int nWeight, BYTE bItalic) {
    HDC hdc = ::GetDC(nullptr);
    LOGFONT request = {};
    // 40 tenths of a point on the screen.
    request.lfHeight = -::MulDiv(40, ::GetDeviceCaps(hdc, LOGPIXELSY), 720);
    lstrcpynA(request.lfFaceName, pszFace, LF_FACESIZE);
    HFONT hFont = ::CreateFontIndirectA(&request);
    ::ReleaseDC(nullptr, hdc);
    if (!hFont || ::GetObjectA(hFont, sizeof lf, &lf) == 0)
        lf = request;
    if (hFont)
        ::DeleteObject(hFont);
    lf.lfCharSet = 0;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
}

CString CAlmanarkDoc::GetNote(int nCol, int nRow) const {
    return InGrid(nCol, nRow) ? m_strNotes[nCol][nRow] : CString();
}

BOOL CAlmanarkDoc::SetNote(const CString& strNote, int nCol, int nRow) {
    if (InGrid(nCol, nRow))
        m_strNotes[nCol][nRow] = strNote;
    return TRUE;
}

BOOL CAlmanarkDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return FALSE;
    if (!m_bResetOnNew)
        return TRUE;
    for (auto& column : m_strNotes)
        for (CString& note : column)
            note.Empty();
    theApp.ClearEventText();
    m_strImageFile = "no image loaded";
    m_dCalTop = -1.0;
    m_bHasImage = 0;
    m_nMonth = 0;
    m_bYearDoc = 0;
    m_bImageShowsThrough = 0;
    m_nPrintColor = theApp.m_nPrintColor;
    m_nPaperSize = theApp.m_nPaperSize;
    m_nOrientation = theApp.m_nOrientation;
    m_strPrinter = theApp.m_strPrinter;
    m_strTitle.Empty();
    m_bTitleLarge = 0;
    return TRUE;
}
