// CMessageText: the text of a message box brought within the room the screen
// gives it. A name or path of thousands of characters without a blank would
// make the box as wide as the text, and a long text of words as tall as its
// lines: the middle of such a word or text gives way to "...", so that the
// start and the end of it stay readable.
#pragma once
#include <functional>

#include "framework/String.h"

class CMessageText {
public:
    // The width in pixels of nCount characters at pch, as the box draws them.
    using Measure = std::function<int(const char* pch, int nCount)>;

    struct Room {
        int cxWord;   // no word drawn wider than this
        int cxLine;   // the width lines are counted at (the box breaks them there or wider)
        int nMaxRows; // no more lines than this
    };

    // The text unchanged when it fits.
    static CString Fit(const CString& strText, const Room& room, const Measure& measure);
    // The lines the text takes when broken between words at cxLine.
    static int CountRows(const CString& strText, int cxLine, const Measure& measure);

private:
    static CString FitWords(const CString& strText, int cxWord, const Measure& measure);
    // Keeps the most characters from both ends of strText, with pszGap
    // between them, for which fits() holds.
    static CString KeepEnds(const CString& strText, const char* pszGap,
                            const std::function<bool(const CString&)>& fits);
};
