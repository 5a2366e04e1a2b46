// CCalendarFile: the values of a calendar file (.kal) in their stored order,
// and their encoding through CArchive. The file has no header or version:
// the order of the values is the format.
#pragma once
#include "framework/Archive.h"
#include "framework/String.h"
#include "framework/WinTypes.h"
#include "image/DibFormat.h"

// One text element's font record, face name and colour.
struct CCalendarFont {
    LOGFONT m_lf = {};
    CString m_strFace;
    COLORREF m_crColor = 0;
};

class CCalendarFile {
public:
    enum { kColumns = 7, kRows = 6 };

    // The picture and the values after it only when there is a picture.
    void Store(CArchive& ar) const;
    // Throws CArchiveException(endOfFile) when the data ends early or a length
    // claims more than is left. A picture that is present but not readable
    // leaves m_bHasImage 0 and m_nPictureError set; the values after it are
    // read all the same.
    void Load(CArchive& ar);

    // The parts around the picture, for a document whose picture travels
    // through its own bitmap object: the 42 notes; the settings, from the
    // event file name to the image flag; the image placement, from the
    // picture's file name to its aspect.
    void StoreNotes(CArchive& ar) const;
    void LoadNotes(CArchive& ar);
    void StoreSettings(CArchive& ar) const;
    void LoadSettings(CArchive& ar);
    void StoreImagePlacement(CArchive& ar) const;
    void LoadImagePlacement(CArchive& ar);
    // The stored bitmap, straight on the archive's file after a flush. A
    // failed write throws the file's own error, a full disk included.
    static void StorePicture(CArchive& ar, const void* pHeader, int nColors, const void* pBits,
                             DWORD dwBitsSize);
    // A picture cut short by the end of the file throws endOfFile; other
    // faults are returned, with the file left where the reader stopped.
    static CDibFormat::Error LoadPicture(CArchive& ar, CStoredDib& picture);

    // Face names longer than a LOGFONT holds are cut to fit.
    static CString FitFaceName(const CString& strFace);
    // A font record from a file holds whatever the file says, and the font
    // engine takes minutes over a width of INT_MAX: every field is brought
    // into the range that fonts use.
    static void FitFontRecord(LOGFONT& lf);
    static void SetFaceName(LOGFONT& lf, const CString& strFace);

    CString m_strNotes[kColumns][kRows];
    CString m_strEventFile;
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_bYearDoc = 0;
    int m_bImageShowsThrough = 0;
    CString m_strTitle;
    double m_dCalLeft = 0.0;
    double m_dCalTop = -1.0;
    double m_dCalRight = 0.0;
    double m_dCalBottom = 0.0;
    CCalendarFont m_weekday;
    int m_nDaySwap = 0;
    CCalendarFont m_notes;
    int m_nNoteSize = 0;
    CCalendarFont m_title;
    int m_bTitleLarge = 0;
    CCalendarFont m_date;
    int m_nDateSize = 0;
    int m_nDateSwap = 0;
    int m_nDateStyle = 0;
    CString m_strPrinter;
    short m_nOrientation = 1;
    short m_nPaperSize = 0;
    short m_nPrintColor = 0;
    int m_bHasImage = 0;
    CStoredDib m_picture;
    CString m_strImageFile;
    double m_dImgLeft = 0.0;
    double m_dImgTop = 0.0;
    double m_dImgRight = 0.0;
    double m_dImgBottom = 0.0;
    double m_dImageAspect = 0.0;

    CDibFormat::Error m_nPictureError = CDibFormat::none;

private:
    void StoreSettings(CArchive& ar, int bHasImage) const;
};
