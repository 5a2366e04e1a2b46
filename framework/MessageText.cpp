#include "framework/MessageText.h"

#include <algorithm>
#include <string>

namespace {
// Between the ends of a word that was too wide.
const char kWordGap[] = "...";
// Between the ends of a text that was too long: lines of their own, so that
// no word of one end runs into a word of the other.
const char kTextGap[] = "\n...\n";

CString Elided(const CString& str, int nKeep, const char* pszGap) {
    const int nHead = (nKeep + 1) / 2;
    return str.Left(nHead) + pszGap + str.Right(nKeep - nHead);
}
} // namespace

CString CMessageText::Fit(const CString& strText, const Room& room, const Measure& measure) {
    const CString strFit = FitWords(strText, room.cxWord, measure);
    auto fits = [&](const CString& str) {
        return CountRows(str, room.cxLine, measure) <= room.nMaxRows;
    };
    return fits(strFit) ? strFit : KeepEnds(strFit, kTextGap, fits);
}

int CMessageText::CountRows(const CString& strText, int cxLine, const Measure& measure) {
    const std::string& s = strText.str();
    const int cxSpace = measure(" ", 1);
    int nRows = 1, cxRow = 0;
    for (size_t i = 0; i <= s.size();) {
        const size_t j = std::min(s.find_first_of(" \n", i), s.size());
        const int cxWord = j > i ? measure(s.data() + i, int(j - i)) : 0;
        // A word wider than the line stands on a line of its own.
        if (cxRow > 0 && cxRow + cxWord > cxLine) {
            ++nRows;
            cxRow = 0;
        }
        cxRow += cxWord + cxSpace;
        if (j < s.size() && s[j] == '\n') {
            ++nRows;
            cxRow = 0;
        }
        i = j + 1;
    }
    return nRows;
}

CString CMessageText::FitWords(const CString& strText, int cxWord, const Measure& measure) {
    const std::string& s = strText.str();
    std::string strFit;
    strFit.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const size_t j = std::min(s.find_first_of(" \n", i), s.size());
        if (j > i && measure(s.data() + i, int(j - i)) > cxWord) {
            strFit += KeepEnds(CString(s.substr(i, j - i)), kWordGap, [&](const CString& str) {
                          return measure(str, str.GetLength()) <= cxWord;
                      }).str();
        } else {
            strFit.append(s, i, j - i);
        }
        if (j < s.size())
            strFit += s[j];
        i = j + 1;
    }
    return CString(std::move(strFit));
}

CString CMessageText::KeepEnds(const CString& strText, const char* pszGap,
                               const std::function<bool(const CString&)>& fits) {
    // Binary search for the most characters kept; the gap alone is the least.
    int nLow = 0, nHigh = strText.GetLength() - 1;
    while (nLow < nHigh) {
        const int nMid = (nLow + nHigh + 1) / 2;
        if (fits(Elided(strText, nMid, pszGap)))
            nLow = nMid;
        else
            nHigh = nMid - 1;
    }
    return Elided(strText, nLow < 0 ? 0 : nLow, pszGap);
}
