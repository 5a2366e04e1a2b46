// Loads event files of 100, 500 and 5,000 entries into the real Events page
// and compares each load with its floor: reading the same file once and
// splitting it into lines. Prints medians; the targets are a 500-entry load
// under 3 ms (within 15 times its floor) and 5,000 entries under 15 ms.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "BenchClock.h"
#include "app/AlmanarkApp.h"
#include "dates/EventsPage.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"

namespace {
const int kRounds = 11;

CString WriteEventFile(const CString& strDir, int nEntries) {
    static const char* const s_apszForms[] = {
        "May %02d;Birthday of person %d", "Jun-Mon #2;Meeting number %d",
        "Jul %02d, 2001;One-year event %d", "EASTER;Easter %d"};
    CString strText = "[Events]\r\n";
    for (int i = 0; i < nEntries; ++i) {
        CString strValue;
        const char* pszForm = s_apszForms[i % 4];
        if (i % 4 == 0 || i % 4 == 2)
            strValue.Format(pszForm, 1 + i % 28, i);
        else
            strValue.Format(pszForm, i);
        strText += CString::FromInt(i) + "=" + strValue + "\r\n";
    }
    const CString strName = "bench" + CString::FromInt(nEntries);
    HANDLE h = ::CreateFileA(strDir + strName + ".evn", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                             nullptr);
    DWORD nWritten = 0;
    ::WriteFile(h, strText.c_str(), (DWORD)strText.GetLength(), &nWritten, nullptr);
    ::CloseHandle(h);
    return strName;
}

// The floor: the file read in one go and cut into its lines.
size_t ReadAndSplit(const CString& strPath) {
    HANDLE h =
        ::CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const DWORD nSize = ::GetFileSize(h, nullptr);
    std::vector<char> buf(nSize);
    DWORD nRead = 0;
    ::ReadFile(h, buf.data(), nSize, &nRead, nullptr);
    ::CloseHandle(h);
    std::vector<CString> lines;
    size_t nStart = 0;
    for (size_t i = 0; i < nRead; ++i)
        if (buf[i] == '\n') {
            lines.emplace_back(buf.data() + nStart, int(i - nStart));
            nStart = i + 1;
        }
    return lines.size();
}
} // namespace

int main() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CModalSeam::SetResponder([](CModalRequest&) { return 0; });
    char szTemp[MAX_PATH] = {0};
    GetTempPathA(MAX_PATH, szTemp);
    const CString strDir = CString(szTemp) + "bench_event_load\\";
    CreateDirectoryA(strDir, nullptr);
    theApp.m_strCurDir = strDir;
    theApp.SetProfileName(strDir + "Almanark.ini");
    CWnd host;
    host.Attach(CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 600, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr));
    std::vector<CString> names;
    for (int nEntries : {100, 500, 5000})
        names.push_back(WriteEventFile(strDir, nEntries));
    CEventsPage page;
    if (!page.Create(IDD_EVENTS_PAGE, &host)) {
        fprintf(stderr, "bench_event_load: the Events page did not open\n");
        return 1;
    }
    printf("event-file loads into the Events page, median of %d rounds (machine shared and "
           "busy: compare the ratios)\n",
           kRounds);
    for (const CString& strName : names) {
        page.FillEventFileCombo();
        page.SelectEventFile(strName);
        page.LoadEventFile(); // warm the file cache
        const double dLoad = MedianMs(kRounds, 5, [&] { page.LoadEventFile(); });
        size_t nLines = 0;
        const double dFloor =
            MedianMs(kRounds, 5, [&] { nLines = ReadAndSplit(strDir + strName + ".evn"); });
        const double dCpuStart = ThreadCpuMs();
        for (int i = 0; i < 40; ++i)
            page.LoadEventFile();
        const double dCpu = (ThreadCpuMs() - dCpuStart) / 40;
        printf("%-10s %5zu lines, %4d listed: load %8.3f ms (CPU %6.3f ms), read-and-split floor "
               "%6.3f ms, ratio %6.1f\n",
               strName.c_str(), nLines - 1, page.m_listDates.GetCount(), dLoad, dCpu, dFloor,
               dLoad / dFloor);
    }
    printf("targets: 500 entries under 3 ms and within 15 x the floor; 5000 under 15 ms\n");
    page.DestroyWindow();
    DestroyWindow(host.Detach());
    for (const CString& strName : names)
        DeleteFileA(strDir + strName + ".evn");
    DeleteFileA(strDir + "Almanark.ini");
    RemoveDirectoryA(strDir);
    return 0;
}
