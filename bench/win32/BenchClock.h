// Timing helpers shared by the benchmarks: a high-resolution clock and the
// median of repeated rounds (one slow round on a busy machine moves it little).
#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

inline double BenchNow() {
    static const LARGE_INTEGER s_frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(s_frequency.QuadPart);
}

// The median of times measured round by round.
inline double MedianOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Milliseconds per call of fn, the median of nRounds rounds of nCalls calls.
template <class Fn> double MedianMs(int nRounds, int nCalls, Fn fn) {
    std::vector<double> times;
    for (int round = 0; round < nRounds; ++round) {
        const double dStart = BenchNow();
        for (int i = 0; i < nCalls; ++i)
            fn();
        times.push_back((BenchNow() - dStart) * 1000.0 / nCalls);
    }
    return MedianOf(times);
}

// CPU milliseconds this thread has used (user and kernel); on a busy machine
// it moves less than the clock, though it misses time spent in other processes.
inline double ThreadCpuMs() {
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    ::GetThreadTimes(::GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser);
    auto ms = [](const FILETIME& ft) {
        return double((ULONGLONG(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 10000.0;
    };
    return ms(ftKernel) + ms(ftUser);
}
