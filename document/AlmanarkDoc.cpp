#include "document/AlmanarkDoc.h"

#include "app/AlmanarkApp.h"
#include "app/TextElement.h"
#include "dates/DateCalc.h"
#include "document/CalendarFile.h"
#include "frame/MainFrame.h"
#include "framework/Archive.h"
#include "view/AlmanarkView.h"

namespace {
const char kNoImage[] = "no image loaded";

bool InGrid(int nCol, int nRow) {
    return nCol >= 0 && nCol < 7 && nRow >= 0 && nRow < 6;
}
} // namespace

CAlmanarkDoc::CAlmanarkDoc() : m_strImageFile(kNoImage) {
    theApp.m_pDoc = this;
    m_bResetOnNew = 1;
    for (const CTextElement& element : CTextElement::kAll)
        BuildFont(this->*element.plf, element.Look());
}

void CAlmanarkDoc::BuildFont(LOGFONT& lf, const CTextLook& look) {
    HDC hdc = ::GetDC(nullptr);
    LOGFONT request = {};
    // 40 tenths of a point on the screen.
    request.lfHeight = -::MulDiv(40, ::GetDeviceCaps(hdc, LOGPIXELSY), 720);
    lstrcpynA(request.lfFaceName, look.m_strFace, LF_FACESIZE);
    HFONT hFont = ::CreateFontIndirectA(&request);
    ::ReleaseDC(nullptr, hdc);
    if (!hFont || ::GetObjectA(hFont, sizeof lf, &lf) == 0)
        lf = request;
    if (hFont)
        ::DeleteObject(hFont);
    lf.lfCharSet = 0;
    lf.lfWeight = look.m_nWeight;
    lf.lfItalic = look.m_bItalic;
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
    m_strImageFile = kNoImage;
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

void CAlmanarkDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        StoreFile(ar);
    else
        LoadFile(ar);
}

void CAlmanarkDoc::FillFile(CCalendarFile& file) const {
    for (int nCol = 0; nCol < 7; ++nCol)
        for (int nRow = 0; nRow < 6; ++nRow)
            file.m_strNotes[nCol][nRow] = m_strNotes[nCol][nRow];
    file.m_strEventFile = EventFileToStore();
    file.m_nYear = m_nYear;
    file.m_nMonth = m_nMonth;
    file.m_bYearDoc = m_bYearDoc;
    file.m_bImageShowsThrough = m_bImageShowsThrough;
    file.m_strTitle = m_strTitle;
    file.m_dCalLeft = m_dCalLeft;
    file.m_dCalTop = m_dCalTop;
    file.m_dCalRight = m_dCalRight;
    file.m_dCalBottom = m_dCalBottom;
    for (const CTextElement& element : CTextElement::kAll)
        file.*element.pFileFont = element.FileFont(*this);
    file.m_nDaySwap = theApp.m_nDaySwap;
    file.m_nNoteSize = theApp.m_nNoteSize;
    file.m_bTitleLarge = m_bTitleLarge;
    file.m_nDateSize = theApp.m_nDateSize;
    file.m_nDateSwap = theApp.m_nDateSwap;
    file.m_nDateStyle = theApp.m_nDateStyle;
    file.m_strPrinter = m_strPrinter;
    file.m_nOrientation = m_nOrientation;
    file.m_nPaperSize = m_nPaperSize;
    file.m_nPrintColor = m_nPrintColor;
    // A flag without a picture would announce bytes that never follow.
    file.m_bHasImage = m_dib.IsEmpty() ? 0 : m_bHasImage;
    file.m_strImageFile = m_strImageFile;
    file.m_dImgLeft = m_dImgLeft;
    file.m_dImgTop = m_dImgTop;
    file.m_dImgRight = m_dImgRight;
    file.m_dImgBottom = m_dImgBottom;
    file.m_dImageAspect = theApp.m_dImageAspect;
}

void CAlmanarkDoc::StoreFile(CArchive& ar) {
    CCalendarFile file;
    FillFile(file);
    file.StoreNotes(ar);
    file.StoreSettings(ar);
    if (!file.m_bHasImage)
        return;
    // Written like the rest of the file, so that a full disk is reported as
    // one, and a file with part of a picture never replaces the old one.
    CCalendarFile::StorePicture(ar, m_dib.m_pHeader, m_dib.m_nColors, m_dib.m_pBits,
                                m_dib.m_dwBitsSize);
    file.StoreImagePlacement(ar);
}

BOOL CAlmanarkDoc::OnOpenDocument(const char* pszPathName) {
    if (CDocument::OnOpenDocument(pszPathName))
        return TRUE;
    // The file is read whole before anything is taken from it: a refused
    // file changed nothing, and the framework keeps the document as it was.
    SetModifiedFlag(false);
    return FALSE;
}

void CAlmanarkDoc::LoadFile(CArchive& ar) {
    CCalendarFile file;
    file.Load(ar);
    TakeFile(file);
}

