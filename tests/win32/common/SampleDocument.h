// Filled calendars shared by the tests and the benchmarks (header only, so
// that a benchmark needs none of the tests' other helpers).
#pragma once
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
