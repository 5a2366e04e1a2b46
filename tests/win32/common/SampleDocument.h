// Filled calendars shared by the tests and the benchmarks (header only, so
// that a benchmark needs none of the tests' other helpers).
#pragma once
#include <cstring>
#include <new>

#include "document/AlmanarkDoc.h"

// strNote in every one of the 42 day boxes, after the box's number and a
// line break when bNumbered.
inline void FillSampleNotes(CAlmanarkDoc& doc, const CString& strNote, bool bNumbered) {
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            doc.SetNote(bNumbered ? CString::FromInt(c * 6 + r + 1) + "\r\n" + strNote : strNote, c,
                        r);
}

// A calendar with a note in every box and a value other than the default in
// each setting that its file keeps.
inline void FillSampleDocument(CAlmanarkDoc& doc) {
    FillSampleNotes(doc, "note", true);
    doc.m_nYear = 2031;
    doc.m_nMonth = 11;
    doc.m_strTitle = "Grandma's \xA9 calendar";
    doc.m_dCalLeft = 0.05;
    doc.m_dCalTop = 0.5;
    doc.m_dCalRight = 0.95;
    doc.m_dCalBottom = 0.9;
    doc.m_bTitleLarge = 1;
    doc.m_bImageShowsThrough = 1;
    doc.m_strPrinter = "PDF";
    doc.m_nOrientation = 1;
    doc.m_nPaperSize = 9;
    doc.m_nPrintColor = 2;
}

// A cx by cy picture of 24 bits a pixel, owned by dib: pixel(x, y) gives the
// colour of each, y counting up from the bottom row as the rows are stored.
// False when there is no memory for it or dib refuses it.
template <class Pixel> bool AttachSamplePicture(CDib& dib, int cx, int cy, Pixel pixel) {
    const size_t nRow = ((size_t)cx * 3 + 3) & ~(size_t)3;
    const size_t nSize = sizeof(BITMAPINFOHEADER) + nRow * cy;
    BYTE* pBlock = new (std::nothrow) BYTE[nSize];
    if (!pBlock)
        return false;
    const BITMAPINFOHEADER header = {sizeof header,      cx, cy, 1, 24, BI_RGB,
                                     (DWORD)(nRow * cy), 0,  0,  0, 0};
    memcpy(pBlock, &header, sizeof header);
    for (int y = 0; y < cy; ++y) {
        BYTE* p = pBlock + sizeof header + (size_t)y * nRow;
        for (int x = 0; x < cx; ++x, p += 3) {
            const COLORREF cr = pixel(x, y);
            p[0] = GetBValue(cr);
            p[1] = GetGValue(cr);
            p[2] = GetRValue(cr);
        }
        memset(p, 0, nRow - (size_t)cx * 3);
    }
    return dib.AttachMemory(pBlock, TRUE, nullptr, nSize) != FALSE;
}