void CAlmanarkDoc::OnOpenEmptyFile() {
    RemovePicture();
    ++m_bResetOnNew;
    OnNewDocument();
    // As after a load: the calendar is named after its file, not "[unsaved]".
    m_bResetOnNew = 0;
    theApp.m_nDateStyle = theApp.Settings().DateStyle();
    SelectLoadedEventFile("Default");
}

BOOL CAlmanarkDoc::OnSaveDocument(const char* pszPathName) {
    CommitPendingNote();
    return CDocument::OnSaveDocument(pszPathName);
}

BOOL CAlmanarkDoc::SaveModified() {
    CommitPendingNote();
    return CDocument::SaveModified();
}

void CAlmanarkDoc::CommitPendingNote() {
    if (theApp.m_pView)
        theApp.m_pView->CommitNote();
}

void CAlmanarkDoc::LoadForPrinting(CArchive& ar) {
    CCalendarFile file;
    file.Load(ar);
    TakeContents(file);
}

bool CAlmanarkDoc::TakeTodayWithoutMonth() {
    if (m_nMonth >= 1 && m_nMonth <= 12)
        return false;
    const CalDate today = GetToday();
    m_nYear = today.m_nYear;
    m_nMonth = today.m_nMonth;
    return true;
}

void CAlmanarkDoc::TakeFile(CCalendarFile& file) {
    RemovePicture();
    TakeContents(file);
    if (m_bYearDoc == 0)
        SelectLoadedEventFile(file.m_strEventFile);
}

void CAlmanarkDoc::TakeContents(CCalendarFile& file) {
    for (int nCol = 0; nCol < 7; ++nCol)
        for (int nRow = 0; nRow < 6; ++nRow)
            m_strNotes[nCol][nRow] = file.m_strNotes[nCol][nRow];
    TakeSettings(file);
    if (file.m_bHasImage || file.m_nPictureError != CDibFormat::none)
        m_bHasImage = m_dib.AttachStored(file.m_picture, file.m_nPictureError) ? 1 : 0;
    if (m_bHasImage) {
        m_strImageFile = file.m_strImageFile;
        m_dImgLeft = file.m_dImgLeft;
        m_dImgTop = file.m_dImgTop;
        m_dImgRight = file.m_dImgRight;
        m_dImgBottom = file.m_dImgBottom;
        theApp.m_dImageAspect = file.m_dImageAspect;
    }
    m_bResetOnNew = 0;
}

void CAlmanarkDoc::TakeSettings(const CCalendarFile& file) {
    m_nYear = file.m_nYear;
    m_nMonth = file.m_nMonth;
    m_bYearDoc = file.m_bYearDoc;
    m_bImageShowsThrough = file.m_bImageShowsThrough;
    m_strTitle = file.m_strTitle;
    m_dCalLeft = file.m_dCalLeft;
    m_dCalTop = file.m_dCalTop;
    m_dCalRight = file.m_dCalRight;
    m_dCalBottom = file.m_dCalBottom;

    for (const CTextElement& element : CTextElement::kAll)
        element.TakeFileFont(file.*element.pFileFont, *this);
    theApp.m_nDaySwap = file.m_nDaySwap;
    theApp.m_nNoteSize = file.m_nNoteSize;
    m_bTitleLarge = file.m_bTitleLarge;
    theApp.m_nDateSize = file.m_nDateSize;
    theApp.m_nDateSwap = file.m_nDateSwap;
    theApp.m_nDateStyle = file.m_nDateStyle;

    m_strPrinter = file.m_strPrinter;
    m_nOrientation = file.m_nOrientation;
    m_nPaperSize = file.m_nPaperSize;
    m_nPrintColor = file.m_nPrintColor;
    m_bHasImage = file.m_bHasImage;
}

void CAlmanarkDoc::RemovePicture() {
    m_dib.Clear();
    m_bHasImage = 0;
    m_strImageFile = kNoImage;
    if (theApp.m_pView)
        theApp.m_pView->m_nImgPositioning = 0;
    if (theApp.m_pFrame) {
        theApp.m_pFrame->SetStatusText(0, "");
        theApp.m_pFrame->m_wndImagePage.EnableControls(FALSE);
    }
}

CString CAlmanarkDoc::EventFileToStore() const {
    CMainFrame* pFrame = theApp.m_pFrame;
    if (m_bYearDoc != 0 || !pFrame || !pFrame->m_wndEventsPage.m_cbFile.GetSafeHwnd())
        return CString();
    return pFrame->m_wndEventsPage.m_cbFile.GetWindowText();
}

void CAlmanarkDoc::SelectLoadedEventFile(const CString& strEventFile) {
    CMainFrame* pFrame = theApp.m_pFrame;
    if (pFrame && pFrame->m_wndEventsPage.GetSafeHwnd()) {
        CEventsPage& page = pFrame->m_wndEventsPage;
        if (page.SelectEventFile(strEventFile))
            page.m_btnInsertDate.EnableWindow(true);
        page.LoadEventFile();
        page.m_btnFile.SetWindowText("Delete");
        if (page.m_listDates.GetCount() > 0)
            page.m_btnFile.EnableWindow(true);
    }
    if (theApp.m_pView)
        ++theApp.m_pView->m_nEvalEvents;
}
