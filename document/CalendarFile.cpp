#include "document/CalendarFile.h"

#include "app/SettingsKeys.h"

#include <algorithm>
#include <cstring>

namespace {
// Larger than any height a calendar font is drawn with; the view sets the
// height before each use anyway.
const LONG kMaxFontHeight = 16384;
// A stored width is used as it is on screen and paper alike: the program
// itself stores 0.
const LONG kMaxFontWidth = 1024;
// Angles are in tenths of a degree.
const LONG kFullTurn = 3600;
const BYTE kMaxOutPrecision = 10; // OUT_PS_ONLY_PRECIS
const BYTE kMaxQuality = 6;       // CLEARTYPE_NATURAL_QUALITY
const BYTE kMaxFamily = 0x50;     // FF_DECORATIVE
const BYTE kMaxPitch = 2;         // VARIABLE_PITCH

void StoreFont(CArchive& ar, const CCalendarFont& font) {
    ar.WriteFont(font.m_lf);
    ar.WriteString(font.m_strFace);
    ar.WriteInt((int32_t)font.m_crColor);
}

// The record carries no face name; the string after it does.
void LoadFont(CArchive& ar, CCalendarFont& font) {
    ar.ReadFont(font.m_lf);
    CCalendarFile::FitFontRecord(font.m_lf);
    font.m_strFace = CCalendarFile::FitFaceName(ar.ReadString());
    CCalendarFile::SetFaceName(font.m_lf, font.m_strFace);
    font.m_crColor = (COLORREF)ar.ReadInt();
}
} // namespace

CString CCalendarFile::FitFaceName(const CString& strFace) {
    size_t nLength = strnlen(strFace.c_str(), (size_t)strFace.GetLength());
    if (nLength > LF_FACESIZE - 1)
        nLength = LF_FACESIZE - 1;
    return CString(strFace.c_str(), (int)nLength);
}

void CCalendarFile::FitFontRecord(LOGFONT& lf) {
    lf.lfHeight = std::clamp(lf.lfHeight, -kMaxFontHeight, kMaxFontHeight);
    lf.lfWidth = std::clamp(lf.lfWidth, -kMaxFontWidth, kMaxFontWidth);
    lf.lfEscapement %= kFullTurn;
    lf.lfOrientation %= kFullTurn;
    // A text element's look as its settings keys allow it.
    lf.lfWeight = CSettingsKeys::kLookWeight.Fit(lf.lfWeight);
    lf.lfItalic = (BYTE)CSettingsKeys::kLookItalic.Fit(lf.lfItalic);
    lf.lfUnderline = lf.lfUnderline != 0;
    lf.lfStrikeOut = lf.lfStrikeOut != 0;
    if (lf.lfOutPrecision > kMaxOutPrecision)
        lf.lfOutPrecision = 0;
    if (lf.lfQuality > kMaxQuality)
        lf.lfQuality = 0;
    BYTE nPitch = lf.lfPitchAndFamily & 0x03;
    BYTE nFamily = lf.lfPitchAndFamily & 0xF0;
    lf.lfPitchAndFamily =
        (BYTE)((nPitch > kMaxPitch ? 0 : nPitch) | (nFamily > kMaxFamily ? 0 : nFamily));
}

void CCalendarFile::SetFaceName(LOGFONT& lf, const CString& strFace) {
    CString strFit = FitFaceName(strFace);
    memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    memcpy(lf.lfFaceName, strFit.c_str(), (size_t)strFit.GetLength());
}

void CCalendarFile::StoreNotes(CArchive& ar) const {
    for (const auto& column : m_strNotes)
        for (const CString& strNote : column)
            ar.WriteString(strNote);
}

void CCalendarFile::LoadNotes(CArchive& ar) {
    for (auto& column : m_strNotes)
        for (CString& strNote : column)
            strNote = ar.ReadString();
}

void CCalendarFile::StoreSettings(CArchive& ar) const {
    StoreSettings(ar, m_bHasImage);
}

