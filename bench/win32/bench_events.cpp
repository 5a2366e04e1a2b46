// Loads, sorts and saves event files of 100, 500 and 5,000 entries through
// the Events page's own operations on its real list boxes, and prints the
// median times with their targets and ratios (a load reads at most 500
// entries, whatever the file holds): loading and sorting under one frame
// (16 ms); sorting under 5 ms, both the list's own sort and the page's
// (which reads the list box and fills it again; after an insertion it moves
// the one line); saving, into a new file and after a removal, within 2 times
// writing the same bytes with one write and a rename. Beside the targets stand the floors of
// what the page cannot do without: filling the list box with the sorted
// lines, and one section write through the profile functions, which event
// files are written through, and a rename.
// Built with the rest in build/win32, or optimised as a user runs it:
//   cmake -S . -B build/release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
//       -DCMAKE_BUILD_TYPE=Release && cmake --build build/release --target bench_events
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/AlmanarkApp.h"
#include "bench/win32/BenchClock.h"
#include "dates/DateCalc.h"
#include "dates/EventList.h"
#include "dates/EventsPage.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"

namespace {
const int kRounds = 7;
const int kSortRounds = 31;

// Entries of every form, in no order, with captions of varied length: a load
// has to sort them.
std::vector<CString> MakeValues(int nCount) {
    std::vector<CString> values;
    DWORD x = 2024;
    for (int i = 0; i < nCount; ++i) {
        x = x * 1103515245u + 12345u;
        int nMonth = (int)(x >> 8) % 12, nDay = 1 + (int)(x >> 16) % 28;
        CString strValue;
        switch (i % 4) {
        case 0:
            strValue.Format("%s %02d;Birthday of friend %d", g_apszMonthAbbrev[nMonth], nDay, i);
            break;
        case 1:
            strValue.Format("%s %02d, %d;Trip number %d to the coast", g_apszMonthAbbrev[nMonth],
                            nDay, 1970 + i % 68, i);
            break;
        case 2:
            strValue.Format("%s-%s #%s;Club %d", g_apszMonthAbbrev[nMonth],
                            g_apszWeekdayAbbrev[nDay % 7], g_apszOrdinal[nDay % 5], i);
            break;
        default:
            strValue.Format(i % 8 == 3 ? "EASTER;Egg hunt %d" : "EASTER+%d;Walk %d", 1 + nDay, i);
        }
        values.push_back(strValue);
    }
    return values;
}

CString EventFileText(const std::vector<CString>& values) {
    CString strText = "[Events]\r\n";
    for (size_t i = 0; i < values.size(); ++i)
        strText += CString::FromInt((int)i) + "=" + values[i] + "\r\n";
    return strText;
}

void WriteEventFile(const CString& strPath, const std::vector<CString>& values) {
    CString strText = EventFileText(values);
    HANDLE h = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    ::WriteFile(h, strText.c_str(), (DWORD)strText.GetLength(), &n, nullptr);
    ::CloseHandle(h);
}

// The floor of a save: the bytes of the saved file in one write to a file
// beside it, renamed over the target.
double WriteAndRename(const CString& strDir, const CString& strText) {
    const CString strTemp = strDir + "Floor.tmp", strPath = strDir + "Floor.evn";
    double t0 = BenchNow();
    HANDLE h = ::CreateFileA(strTemp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    ::WriteFile(h, strText.c_str(), (DWORD)strText.GetLength(), &n, nullptr);
    ::CloseHandle(h);
    ::MoveFileExA(strTemp, strPath, MOVEFILE_REPLACE_EXISTING);
    double dTime = BenchNow() - t0;
    ::DeleteFileA(strPath);
    return dTime;
}

// The floor of a save through the profile functions: the saved section in
// one section write to a new file beside the target, renamed over it.
double ProfileWriteAndRename(const CString& strDir, const std::string& strSection) {
    const CString strTemp = strDir + "Profile.tmp", strPath = strDir + "Profile.evn";
    double t0 = BenchNow();
    ::WritePrivateProfileSectionA("Events", strSection.c_str(), strTemp);
    ::MoveFileExA(strTemp, strPath, MOVEFILE_REPLACE_EXISTING);
    double dTime = BenchNow() - t0;
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, strPath);
    ::DeleteFileA(strPath);
    return dTime;
}

// The floor of the page's sort: the sorted lines put into the list box in
// place of those it holds, drawn once at the end.
double FillList(CListBox& list, const std::vector<CString>& lines) {
    double t0 = BenchNow();
    list.SendMessage(WM_SETREDRAW, FALSE);
    list.ResetContent();
    list.SendMessage(LB_INITSTORAGE, lines.size(), 64 * lines.size());
    list.AddStrings(lines);
    list.SendMessage(WM_SETREDRAW, TRUE);
    return BenchNow() - t0;
}

CString ReadFileText(const CString& strPath) {
    HANDLE h =
        ::CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD nSize = ::GetFileSize(h, nullptr), nRead = 0;
    std::string s(nSize, '\0');
    ::ReadFile(h, &s[0], nSize, &nRead, nullptr);
    ::CloseHandle(h);
    return CString(s);
}

std::vector<CString> ListLines(CEventsPage& page) {
    return page.m_listDates.GetTexts();
}

struct Times {
    double dLoad, dListSort, dSort, dRead, dInsertSort, dFill, dSave, dResave, dWrite, dFloor,
        dProfileFloor, dResaveFloor;
    bool bLoadSorted;
};

// The page shows the list as read from "Bench.evn"; the save goes to a file
// of its own each round, so that every round writes the whole list afresh.
Times Measure(CEventsPage& page, const CString& strDir, const std::vector<CString>& values) {
    WriteEventFile(strDir + "Bench.evn", values);
    std::vector<double> load, listSort, sort, read, insertSort, fill, save, resave, write, floor,
        profileFloor, resaveFloor;
    std::vector<CString> astrLines;
    for (const CString& strValue : values)
        astrLines.push_back(CEventList::LineFromValue(strValue));
    bool bLoadSorted = true;
    for (int r = 0; r < kRounds; ++r) {
        page.SelectEventFile("Bench");
        double t0 = BenchNow();
        page.LoadEventFile();
        load.push_back(BenchNow() - t0);
        // The load must have put the lines it reads (the file's first 500)
        // in calendar order.
        CEventList sorted;
        for (size_t i = 0; i < astrLines.size() && i < (size_t)CEventList::MAX_ENTRIES; ++i)
            sorted.AddLine(astrLines[i]);
        const std::vector<CString> astrRead = sorted.GetLines();
        sorted.Sort();
        bLoadSorted =
            bLoadSorted && ListLines(page) == sorted.GetLines() && sorted.GetLines() != astrRead;

        // A list as long as the file, in file order, sorted by the page.
        page.m_listDates.ResetContent();
        for (const CString& strLine : astrLines)
            page.m_listDates.AddString(strLine);
        double t2 = BenchNow();
        page.SortEventList();
        sort.push_back(BenchNow() - t2);
        t2 = BenchNow();
        const std::vector<CString> astrSorted = ListLines(page);
        read.push_back(BenchNow() - t2);
        fill.push_back(FillList(page.m_listDates, astrSorted));
        // As an entry from the Insert Date dialog: one line appended to the
        // sorted list, which the sort puts in its place.
        page.m_listDates.AddString("Jun 15\tInserted");
        t2 = BenchNow();
        page.SortEventList();
        insertSort.push_back(BenchNow() - t2);
        page.m_listDates.DeleteString(page.m_listDates.FindStringExact(-1, "Jun 15\tInserted"));

        CString strName;
        strName.Format("Saved%d", r);
        page.m_cbFile.SetCurSel(-1);
        page.m_cbFile.SetWindowText(strName);
        double t3 = BenchNow();
        page.SaveEventFile();
        save.push_back(BenchNow() - t3);
        const CString strSaved = strDir + strName + ".evn";
        floor.push_back(WriteAndRename(strDir, ReadFileText(strSaved)));
        profileFloor.push_back(
            ProfileWriteAndRename(strDir, CEventsPage::ReadEventSectionText(strSaved)));
        // As Remove Date saves: the file just written, one line fewer. The
        // profile functions' times vary with what they did before (their
        // lists of keys get slower to walk), so its floor is taken after it.
        page.m_listDates.DeleteString(0);
        t3 = BenchNow();
        page.SaveEventFile();
        resave.push_back(BenchNow() - t3);
        resaveFloor.push_back(
            ProfileWriteAndRename(strDir, CEventsPage::ReadEventSectionText(strSaved)));
        // Of the save, the file's own part: the values through the profile
        // functions into a checked copy, renamed over the file.
        std::vector<CString> astrValues;
        for (const CString& strLine : ListLines(page))
            astrValues.push_back(CEventList::ValueFromLine(strLine));
        std::vector<CString> astrWritten, astrConflicts;
        double t4 = BenchNow();
        CEventsPage::WriteEventValues(strDir + "Part.evn", {}, astrValues, astrWritten,
                                      astrConflicts);
        write.push_back(BenchNow() - t4);
        ::DeleteFileA(strDir + "Part.evn");
        ::DeleteFileA(strDir + strName + ".evn");
        page.m_cbFile.DeleteString(page.m_cbFile.FindStringExact(-1, strName));
    }
    // The list's own sort of all the lines, without the list box: more
    // rounds, as a few milliseconds move much on a busy machine.
    for (int r = 0; r < kSortRounds; ++r) {
        CEventList all;
        for (const CString& strLine : astrLines)
            all.AddLine(strLine);
        double t1 = BenchNow();
        all.Sort();
        listSort.push_back(BenchNow() - t1);
    }
    return {MedianOf(load),       MedianOf(listSort), MedianOf(sort),         MedianOf(read),
            MedianOf(insertSort), MedianOf(fill),     MedianOf(save),         MedianOf(resave),
            MedianOf(write),      MedianOf(floor),    MedianOf(profileFloor), MedianOf(resaveFloor),
            bLoadSorted};
}

// One figure: its median, what it is held to, and the ratio.
void PrintFigure(const char* pszName, double dTime, const char* pszTarget, double dTarget) {
    printf("  %-31s %8.2f ms   %-40s %8.2f ms   ratio %6.2f\n", pszName, 1000 * dTime, pszTarget,
           1000 * dTarget, dTime / dTarget);
}
} // namespace

