// CNoteFitter: the font height at which a day box's notes and captions fit
// its text area: the largest height from the start down to the floor at
// which the measured text is no taller than the area, else the floor with
// the overflow mark. The heights are searched by halving rather than one
// by one; each box's answer is kept while its text, area, font and device
// stay the same; one font per height serves every box. On screen a box
// also keeps the lines DrawText writes for it, recorded after the paint
// while the program is idle, and later paints write those lines again
// instead of breaking the text anew.
#pragma once
#include <memory>
#include <vector>

#include "framework/Font.h"
#include "framework/Rect.h"
#include "framework/String.h"
#include "view/NoteLines.h"

class CDC;

struct CNoteFit {
    int nHeight = 1;
    bool bOverflow = false;
};

class CNoteFitter {
public:
    static const UINT kTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
    static const int kBoxes = 42;

    // nBox (0 .. 41) names the box whose answer is kept; heights below one
    // unit count as one.
    CNoteFit Fit(CDC& dc, int nBox, const LOGFONT& lf, const CString& strText, const CRect& rcText,
                 int nStart, int nFloor);
    // Draws strText in rcText as DrawText with kTextFormat would, with the
    // font of the answer selected; call it after Fit for the same box.
    void Draw(CDC& dc, int nBox, const CString& strText, const CRect& rcText);
    // Records the lines of one screen box whose answer is kept and whose
    // lines are not; false when there is none left. Call it while idle.
    bool RecordNext();
    // The font of lf, made once while lf stays the same.
    const CFont& Font(const LOGFONT& lf);
    // Drops fonts past a handful; call it while none of them is selected.
    void TrimFonts();
    void ForgetFonts() { m_fonts.clear(); }
    void ForgetFits();
    void ForgetLines();

    // Off, every box is drawn by DrawText, as by a paint that knew only the
    // heights.
    bool m_bKeepLines = true;
    // A kept answer is measured once more, as a paint that knew every
    // height in advance would still measure for the overflow mark.
    bool m_bMeasureKnownFits = false;
    // Text measurements made so far.
    int m_nMeasures = 0;
    // Boxes drawn from their kept lines so far.
    int m_nRedrawn = 0;

private:
    struct Kept {
        bool bValid = false;
        bool bPrinter = false;
        int nDpiX = 0, nDpiY = 0;
        int nWidth = 0, nHeight = 0, nStart = 0, nFloor = 0;
        LOGFONT lf = {};
        CString strText;
        CNoteFit fit;
    };
    struct CachedFont {
        LOGFONT lf;
        std::unique_ptr<CFont> pFont;
    };

    // nGuess: a likely answer, or 0.
    CNoteFit Search(CDC& dc, LOGFONT lf, const CString& strText, const CRect& rcText, int nStart,
                    int nFloor, int nGuess);
    bool Fits(CDC& dc, LOGFONT& lf, int nHeight, const CString& strText, const CRect& rcText);
    Kept KeyOf(CDC& dc, const LOGFONT& lf, const CString& strText, const CRect& rcText, int nStart,
               int nFloor) const;
    static bool SameKey(const Kept& a, const Kept& b);

    Kept m_kept[2][kBoxes];
    CNoteLines m_lines[kBoxes];
    Kept m_last;
    std::vector<CachedFont> m_fonts;
};
