#include "framework/Archive.h"

#include <climits>
#include <cstring>

namespace {
// Values are encoded byte by byte, so the host's byte order never matters.
void PutLE(unsigned char* p, uint64_t n, int nBytes) {
    for (int i = 0; i < nBytes; ++i)
        p[i] = (unsigned char)(n >> (8 * i));
}

uint64_t GetLE(const unsigned char* p, int nBytes) {
    uint64_t n = 0;
    for (int i = 0; i < nBytes; ++i)
        n |= (uint64_t)p[i] << (8 * i);
    return n;
}

const int kFontRecordSize = 28;
} // namespace

CArchive::CArchive(CFile* pFile, Mode nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_buf(nBufSize < 64 ? 64 : (size_t)nBufSize) {}

void CArchive::Flush() {
    if (IsStoring()) {
        if (m_nCur > 0) {
            size_t nCount = m_nCur;
            m_nCur = 0;
            m_pFile->Write(m_buf.data(), (unsigned)nCount);
        }
    } else {
        if (m_nLim > m_nCur)
            m_pFile->Seek(-(int64_t)(m_nLim - m_nCur), CFile::current);
        m_nCur = m_nLim = 0;
    }
}

void CArchive::Close() {
    Flush();
}

void CArchive::Write(const void* pBuf, unsigned nCount) {
    if (!IsStoring())
        throw CArchiveException(CArchiveException::readOnly);
    const unsigned char* p = (const unsigned char*)pBuf;
    while (nCount > 0) {
        if (m_nCur == 0 && nCount >= m_buf.size()) {
            // Too large to be worth buffering.
            m_pFile->Write(p, nCount);
            return;
        }
        size_t nRoom = m_buf.size() - m_nCur;
        size_t nCopy = nCount < nRoom ? nCount : nRoom;
        memcpy(m_buf.data() + m_nCur, p, nCopy);
        m_nCur += nCopy;
        p += nCopy;
        nCount -= (unsigned)nCopy;
        if (m_nCur == m_buf.size())
            Flush();
    }
}

void CArchive::WriteInt(int32_t n) {
    unsigned char b[4];
    PutLE(b, (uint32_t)n, 4);
    Write(b, 4);
}

void CArchive::WriteShort(int16_t n) {
    unsigned char b[2];
    PutLE(b, (uint16_t)n, 2);
    Write(b, 2);
}

void CArchive::WriteByte(uint8_t n) {
    Write(&n, 1);
}

void CArchive::WriteDouble(double d) {
    static_assert(sizeof(double) == 8, "IEEE binary64");
    uint64_t n;
    memcpy(&n, &d, 8);
    unsigned char b[8];
    PutLE(b, n, 8);
    Write(b, 8);
}

void CArchive::WriteString(const CString& s) {
    uint32_t n = (uint32_t)s.GetLength();
    if (n < 0xFF) {
        WriteByte((uint8_t)n);
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        WriteShort((int16_t)(uint16_t)n);
    } else {
        WriteByte(0xFF);
        WriteShort((int16_t)0xFFFF);
        WriteInt((int32_t)n);
    }
    Write(s.c_str(), n);
}

void CArchive::WriteFont(const LOGFONT& lf) {
    unsigned char b[kFontRecordSize];
    PutLE(b, (uint32_t)lf.lfHeight, 4);
    PutLE(b + 4, (uint32_t)lf.lfWidth, 4);
    PutLE(b + 8, (uint32_t)lf.lfEscapement, 4);
    PutLE(b + 12, (uint32_t)lf.lfOrientation, 4);
    PutLE(b + 16, (uint32_t)lf.lfWeight, 4);
    b[20] = lf.lfItalic;
    b[21] = lf.lfUnderline;
    b[22] = lf.lfStrikeOut;
    b[23] = lf.lfCharSet;
    b[24] = lf.lfOutPrecision;
    b[25] = lf.lfClipPrecision;
    b[26] = lf.lfQuality;
    b[27] = lf.lfPitchAndFamily;
    Write(b, kFontRecordSize);
}

// Moves what is left of the buffer to its front and reads from the file
// until at least nNeeded bytes (at most the buffer's size) are buffered.
void CArchive::FillBuffer(unsigned nNeeded) {
    size_t nHave = m_nLim - m_nCur;
    if (nHave >= nNeeded)
        return;
    if (m_nCur > 0) {
        memmove(m_buf.data(), m_buf.data() + m_nCur, nHave);
        m_nCur = 0;
        m_nLim = nHave;
    }
    if (nNeeded > m_buf.size())
        nNeeded = (unsigned)m_buf.size();
    while (m_nLim < nNeeded) {
        unsigned nRead = m_pFile->Read(m_buf.data() + m_nLim, (unsigned)(m_buf.size() - m_nLim));
        if (nRead == 0)
            throw CArchiveException(CArchiveException::endOfFile);
        m_nLim += nRead;
    }
}

void CArchive::Read(void* pBuf, unsigned nCount) {
    if (!IsLoading())
        throw CArchiveException(CArchiveException::writeOnly);
    // Most reads are a few bytes that are buffered already.
    if (nCount > 0 && nCount <= m_nLim - m_nCur) {
        memcpy(pBuf, m_buf.data() + m_nCur, nCount);
        m_nCur += nCount;
        return;
    }
    unsigned char* p = (unsigned char*)pBuf;
    while (nCount > 0) {
        size_t nHave = m_nLim - m_nCur;
        if (nHave == 0 && nCount >= m_buf.size()) {
            // Large blocks go straight from the file into the caller's memory.
            unsigned nRead = m_pFile->Read(p, nCount);
            if (nRead == 0)
                throw CArchiveException(CArchiveException::endOfFile);
            p += nRead;
            nCount -= nRead;
            continue;
        }
        if (nHave == 0) {
            FillBuffer(1);
            nHave = m_nLim - m_nCur;
        }
        size_t nCopy = nCount < nHave ? nCount : nHave;
        memcpy(p, m_buf.data() + m_nCur, nCopy);
        m_nCur += nCopy;
        p += nCopy;
        nCount -= (unsigned)nCopy;
    }
}

int32_t CArchive::ReadInt() {
    unsigned char b[4];
    Read(b, 4);
    return (int32_t)(uint32_t)GetLE(b, 4);
}

int16_t CArchive::ReadShort() {
    unsigned char b[2];
    Read(b, 2);
    return (int16_t)(uint16_t)GetLE(b, 2);
}

uint8_t CArchive::ReadByte() {
    uint8_t n;
    Read(&n, 1);
    return n;
}

double CArchive::ReadDouble() {
    unsigned char b[8];
    Read(b, 8);
    uint64_t n = GetLE(b, 8);
    double d;
    memcpy(&d, &n, 8);
    return d;
}

uint64_t CArchive::BytesLeft() const {
    uint64_t nLength = m_pFile->GetLength();
    uint64_t nPos = m_pFile->GetPosition();
    return (nLength > nPos ? nLength - nPos : 0) + (m_nLim - m_nCur);
}

// 0xFF 0xFFFE announces 16-bit characters, whose count follows in a second
// prefix of the same form.
uint32_t CArchive::ReadStringLength(bool& bWide) {
    bWide = false;
    uint8_t nByte = ReadByte();
    if (nByte < 0xFF)
        return nByte;
    uint16_t nWord = (uint16_t)ReadShort();
    if (nWord == 0xFFFE) {
        bWide = true;
        nByte = ReadByte();
        if (nByte < 0xFF)
            return nByte;
        nWord = (uint16_t)ReadShort();
    }
    if (nWord < 0xFFFF)
        return nWord;
    return (uint32_t)ReadInt();
}

CString CArchive::ReadString() {
    bool bWide;
    uint32_t nLength = ReadStringLength(bWide);
    uint64_t nBytes = bWide ? 2 * (uint64_t)nLength : nLength;
    // Checked before anything is allocated: a damaged prefix must not make
    // the program ask for gigabytes.
    if (nBytes > BytesLeft())
        throw CArchiveException(CArchiveException::endOfFile);
    if (nLength > (uint32_t)INT_MAX)
        throw CArchiveException(CArchiveException::genericException);
    CString s;
    if (nLength == 0)
        return s;
    char* p = s.GetBuffer((int)nLength);
    if (!bWide) {
        Read(p, nLength);
    } else {
        unsigned char b[2];
        for (uint32_t i = 0; i < nLength; ++i) {
            Read(b, 2);
            unsigned nChar = (unsigned)GetLE(b, 2);
            p[i] = nChar > 0xFF ? '?' : (char)nChar;
        }
    }
    s.ReleaseBuffer((int)nLength);
    return s;
}

void CArchive::ReadFont(LOGFONT& lf) {
    unsigned char b[kFontRecordSize];
    Read(b, kFontRecordSize);
    lf.lfHeight = (LONG)(uint32_t)GetLE(b, 4);
    lf.lfWidth = (LONG)(uint32_t)GetLE(b + 4, 4);
    lf.lfEscapement = (LONG)(uint32_t)GetLE(b + 8, 4);
    lf.lfOrientation = (LONG)(uint32_t)GetLE(b + 12, 4);
    lf.lfWeight = (LONG)(uint32_t)GetLE(b + 16, 4);
    lf.lfItalic = b[20];
    lf.lfUnderline = b[21];
    lf.lfStrikeOut = b[22];
    lf.lfCharSet = b[23];
    lf.lfOutPrecision = b[24];
    lf.lfClipPrecision = b[25];
    lf.lfQuality = b[26];
    lf.lfPitchAndFamily = b[27];
}
