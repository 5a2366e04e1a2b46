// The event harnesses take each input line as one value, as a hand-edited
// event file may hold it.
#pragma once
#include "framework/String.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// A hundred values show every rule; the list's own limit of 500 entries is a
// unit test's, and more values per input would only make each input slower
// to try.
inline std::vector<CString> FuzzLines(const uint8_t* data, size_t size, size_t nMax = 100) {
    const char* s = (const char*)data;
    // memchr rather than a loop of our own: every byte compared in
    // instrumented code is a call into the fuzzer.
    auto lineEnd = [&](size_t i) {
        const void* eol = std::memchr(s + i, '\n', size - i);
        return eol ? (size_t)((const char*)eol - s) : size;
    };
    size_t nLines = 0;
    for (size_t i = 0; i < size && nLines < nMax; i = lineEnd(i) + 1)
        ++nLines;
    std::vector<CString> astrLines;
    astrLines.reserve(nLines);
    for (size_t i = 0; astrLines.size() < nLines;) {
        size_t nEnd = lineEnd(i);
        astrLines.emplace_back(s + i, (int)(nEnd - i));
        i = nEnd + 1;
    }
    return astrLines;
}