int main() {
    CModalSeam::SetResponder([](CModalRequest& request) {
        fprintf(stderr, "unexpected message: %s\n", request.strText.c_str());
        return IDNO;
    });
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strDir = CString(szTemp) + "bench_events\\";
    ::CreateDirectoryA(strDir, nullptr);
    theApp.m_strCurDir = strDir;
    theApp.SetProfileName(strDir + "Almanark.ini");
    WriteEventFile(strDir + "Bench.evn", {});

    CWnd host;
    host.Attach(::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 600, nullptr,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr));
    CEventsPage page;
    if (!page.Create(IDD_EVENTS_PAGE, &host))
        return 1;

    printf("medians of %d rounds (the list's own sort: %d rounds)\n", kRounds, kSortRounds);
    bool bAllSorted = true;
    for (int nCount : {100, 500, 5000}) {
        Times t = Measure(page, strDir, MakeValues(nCount));
        printf("%d entries\n", nCount);
        PrintFigure("load+sort (reads at most 500)", t.dLoad, "target: one frame", 0.016);
        PrintFigure("list sort", t.dListSort, "target", 0.005);
        PrintFigure("page sort", t.dSort, "target", 0.005);
        // A sort through the list box reads its lines and fills it again; a
        // line inserted into a sorted list is found by reading them.
        PrintFigure("", t.dSort, "floor: reading and filling the list", t.dRead + t.dFill);
        PrintFigure("page sort, one line inserted", t.dInsertSort, "target", 0.005);
        PrintFigure("", t.dInsertSort, "floor: reading the list's lines", t.dRead);
        PrintFigure("save", t.dSave, "target: 2 x one write and a rename", 2 * t.dFloor);
        PrintFigure("", t.dSave, "floor: one profile section write, rename", t.dProfileFloor);
        PrintFigure("save after a removal", t.dResave, "target: 2 x one write and a rename",
                    2 * t.dFloor);
        PrintFigure("", t.dResave, "floor: one profile section write, rename", t.dResaveFloor);
        PrintFigure("of the save, the file's write", t.dWrite,
                    "floor: one profile section write, rename", t.dProfileFloor);
        bAllSorted = bAllSorted && t.bLoadSorted;
    }
    if (!bAllSorted)
        printf("error: a load did not give the lines in calendar order\n");
    page.DestroyWindow();
    ::DestroyWindow(host.Detach());
    for (const char* pszFile : {"Bench.evn", "Almanark.ini"})
        ::DeleteFileA(strDir + pszFile);
    ::RemoveDirectoryA(strDir);
    return 0;
}
