// The one-call section read answers every key as the key-by-key profile read
// does, over hand-picked and randomly assembled event files.
#include <gtest/gtest.h>

#include <windows.h>
#include <algorithm>
#include <random>
#include <vector>

#include "common/TestSupport.h"
#include "dates/EventSection.h"
#include "dates/EventsPage.h"
#include "resources/resource.h"

namespace {

CString Repeat(char ch, int n) {
    return CString(ch, n);
}

// Lines an event file may hold, written by the program or by hand.
std::vector<CString> LinePool() {
    std::vector<CString> pool = {"0=Jan 01;New Year",
                                 "1=Jan 5;Lunch",
                                 "2=EASTER;Brunch",
                                 "3=END",
                                 "2=Dup;second",
                                 "  4  =   Jul 04;Blanks around   ",
                                 "5=\"Quoted;both\"",
                                 "5='single'",
                                 "6=\"open only",
                                 "6=close only\"",
                                 "7=\"'mixed\"'",
                                 "7=\"\"",
                                 "8=\"",
                                 "8=",
                                 "9",
                                 "10=;",
                                 "00=zero zero",
                                 "11=Nov-Thu #4;Turkey;with;semicolons",
                                 "; comment=0",
                                 "[Other]",
                                 "[Events]",
                                 "[events]",
                                 "[ Events ]",
                                 "12=a=b=c",
                                 "13=\tTab led",
                                 "499=last read",
                                 "500=first unread",
                                 "501=\"" + Repeat('q', 1500) + "\"",
                                 "502=" + Repeat('w', 1100),
                                 "14=" + Repeat('x', 259),
                                 "14=" + Repeat('x', 260),
                                 "15=\"" + Repeat('y', 258) + "\"",
                                 "15=\"" + Repeat('y', 259) + "\"",
                                 "15=\"" + Repeat('y', 260) + "\"",
                                 "16=" + Repeat('z', 261),
                                 "x=not a key",
                                 "=no name",
                                 "+1=plus",
                                 "1 =Spaced key"};
    for (int i = 17; i < 40; ++i)
        pool.push_back(CString::FromInt(i) + "=Mar 0" + CString::FromInt(i % 10) + ";E");
    return pool;
}

void ExpectSameAsKeyByKey(const CString& strPath, const CString& strText) {
    const CEventSection section = CEventsPage::ReadEventSection(strPath);
    // The keys the pool uses, the last one read and the first ones past it.
    for (int nKey = 0; nKey < 505; nKey = nKey == 45 ? 495 : nKey + 1) {
        const CString strKey = CString::FromInt(nKey);
        char szValue[260] = {0};
        GetPrivateProfileStringA("Events", strKey, "END", szValue, sizeof szValue, strPath);
        ASSERT_EQ(CString(szValue), section.Value(nKey, "END", sizeof szValue))
            << "key " << nKey << " of:\n"
            << strText.c_str();
        std::vector<char> whole(1024);
        for (;; whole.resize(whole.size() * 4)) {
            const DWORD n = GetPrivateProfileStringA("Events", strKey, "END", whole.data(),
                                                     (DWORD)whole.size(), strPath);
            if (n < whole.size() - 1)
                break;
        }
        ASSERT_EQ(CString(whole.data()), section.WholeValue(nKey, "END"))
            << "key " << nKey << " of:\n"
            << strText.c_str();
    }
}

TEST(EventSectionTest, AnswersEveryKeyAsTheKeyByKeyReadDoes) {
    CTempDir dir("evs");
    const std::vector<CString> pool = LinePool();
    // The pool in order, then files of lines drawn at random.
    CString strText = "[Events]\r\n";
    for (const CString& strLine : pool)
        strText += strLine + "\r\n";
    std::mt19937 rng(14);
    for (int nFile = 0; nFile < 60; ++nFile) {
        // A fresh name each time: the profile reader caches files it has seen.
        const CString strPath = dir.File("list" + CString::FromInt(nFile) + ".evn");
        ASSERT_TRUE(WriteWholeFile(strPath, strText));
        ExpectSameAsKeyByKey(strPath, strText);
        strText = rng() % 4 ? "[Events]\r\n" : "[Other]\r\n0=x\r\n[Events]\r\n";
        const int nLines = 1 + rng() % 30;
        for (int i = 0; i < nLines; ++i)
            strText += pool[rng() % pool.size()] + (rng() % 5 ? "\r\n" : "\n");
    }
    ExpectSameAsKeyByKey(dir.File("missing.evn"), "<no file>");
}

} // namespace

namespace {

// The date list's scroll extent is that of its widest line, however few of
// the lines are measured: against measuring every line, over random lists.
// Every other list holds one line's characters in other orders: lines of the
// same widths measure as one only while their tabs stay where they were.
TEST(EventSectionTest, ListExtentIsThatOfTheWidestLine) {
    CWnd host;
    host.Attach(CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 600, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr));
    CEventsPage page;
    ASSERT_TRUE(page.Create(IDD_EVENTS_PAGE, &host));
    RECT rcTab = {0, 0, 45, 0};
    MapDialogRect(page.GetSafeHwnd(), &rcTab);
    int nTabStop = rcTab.right;
    HDC hDC = GetDC(page.m_listDates);
    HGDIOBJ hOld = SelectObject(hDC, (HGDIOBJ)page.m_listDates.SendMessage(WM_GETFONT));
    static const char s_achPool[] = "iIl.WMm w1\t;Jan 05EASTER-#'\xe9\xc4";
    std::mt19937 rng(14);
    auto randomLine = [&] {
        std::string strLine;
        for (int n = rng() % 50; n > 0; --n)
            strLine += s_achPool[rng() % (sizeof s_achPool - 1)];
        return strLine;
    };
    for (int nList = 0; nList < 80; ++nList) {
        std::vector<CString> lines(1 + rng() % 60);
        const std::string strBase = randomLine();
        int cxWidest = 0;
        for (CString& strLine : lines) {
            std::string strChars = nList % 2 ? strBase : randomLine();
            if (nList % 2)
                std::shuffle(strChars.begin(), strChars.end(), rng);
            strLine = CString(strChars);
            const CString strMeasured = strLine + "o";
            cxWidest =
                std::max(cxWidest, (int)LOWORD(GetTabbedTextExtentA(
                                       hDC, strMeasured, strMeasured.GetLength(), 1, &nTabStop)));
        }
        page.m_listDates.SetHorizontalExtent(0);
        page.WidenListExtent(lines);
        ASSERT_EQ(cxWidest, page.m_listDates.GetHorizontalExtent()) << "list " << nList;
    }
    SelectObject(hDC, hOld);
    ReleaseDC(page.m_listDates, hDC);
    page.DestroyWindow();
    DestroyWindow(host.Detach());
}

} // namespace
