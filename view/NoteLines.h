// CNoteLines: the lines that DrawText writes for one text in one rectangle,
// taken from a recording of the call, so that drawing the same text in a
// rectangle of the same size again writes the same lines without breaking
// the text into words anew.
#pragma once
#include <string>
#include <vector>

#include "framework/Rect.h"
#include "framework/String.h"

class CDC;

class CNoteLines {
public:
    // Records DrawText(strText, rcText, nFormat) as it would run on dc with
    // dc's font. False (and nothing kept) when dc is not in the plain state
    // the recording assumes or the call wrote more than text lines.
    bool Record(CDC& dc, const CString& strText, const CRect& rcText, UINT nFormat);
    // Writes the recorded lines into rcText, which may lie elsewhere than
    // the recorded rectangle.
    void Draw(CDC& dc, const CRect& rcText) const;
    bool IsRecorded() const { return m_bRecorded; }
    // A recording was made since the last Forget, whether it could be used or not.
    bool IsTried() const { return m_bTried; }
    void Forget();

    // Nothing that moves or measures text differently from a fresh DC.
    static bool IsPlain(CDC& dc);

private:
    struct Line {
        POINT ptOrigin;
        UINT nOptions;
        RECT rcClip;
        std::wstring str;
    };
    static int CALLBACK TakeRecord(HDC hDC, HANDLETABLE* pTable, const ENHMETARECORD* pRecord,
                                   int nObjects, LPARAM lParam);
    bool Take(const ENHMETARECORD& record);

    std::vector<Line> m_lines;
    bool m_bRecorded = false;
    bool m_bTried = false;
    // Where the recording was made; lines are kept relative to it.
    POINT m_ptRecorded = {0, 0};
};
