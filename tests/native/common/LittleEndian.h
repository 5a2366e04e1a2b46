// Little-endian numbers written out byte by byte, for building expected file
// bytes by hand, independently of the code that reads and writes them.
#pragma once
#include <cstdint>
#include <string>

// The low nBytes bytes of n, lowest first.
inline std::string Le(uint64_t n, int nBytes) {
    std::string s;
    for (int i = 0; i < nBytes; ++i)
        s += (char)(n >> (8 * i));
    return s;
}

inline void PutLe(unsigned char* p, uint64_t n, int nBytes) {
    for (int i = 0; i < nBytes; ++i)
        p[i] = (unsigned char)(n >> (8 * i));
}

inline uint32_t GetLe(const unsigned char* p, int nBytes) {
    uint32_t n = 0;
    for (int i = 0; i < nBytes; ++i)
        n |= (uint32_t)p[i] << (8 * i);
    return n;
}
