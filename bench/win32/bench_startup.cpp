// Start-up of Almanark.exe against a bare window (bench_bare_window.exe)
// and against the floor (bench_floor_window.exe: the same windows from the
// same templates without any of the program's work), taken in turns in the
// same run: from process creation until the main window is shown, painted
// and the program waits for input; then the peak working set of each.
// Prints medians; the targets are within 1.3 times the bare window and a
// peak working set under 28 MB. The program timed is the release build
// (build/release, made by scripts/build.sh release) that users get, or the
// program named on the command line, relative to this benchmark's folder.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchClock.h"

namespace {
const int kRounds = 9;
const double kTargetRatio = 1.3;
const double kTargetPeakMB = 28.0;

struct Run {
    double dSeconds = 0.0;
    double dPeakMB = 0.0;
};

struct Search {
    DWORD nPid;
    HWND hWnd;
};

BOOL CALLBACK FindShownWindow(HWND hWnd, LPARAM lParam) {
    Search& search = *reinterpret_cast<Search*>(lParam);
    DWORD nPid = 0;
    GetWindowThreadProcessId(hWnd, &nPid);
    if (nPid == search.nPid && IsWindowVisible(hWnd) && !GetWindow(hWnd, GW_OWNER))
        search.hWnd = hWnd;
    return search.hWnd == nullptr;
}

// Shown, then answering messages (start-up is over) with nothing left to paint.
bool WaitUntilPaintedAndIdle(const PROCESS_INFORMATION& pi, double dStart) {
    Search search = {pi.dwProcessId, nullptr};
    while (BenchNow() - dStart < 20.0) {
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            return false;
        if (!search.hWnd)
            EnumWindows(FindShownWindow, (LPARAM)&search);
        DWORD_PTR nResult = 0;
        if (search.hWnd &&
            SendMessageTimeoutA(search.hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &nResult) &&
            !GetUpdateRect(search.hWnd, nullptr, FALSE))
            return true;
        Sleep(0);
    }
    return false;
}

bool StartOnce(const char* pszExe, const char* pszDir, Run& run) {
    char szCommand[MAX_PATH * 2];
    wsprintfA(szCommand, "\"%s\"", pszExe);
    STARTUPINFOA si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    const double dStart = BenchNow();
    if (!CreateProcessA(pszExe, szCommand, nullptr, nullptr, FALSE, 0, nullptr, pszDir, &si, &pi))
        return false;
    const bool bOK = WaitUntilPaintedAndIdle(pi, dStart);
    run.dSeconds = BenchNow() - dStart;
    // Looked up at run time: the import library of this toolchain lacks it.
    using MemoryInfoFn = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    static const auto s_pfnMemoryInfo = reinterpret_cast<MemoryInfoFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo")));
    PROCESS_MEMORY_COUNTERS pmc = {sizeof pmc};
    if (s_pfnMemoryInfo && s_pfnMemoryInfo(pi.hProcess, &pmc, sizeof pmc))
        run.dPeakMB = pmc.PeakWorkingSetSize / (1024.0 * 1024.0);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return bOK;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Program {
    const char* pszName;
    char szPath[MAX_PATH];
    std::vector<double> seconds, peaks;
};

void PrintProgram(const Program& program, const Program* pBase) {
    const double dMs = Median(program.seconds) * 1000;
    char szLabel[32];
    wsprintfA(szLabel, "%s:", program.pszName);
    printf("  %-14s %7.1f ms (fastest %5.1f), peak working set %.1f MB", szLabel, dMs,
           *std::min_element(program.seconds.begin(), program.seconds.end()) * 1000,
           Median(program.peaks));
    if (pBase)
        printf(", %.2f x %s", dMs / (Median(pBase->seconds) * 1000), pBase->pszName);
    printf("\n");
}
} // namespace

int main(int argc, char** argv) {
    char szHere[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, szHere, MAX_PATH);
    *strrchr(szHere, '\\') = 0;
    Program bare = {"bare window", {0}, {}, {}};
    Program floor = {"floor", {0}, {}, {}};
    Program almanark = {"Almanark.exe", {0}, {}, {}};
    wsprintfA(bare.szPath, "%s\\bench_bare_window.exe", szHere);
    wsprintfA(floor.szPath, "%s\\bench_floor_window.exe", szHere);
    wsprintfA(almanark.szPath, "%s\\%s", szHere, argc > 1 ? argv[1] : "..\\release\\Almanark.exe");
    if (GetFileAttributesA(almanark.szPath) == INVALID_FILE_ATTRIBUTES) {
        fprintf(stderr, "bench_startup: %s is missing (scripts/build.sh release makes it)\n",
                almanark.szPath);
        return 1;
    }
    Program* const programs[] = {&bare, &floor, &almanark};
    // The program writes its settings file into the folder it starts in.
    char szDir[MAX_PATH];
    GetTempPathA(MAX_PATH, szDir);
    lstrcatA(szDir, "bench_startup");
    CreateDirectoryA(szDir, nullptr);
    for (int round = 0; round < kRounds + 1; ++round) {
        for (Program* pProgram : programs) {
            Run run;
            if (!StartOnce(pProgram->szPath, szDir, run)) {
                fprintf(stderr, "bench_startup: %s did not start and go idle\n", pProgram->szPath);
                return 1;
            }
            if (round == 0)
                continue; // the first start fills the file cache
            pProgram->seconds.push_back(run.dSeconds);
            pProgram->peaks.push_back(run.dPeakMB);
        }
    }
    printf("start-up to a shown, painted, idle window, median of %d starts each, in turns\n"
           "  program: %s\n",
           kRounds, almanark.szPath);
    PrintProgram(almanark, &bare);
    PrintProgram(floor, &bare);
    PrintProgram(bare, nullptr);
    printf("  Almanark.exe is %.2f x the floor of its own windows\n",
           Median(almanark.seconds) / Median(floor.seconds));
    const double dPeakMB = Median(almanark.peaks);
    printf("  targets: at most %.1f x the bare window (ratio %.2f); peak working set under %.0f "
           "MB (%.1f MB, ratio %.2f)\n",
           kTargetRatio, Median(almanark.seconds) / Median(bare.seconds), kTargetPeakMB, dPeakMB,
           dPeakMB / kTargetPeakMB);
    char szIni[MAX_PATH];
    wsprintfA(szIni, "%s\\Almanark.ini", szDir);
    DeleteFileA(szIni);
    RemoveDirectoryA(szDir);
    return 0;
}
