#include "view/NoteFitter.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "framework/AutoSelect.h"
#include "framework/Dc.h"

namespace {
// Fonts a paint uses: weekday, notes, panels, a few heights in between.
const size_t kKeptFonts = 24;

bool SameFont(const LOGFONT& a, const LOGFONT& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

const CFont& CNoteFitter::Font(const LOGFONT& lf) {
    for (const CachedFont& cached : m_fonts)
        if (SameFont(cached.lf, lf))
            return *cached.pFont;
    CachedFont cached{lf, std::make_unique<CFont>()};
    cached.pFont->CreateFontIndirect(&lf);
    m_fonts.push_back(std::move(cached));
    return *m_fonts.back().pFont;
}

void CNoteFitter::TrimFonts() {
    if (m_fonts.size() > kKeptFonts)
        m_fonts.clear();
}

void CNoteFitter::ForgetFits() {
    for (auto& kept : m_kept)
        for (Kept& box : kept)
            box.bValid = false;
    ForgetLines();
}

void CNoteFitter::ForgetLines() {
    for (CNoteLines& lines : m_lines)
        lines.Forget();
}

// A box's kept lines are drawn once its answer and lines are known; until
// then DrawText draws it, and RecordNext records its lines after the paint.
void CNoteFitter::Draw(CDC& dc, int nBox, const CString& strText, const CRect& rcText) {
    const bool bKept = m_bKeepLines && !dc.IsPrinting() && nBox >= 0 && nBox < kBoxes &&
                       m_lines[nBox].IsRecorded() && m_kept[0][nBox].bValid &&
                       m_kept[0][nBox].nWidth == rcText.Width() &&
                       m_kept[0][nBox].nHeight == rcText.Height() &&
                       m_kept[0][nBox].strText == strText && CNoteLines::IsPlain(dc);
    if (bKept) {
        m_lines[nBox].Draw(dc, rcText);
        ++m_nRedrawn;
        return;
    }
    CRect rcDraw = rcText;
    dc.DrawText(strText, &rcDraw, kTextFormat);
}

// Recording costs more than drawing: it is done off the paint, on a screen
// DC of its own, which lays text out as the screen paint's DC does.
bool CNoteFitter::RecordNext() {
    if (!m_bKeepLines)
        return false;
    for (int nBox = 0; nBox < kBoxes; ++nBox) {
        const Kept& kept = m_kept[0][nBox];
        if (!kept.bValid || m_lines[nBox].IsTried())
            continue;
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        if (dc.GetDeviceCaps(LOGPIXELSX) != kept.nDpiX ||
            dc.GetDeviceCaps(LOGPIXELSY) != kept.nDpiY)
            continue;
        LOGFONT lf = kept.lf;
        lf.lfHeight = kept.fit.nHeight;
        CAutoSelect selFont(dc, Font(lf));
        m_lines[nBox].Record(dc, kept.strText, CRect(0, 0, kept.nWidth, kept.nHeight), kTextFormat);
        return true;
    }
    return false;
}

bool CNoteFitter::Fits(CDC& dc, LOGFONT& lf, int nHeight, const CString& strText,
                       const CRect& rcText) {
    lf.lfHeight = nHeight;
    ++m_nMeasures;
    CAutoSelect selFont(dc, Font(lf));
    CRect rcMeasure = rcText;
    dc.DrawText(strText, &rcMeasure, kTextFormat | DT_CALCRECT);
    return rcMeasure.Height() <= rcText.Height();
}

// The answer of trying every height from the start down: the text measured
// shrinks as the font does, so the largest fitting height lies where a
// fitting height meets a failing one above it. The first probes go to the
// guess and its neighbour (boxes of a page are much alike), then halving.
CNoteFit CNoteFitter::Search(CDC& dc, LOGFONT lf, const CString& strText, const CRect& rcText,
                             int nStart, int nFloor, int nGuess) {
    std::map<int, bool> fits;
    auto probe = [&](int nHeight) {
        auto it = fits.find(nHeight);
        return it != fits.end() ? it->second
                                : (fits[nHeight] = Fits(dc, lf, nHeight, strText, rcText));
    };
    // Heights above nHigh fail; nLow fits unless it is the floor.
    int nLow = std::min(nFloor, nStart), nHigh = nStart;
    const bool bGuess = nGuess >= nLow && nGuess < nHigh;
    // A guess of the lowest height settles, in one measurement, a box that
    // does not fit even there: no greater height fits either.
    if (bGuess && nGuess == nLow && !probe(nLow))
        return CNoteFit{nLow, true};
    int nNext = bGuess ? std::max(nGuess, nLow + 1) : nHigh;
    for (bool bFirst = true; nLow < nHigh; bFirst = false) {
        const bool bFits = probe(nNext);
        if (bFits)
            nLow = nNext;
        else
            nHigh = nNext - 1;
        // After the guess, its neighbour on the side the answer lies.
        if (bGuess && bFirst)
            nNext = bFits ? nNext + 1 : nNext - 1;
        else
            nNext = nLow + (nHigh - nLow + 1) / 2;
        nNext = std::clamp(nNext, nLow + 1, std::max(nHigh, nLow + 1));
    }
    CNoteFit fit;
    fit.nHeight = nLow;
    fit.bOverflow = nLow <= nFloor && !probe(nLow);
    return fit;
}

CNoteFitter::Kept CNoteFitter::KeyOf(CDC& dc, const LOGFONT& lf, const CString& strText,
                                     const CRect& rcText, int nStart, int nFloor) const {
    Kept key;
    key.bPrinter = dc.IsPrinting();
    key.nDpiX = dc.GetDeviceCaps(LOGPIXELSX);
    key.nDpiY = dc.GetDeviceCaps(LOGPIXELSY);
    key.nWidth = rcText.Width();
    key.nHeight = rcText.Height();
    key.nStart = nStart;
    key.nFloor = nFloor;
    key.lf = lf;
    key.lf.lfHeight = 0;
    key.strText = strText;
    return key;
}

bool CNoteFitter::SameKey(const Kept& a, const Kept& b) {
    return a.bValid && a.bPrinter == b.bPrinter && a.nDpiX == b.nDpiX && a.nDpiY == b.nDpiY &&
           a.nWidth == b.nWidth && a.nHeight == b.nHeight && a.nStart == b.nStart &&
           a.nFloor == b.nFloor && SameFont(a.lf, b.lf) && a.strText == b.strText;
}

CNoteFit CNoteFitter::Fit(CDC& dc, int nBox, const LOGFONT& lf, const CString& strText,
                          const CRect& rcText, int nStart, int nFloor) {
    nStart = std::max(nStart, 1);
    nFloor = std::max(nFloor, 1);
    Kept key = KeyOf(dc, lf, strText, rcText, nStart, nFloor);
    Kept* pKept = nBox >= 0 && nBox < kBoxes ? &m_kept[key.bPrinter ? 1 : 0][nBox] : nullptr;
    if (pKept && SameKey(*pKept, key)) {
        if (m_bMeasureKnownFits) {
            LOGFONT lfKnown = lf;
            Fits(dc, lfKnown, pKept->fit.nHeight, strText, rcText);
        }
        return pKept->fit;
    }
    // The last box fitted on the same device with the same font gives the
    // guess; it only orders the probes.
    const bool bAlike =
        m_last.bValid && m_last.bPrinter == key.bPrinter && SameFont(m_last.lf, key.lf);
    key.fit = Search(dc, lf, strText, rcText, nStart, nFloor, bAlike ? m_last.fit.nHeight : 0);
    key.bValid = true;
    m_last = key;
    if (pKept) {
        *pKept = key;
        if (!key.bPrinter)
            m_lines[nBox].Forget();
    }
    return key.fit;
}
