// Loads, sorts and saves event files of 100, 500 and 5,000 entries through
// the Events page's own operations on its real list boxes, and prints the
// median times. Loading and sorting 500 entries should take under one frame
// (16 ms).
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/AlmanarkApp.h"
#include "bench/win32/BenchClock.h"
#include "dates/DateCalc.h"
#include "dates/EventsPage.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"

namespace {
const int kRounds = 7;

// Entries of every form, in no order, with captions of varied length.
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
            strValue.Format("EASTER;Egg hunt %d", i);
        }
        values.push_back(strValue);
    }
    return values;
}

void WriteEventFile(const CString& strPath, const std::vector<CString>& values) {
    CString strText = "[Events]\r\n";
    for (size_t i = 0; i < values.size(); ++i)
        strText += CString::FromInt((int)i) + "=" + values[i] + "\r\n";
    HANDLE h = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    ::WriteFile(h, strText.c_str(), (DWORD)strText.GetLength(), &n, nullptr);
    ::CloseHandle(h);
}

struct Times {
    double dLoad, dSort, dSave;
};

// The page shows the list as read from "Bench.evn"; the save goes to a file
// of its own each round, so that every round writes the whole list afresh.
Times Measure(CEventsPage& page, const CString& strDir, const std::vector<CString>& values) {
    WriteEventFile(strDir + "Bench.evn", values);
    std::vector<double> load, sort, save;
    for (int r = 0; r < kRounds; ++r) {
        page.SelectEventFile("Bench");
        double t0 = BenchNow();
        page.LoadEventFile();
        load.push_back(BenchNow() - t0);

        // A list as long as the file, in file order, sorted by the page.
        page.m_listDates.ResetContent();
        for (const CString& strValue : values)
            page.m_listDates.AddString(strValue.Left(strValue.Find(';')) + "\t" +
                                       strValue.Mid(strValue.Find(';') + 1));
        double t1 = BenchNow();
        page.SortEventList();
        sort.push_back(BenchNow() - t1);

        CString strName;
        strName.Format("Saved%d", r);
        page.m_cbFile.SetCurSel(-1);
        page.m_cbFile.SetWindowText(strName);
        double t2 = BenchNow();
        page.SaveEventFile();
        save.push_back(BenchNow() - t2);
        ::DeleteFileA(strDir + strName + ".evn");
        page.m_cbFile.DeleteString(page.m_cbFile.FindStringExact(-1, strName));
    }
    return {MedianOf(load), MedianOf(sort), MedianOf(save)};
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

    printf("event file entries  load+sort    sort     save   (median of %d rounds)\n", kRounds);
    for (int nCount : {100, 500, 5000}) {
        Times t = Measure(page, strDir, MakeValues(nCount));
        printf("%18d  %7.2f ms  %7.2f ms  %7.1f ms\n", nCount, 1000 * t.dLoad, 1000 * t.dSort,
               1000 * t.dSave);
    }
    page.DestroyWindow();
    ::DestroyWindow(host.Detach());
    for (const char* pszFile : {"Bench.evn", "Almanark.ini"})
        ::DeleteFileA(strDir + pszFile);
    ::RemoveDirectoryA(strDir);
    return 0;
}
