// A font with a distinct value in every field of the stored font record, and
// the comparison of two fonts over those fields.
#pragma once
#include <cstring>

#include "framework/WinTypes.h"

inline LOGFONT SampleFont() {
    LOGFONT lf;
    memset(&lf, 0, sizeof(lf));
    lf.lfHeight = -13;
    lf.lfWidth = 7;
    lf.lfEscapement = 0x01020304;
    lf.lfOrientation = -1;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfUnderline = 2;
    lf.lfStrikeOut = 3;
    lf.lfCharSet = 0xEE;
    lf.lfOutPrecision = 5;
    lf.lfClipPrecision = 6;
    lf.lfQuality = 7;
    lf.lfPitchAndFamily = 0x22;
    strcpy(lf.lfFaceName, "Arial");
    return lf;
}

// The sample font brought within the ranges a calendar file keeps, with the
// given size, weight, slant and pitch.
inline LOGFONT SampleFont(LONG nHeight, LONG nWeight, BYTE bItalic, BYTE nPitch) {
    LOGFONT lf = SampleFont();
    lf.lfHeight = nHeight;
    lf.lfEscapement = -900;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 0;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = nPitch;
    return lf;
}

// The face name is not part of the record.
inline bool SameFontRecord(const LOGFONT& a, const LOGFONT& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight &&
           a.lfItalic == b.lfItalic && a.lfUnderline == b.lfUnderline &&
           a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
           a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily;
}

// The record's fields and the face name.
inline bool SameFont(const LOGFONT& a, const LOGFONT& b) {
    return SameFontRecord(a, b) && strcmp(a.lfFaceName, b.lfFaceName) == 0;
}
