// Loads, sorts and saves event files of 100, 500 and 5,000 entries through
// the Events page's own operations on its real list boxes, and prints the
// median times with their targets and ratios (a load reads at most 500
// entries, whatever the file holds): loading and sorting 500
// entries under one frame (16 ms); sorting 5,000 lines under 5 ms, both the
// list's own sort and the page's (which fills the list box again); saving
// within 2 times writing the same bytes with one write and a rename.
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
    std::vector<CString> lines;
    for (int i = 0; i < page.m_listDates.GetCount(); ++i)
        lines.push_back(page.m_listDates.GetText(i));
    return lines;
}

struct Times {
    double dLoad, dListSort, dSort, dSave, dWrite, dFloor;
    bool bLoadSorted;
};

// The page shows the list as read from "Bench.evn"; the save goes to a file
// of its own each round, so that every round writes the whole list afresh.
Times Measure(CEventsPage& page, const CString& strDir, const std::vector<CString>& values) {
    WriteEventFile(strDir + "Bench.evn", values);
    std::vector<double> load, listSort, sort, save, write, floor;
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

        CString strName;
        strName.Format("Saved%d", r);
        page.m_cbFile.SetCurSel(-1);
        page.m_cbFile.SetWindowText(strName);
        double t3 = BenchNow();
        page.SaveEventFile();
        save.push_back(BenchNow() - t3);
        floor.push_back(WriteAndRename(strDir, ReadFileText(strDir + strName + ".evn")));
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
    return {MedianOf(load),  MedianOf(listSort), MedianOf(sort), MedianOf(save),
            MedianOf(write), MedianOf(floor),    bLoadSorted};
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

    printf("medians of %d rounds (list sort: %d); targets: load+sort of 500 under 16 ms, sort of "
           "5,000 under 5 "
           "ms, save within 2 x one write and a rename\n",
           kRounds, kSortRounds);
    printf("entries  load+sort   list sort   page sort        save  write+rename  save ratio\n");
    bool bAllSorted = true;
    for (int nCount : {100, 500, 5000}) {
        Times t = Measure(page, strDir, MakeValues(nCount));
        printf("%7d  %6.2f ms  %7.2f ms  %7.2f ms  %7.2f ms  %9.2f ms  %7.2f\n", nCount,
               1000 * t.dLoad, 1000 * t.dListSort, 1000 * t.dSort, 1000 * t.dSave, 1000 * t.dFloor,
               t.dSave / t.dFloor);
        if (nCount == 500)
            printf("         load+sort ratio to its target (16 ms): %.2f\n", t.dLoad / 0.016);
        if (nCount == 5000)
            printf("         sort ratio to its target (5 ms): list %.2f, page %.2f; save ratio "
                   "target 2\n",
                   t.dListSort / 0.005, t.dSort / 0.005);
        printf("         of the save, the file write through the profile functions: %.2f ms\n",
               1000 * t.dWrite);
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
