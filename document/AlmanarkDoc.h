// CAlmanarkDoc: one calendar page: month or year, notes of the day boxes,
// title, placement of calendar and picture, fonts, picture and printer.
#pragma once
#include "app/TextLook.h"
#include "framework/Document.h"
#include "image/Dib.h"

class CCalendarFile;

class CAlmanarkDoc : public CDocument {
public:
    CAlmanarkDoc();

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(const char* pszPathName) override;
    // Both take the note still being typed into the calendar first, so that
    // the save, and the question whether to save, see it.
    BOOL OnSaveDocument(const char* pszPathName) override;
    BOOL SaveModified() override;
    void Serialize(CArchive& ar) override;

    CString GetNote(int nCol, int nRow) const;
    BOOL SetNote(const CString& strNote, int nCol, int nRow);
    // Drops the picture and what shows it, without marking the document: a
    // load replaces it too, and only the user's removal is a change.
    void RemovePicture();
    // Reads a calendar file whole into this fresh document for printing
    // only: the look goes to the application as an open does, but nothing
    // that the program shows (event file, picture controls) follows it.
    void LoadForPrinting(CArchive& ar);
    // A calendar stored without a month shows today's, as a new one does.
    // True when it took today's.
    bool TakeTodayWithoutMonth();

    int m_nMonth = 0;
    int m_nYear = 0;
    int m_bTitleLarge = 0;
    short m_nPrintColor = 1;
    short m_nPaperSize = 1;
    short m_nOrientation = 2;
    double m_dCalBottom = 0.0;
    double m_dCalTop = -1.0;
    double m_dCalRight = 0.0;
    double m_dCalLeft = 0.0;
    double m_dImgBottom = 0.0;
    double m_dImgTop = 0.0;
    double m_dImgRight = 0.0;
    double m_dImgLeft = 0.0;
    int m_bYearDoc = 0;
    int m_bImageShowsThrough = 0;
    int m_bResetOnNew = 1;
    int m_bHasImage = 0;
    CString m_strNotes[7][6];
    CString m_strImageFile;
    CString m_strTitle;
    CString m_strPrinter;
    LOGFONT m_lfDate = {};
    LOGFONT m_lfNotes = {};
    LOGFONT m_lfTitle = {};
    LOGFONT m_lfWeekday = {};
    CDib m_dib;

private:
    void CommitPendingNote();
    // An empty file is what the shell's "New" makes: it opens as a new,
    // blank calendar that keeps the file's name.
    void OnOpenEmptyFile() override;
    void StoreFile(CArchive& ar);
    // Reads the whole file first: a refused file leaves the document as it was.
    void LoadFile(CArchive& ar);
    void TakeFile(CCalendarFile& file);
    // The file's notes, settings and picture.
    void TakeContents(CCalendarFile& file);
    // The items the file takes from the document and the application, all
    // but the picture.
    void FillFile(CCalendarFile& file) const;
    // Overwrites the application's look settings too, without writing them
    // to the profile: the profile keeps the user's own choice.
    void TakeSettings(const CCalendarFile& file);
    // The Events page's event file name for a month calendar, else empty.
    CString EventFileToStore() const;
    void SelectLoadedEventFile(const CString& strEventFile);
    // A 4-point screen font of the look's face, read back into lf, then given
    // the look's weight and italic flag.
    static void BuildFont(LOGFONT& lf, const CTextLook& look);
};
