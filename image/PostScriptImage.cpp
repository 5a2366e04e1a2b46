#include "image/PostScriptImage.h"

#include <cstring>
#include <vector>

namespace {
// RunLengthDecode's code for the end of the data.
const uint8_t kEndOfData = 128;
const char kEnd[] = "~>\ngrestore\n";

// ASCII85 into a buffer sized beforehand: four bytes as five characters
// ("z" for four zero bytes), in lines of under 80 characters. No line
// starts with "%", which a spooler could take for a comment of its own.
class CAscii85Writer {
public:
    explicit CAscii85Writer(char* pOut) : m_pOut(pOut) {}
    void Put(uint8_t nByte) {
        m_nGroup = m_nGroup << 8 | nByte;
        if (++m_nBytes == 4) {
            PutGroup(m_nGroup, 5);
            m_nGroup = 0;
            m_nBytes = 0;
        }
    }
    // Writes the last, partial group: one character more than its bytes.
    // Gives the end of the text.
    char* Finish() {
        if (m_nBytes > 0)
            PutGroup(m_nGroup << (8 * (4 - m_nBytes)), m_nBytes + 1);
        return m_pOut;
    }

private:
    void PutGroup(uint32_t nGroup, int nChars) {
        if (nGroup == 0 && nChars == 5) {
            *m_pOut++ = 'z';
            ++m_nColumn;
        } else {
            char szGroup[5];
            for (int i = 4; i >= 0; --i) {
                szGroup[i] = (char)('!' + nGroup % 85);
                nGroup /= 85;
            }
            if (m_nColumn == 0 && szGroup[0] == '%')
                *m_pOut++ = ' ';
            memcpy(m_pOut, szGroup, nChars);
            m_pOut += nChars;
            m_nColumn += nChars;
        }
        if (m_nColumn >= 75) {
            *m_pOut++ = '\n';
            m_nColumn = 0;
        }
    }

    char* m_pOut;
    uint32_t m_nGroup = 0;
    int m_nBytes = 0;
    int m_nColumn = 0;
};

// PostScript run-length codes for n bytes: a run of 2 to 128 equal bytes as
// its length code and the byte, anything else as literal stretches of up to
// 128 bytes. Runs do not cross rows, which RunLengthDecode does not mind.
void PutRuns(const uint8_t* p, size_t n, CAscii85Writer& out) {
    size_t i = 0;
    while (i < n) {
        size_t nRun = 1;
        while (i + nRun < n && nRun < 128 && p[i + nRun] == p[i])
            ++nRun;
        if (nRun >= 2) {
            out.Put((uint8_t)(257 - nRun));
            out.Put(p[i]);
            i += nRun;
            continue;
        }
        size_t j = i + 1;
        while (j < n && j - i < 128 && !(j + 2 < n && p[j] == p[j + 1] && p[j] == p[j + 2]))
            ++j;
        out.Put((uint8_t)(j - i - 1));
        for (; i < j; ++i)
            out.Put(p[i]);
    }
}
} // namespace

void CPostScriptImage::Encode(const uint8_t* pBits, int cx, int cy, size_t nStride) {
    Clear();
    if (cx <= 0 || cy <= 0)
        return;
    const size_t cbRow = (size_t)cx * 3;
    // Run-length codes add at most a byte to every 128 and one a row,
    // ASCII85 a quarter, line ends and blanks a 37th of that.
    const size_t cbCoded = (cbRow + cbRow / 128 + 2) * (size_t)cy + 1;
    const size_t cbText = (cbCoded + 3) / 4 * 5;
    m_strBody.resize(cbText + cbText / 37 + 2 + sizeof kEnd);
    CAscii85Writer writer(&m_strBody[0]);
    std::vector<uint8_t> row(cbRow);
    for (int y = 0; y < cy; ++y) {
        const uint8_t* pRow = pBits + nStride * (size_t)y;
        for (size_t i = 0; i < cbRow; i += 3) {
            row[i] = pRow[i + 2];
            row[i + 1] = pRow[i + 1];
            row[i + 2] = pRow[i];
        }
        PutRuns(row.data(), cbRow, writer);
    }
    writer.Put(kEndOfData);
    char* pEnd = writer.Finish();
    const size_t nUsed = (size_t)(pEnd - &m_strBody[0]);
    m_strBody.replace(nUsed, std::string::npos, kEnd);
    m_cx = cx;
    m_cy = cy;
}

void CPostScriptImage::Clear() {
    std::string().swap(m_strBody);
    m_cx = m_cy = 0;
}

std::string CPostScriptImage::Head(int x, int y, int cxDest, int cyDest) const {
    const std::string w = std::to_string(m_cx);
    const std::string h = std::to_string(m_cy);
    return "gsave\n/DeviceRGB setcolorspace\n" + std::to_string(x) + " " + std::to_string(y) +
           " translate\n" + std::to_string(cxDest) + " " + std::to_string(cyDest) +
           " scale\n<<\n /ImageType 1\n /Width " + w + "\n /Height " + h +
           "\n /BitsPerComponent 8\n /ImageMatrix [" + w + " 0 0 -" + h + " 0 " + h +
           "]\n /Decode [0 1 0 1 0 1]\n"
           " /DataSource currentfile /ASCII85Decode filter /RunLengthDecode filter\n>>\nimage\n";
}
