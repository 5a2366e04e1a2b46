// Test support: reads back PostScript image data written as ASCII85 over
// run-length codes, by the decoding rules of the PostScript language.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The bytes of ASCII85 text up to "~>"; false on a character or group the
// filter would refuse.
inline bool DecodeAscii85(const std::string& text, std::vector<uint8_t>& out) {
    uint64_t nGroup = 0;
    int nChars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '~')
            break;
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t')
            continue;
        if (c == 'z' && nChars == 0) {
            out.insert(out.end(), 4, 0);
            continue;
        }
        if (c < '!' || c > 'u')
            return false;
        nGroup = nGroup * 85 + (uint64_t)(c - '!');
        if (++nChars == 5) {
            if (nGroup > 0xFFFFFFFFu)
                return false;
            for (int k = 3; k >= 0; --k)
                out.push_back((uint8_t)(nGroup >> (8 * k)));
            nGroup = 0;
            nChars = 0;
        }
    }
    if (nChars == 1)
        return false;
    if (nChars > 0) {
        for (int k = nChars; k < 5; ++k)
            nGroup = nGroup * 85 + 84;
        for (int k = 0; k < nChars - 1; ++k)
            out.push_back((uint8_t)(nGroup >> (8 * (3 - k))));
    }
    return true;
}

// The bytes of run-length codes up to their end code; false when the codes
// run past the data or have no end.
inline bool DecodeRunLength(const std::vector<uint8_t>& in, std::vector<uint8_t>& out) {
    size_t i = 0;
    while (i < in.size()) {
        const uint8_t n = in[i++];
        if (n == 128)
            return i == in.size();
        if (n < 128) {
            if (i + n + 1 > in.size())
                return false;
            out.insert(out.end(), in.begin() + (long)i, in.begin() + (long)(i + n + 1));
            i += n + 1;
        } else {
            if (i >= in.size())
                return false;
            out.insert(out.end(), 257 - n, in[i++]);
        }
    }
    return false;
}

inline bool DecodePostScriptImage(const std::string& text, std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> codes;
    return DecodeAscii85(text, codes) && DecodeRunLength(codes, pixels);
}
