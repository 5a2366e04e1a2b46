#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/MessageText.h"

namespace {
// 7 pixels a character, as the message font draws most of them.
int Measure(const char*, int nCount) {
    return 7 * nCount;
}

const CMessageText::Room kRoom{640, 256, 50};

int WidestWord(const CString& str) {
    int nWidest = 0, nRun = 0;
    for (char ch : str.str()) {
        nRun = ch == ' ' || ch == '\n' ? 0 : nRun + 1;
        nWidest = std::max(nWidest, nRun);
    }
    return 7 * nWidest;
}

// Names, paths and texts of words, from a few characters to 64 KB, between
// the fixed words of a message: what fits stays as it is; what does not
// keeps its start and end and fits the room.
TEST(MessageText, EveryLengthFitsTheRoomAndKeepsBothEnds) {
    struct Kind {
        const char* pszName;
        int nWordLength; // 0: one word however long
        char chBetween;
    } const kinds[] = {{"name", 0, ' '}, {"words", 9, ' '}, {"lines", 30, '\n'}};
    for (const Kind& kind : kinds) {
        for (int nLength : {2, 50, 91, 92, 200, 1100, 5000, 65535, 65536}) {
            SCOPED_TRACE(testing::Message() << kind.pszName << " " << nLength);
            std::string strName(nLength, 'P');
            for (int i = kind.nWordLength; kind.nWordLength && i < nLength;
                 i += kind.nWordLength + 1)
                strName[i] = kind.chBetween;
            strName.front() = 'A';
            strName.back() = 'Z';
            const CString strText = "The printer\n\n" + CString(strName) + "\n\nis not available.";
            const CString strFit = CMessageText::Fit(strText, kRoom, Measure);
            EXPECT_LE(WidestWord(strFit), kRoom.cxWord);
            EXPECT_LE(CMessageText::CountRows(strFit, kRoom.cxLine, Measure), kRoom.nMaxRows);
            EXPECT_EQ(0, strFit.Find("The printer\n\nA"));
            EXPECT_EQ(strFit.GetLength() - 20, strFit.Find("Z\n\nis not available."));
            const bool bFits =
                WidestWord(strText) <= kRoom.cxWord &&
                CMessageText::CountRows(strText, kRoom.cxLine, Measure) <= kRoom.nMaxRows;
            if (bFits)
                EXPECT_EQ(strText, strFit);
            else
                EXPECT_NE(-1, strFit.Find("..."));
        }
    }
}

TEST(MessageText, RowsAreCountedAsTheBoxBreaksThem) {
    struct Case {
        const char* pszText;
        int nRows;
    } const cases[] = {
        {"", 1},
        {"one line", 1},
        {"two\nlines", 2},
        {"ends\n", 2},
        {"aaaa bbbb", 1},      // 4 + 1 + 4 characters on a line of 9
        {"aaaa bbbbb", 2},     // one more does not fit
        {"aaaaaaaaaaaaaa", 1}, // a wide word stands on its own line
        {"a aaaaaaaaaaaaaa b", 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nRows, CMessageText::CountRows(c.pszText, 63, Measure)) << c.pszText;
}
} // namespace