void CCalendarFile::StoreSettings(CArchive& ar, int bHasImage) const {
    ar.WriteString(m_strEventFile);
    ar.WriteInt(m_nYear);
    ar.WriteInt(m_nMonth);
    ar.WriteInt(m_bYearDoc);
    ar.WriteInt(m_bImageShowsThrough);
    ar.WriteString(m_strTitle);
    ar.WriteDouble(m_dCalLeft);
    ar.WriteDouble(m_dCalTop);
    ar.WriteDouble(m_dCalRight);
    ar.WriteDouble(m_dCalBottom);
    StoreFont(ar, m_weekday);
    ar.WriteInt(m_nDaySwap);
    StoreFont(ar, m_notes);
    ar.WriteInt(m_nNoteSize);
    StoreFont(ar, m_title);
    ar.WriteInt(m_bTitleLarge);
    StoreFont(ar, m_date);
    ar.WriteInt(m_nDateSize);
    ar.WriteInt(m_nDateSwap);
    ar.WriteInt(m_nDateStyle);
    ar.WriteString(m_strPrinter);
    ar.WriteShort(m_nOrientation);
    ar.WriteShort(m_nPaperSize);
    ar.WriteShort(m_nPrintColor);
    ar.WriteInt(bHasImage);
}

void CCalendarFile::LoadSettings(CArchive& ar) {
    m_strEventFile = ar.ReadString();
    m_nYear = ar.ReadInt();
    m_nMonth = ar.ReadInt();
    m_bYearDoc = ar.ReadInt();
    m_bImageShowsThrough = ar.ReadInt();
    m_strTitle = ar.ReadString();
    m_dCalLeft = ar.ReadDouble();
    m_dCalTop = ar.ReadDouble();
    m_dCalRight = ar.ReadDouble();
    m_dCalBottom = ar.ReadDouble();
    LoadFont(ar, m_weekday);
    m_nDaySwap = ar.ReadInt();
    LoadFont(ar, m_notes);
    m_nNoteSize = ar.ReadInt();
    LoadFont(ar, m_title);
    m_bTitleLarge = ar.ReadInt();
    LoadFont(ar, m_date);
    m_nDateSize = ar.ReadInt();
    m_nDateSwap = ar.ReadInt();
    m_nDateStyle = ar.ReadInt();
    m_strPrinter = ar.ReadString();
    m_nOrientation = ar.ReadShort();
    m_nPaperSize = ar.ReadShort();
    m_nPrintColor = ar.ReadShort();
    m_bHasImage = ar.ReadInt();
}

void CCalendarFile::StoreImagePlacement(CArchive& ar) const {
    ar.WriteString(m_strImageFile);
    ar.WriteDouble(m_dImgLeft);
    ar.WriteDouble(m_dImgTop);
    ar.WriteDouble(m_dImgRight);
    ar.WriteDouble(m_dImgBottom);
    ar.WriteDouble(m_dImageAspect);
}

void CCalendarFile::LoadImagePlacement(CArchive& ar) {
    m_strImageFile = ar.ReadString();
    m_dImgLeft = ar.ReadDouble();
    m_dImgTop = ar.ReadDouble();
    m_dImgRight = ar.ReadDouble();
    m_dImgBottom = ar.ReadDouble();
    m_dImageAspect = ar.ReadDouble();
}

void CCalendarFile::StorePicture(CArchive& ar, const void* pHeader, int nColors, const void* pBits,
                                 DWORD dwBitsSize) {
    ar.Flush();
    CDibFormat::WriteStoredOrThrow(*ar.GetFile(), pHeader, nColors, pBits, dwBitsSize);
}

CDibFormat::Error CCalendarFile::LoadPicture(CArchive& ar, CStoredDib& picture) {
    ar.Flush();
    CDibFormat::Error nError = CDibFormat::ReadStored(*ar.GetFile(), picture);
    if (nError == CDibFormat::truncated)
        throw CArchiveException(CArchiveException::endOfFile);
    return nError;
}

// An empty picture has no stored form, so the file must not announce one.
void CCalendarFile::Store(CArchive& ar) const {
    bool bPicture = m_bHasImage && m_picture.pHeader;
    StoreNotes(ar);
    StoreSettings(ar, bPicture ? m_bHasImage : 0);
    if (!bPicture)
        return;
    StorePicture(ar, m_picture.pHeader.get(), m_picture.metrics.nColors, m_picture.pBits.get(),
                 m_picture.metrics.dwBitsSize);
    StoreImagePlacement(ar);
}

void CCalendarFile::Load(CArchive& ar) {
    LoadNotes(ar);
    LoadSettings(ar);
    m_picture = CStoredDib();
    m_nPictureError = CDibFormat::none;
    if (!m_bHasImage)
        return;
    m_nPictureError = LoadPicture(ar, m_picture);
    if (m_nPictureError != CDibFormat::none)
        m_bHasImage = 0;
    LoadImagePlacement(ar);
}
