#include "image/Dib.h"

#include <utility>
#include <vector>
#include "framework/ModalSeam.h"

namespace {
const char kAttachError[] = "AttachMemory error";
const char kReadError[] = "Read error";
const char kWriteError[] = "write error";
} // namespace

CDib::CDib()
    : m_pColors(nullptr), m_pBits(nullptr), m_pHeader(nullptr), m_hHeaderGlobal(nullptr),
      m_nHeaderOwner(ownerNone), m_nBitsOwner(ownerNone), m_dwBitsSize(0), m_nColors(0),
      m_hPal(nullptr) {
    Clear();
}

CDib::~CDib() {
    Clear();
}

BOOL CDib::AttachMemory(void* pHeader, BOOL bMustFree, HGLOBAL hGlobal, uint64_t nLength) {
    Clear();
    m_hHeaderGlobal = hGlobal;
    m_nHeaderOwner = !bMustFree ? ownerNone : hGlobal ? ownerGlobal : ownerHeap;
    m_pHeader = (BITMAPINFOHEADER*)pHeader;

    CDibMetrics metrics;
    if (CDibFormat::CheckPacked(pHeader, nLength, metrics) != CDibFormat::none) {
        Clear();
        AfxMessageBox(kAttachError, MB_OK);
        return FALSE;
    }
    m_dwBitsSize = metrics.dwBitsSize;
    m_nColors = metrics.nColors;
    m_pColors = (RGBQUAD*)((BYTE*)pHeader + CDibFormat::kInfoHeaderSize);
    m_pBits = (BYTE*)(m_pColors + m_nColors);
    BuildPalette();
    TakeNewSerial();
    return TRUE;
}

BOOL CDib::Read(CFile* pFile) {
    Clear();
    CStoredDib stored;
    return AttachStored(stored,
                        pFile ? CDibFormat::ReadStored(*pFile, stored) : CDibFormat::fileError);
}

BOOL CDib::AttachStored(CStoredDib& stored, CDibFormat::Error nError) {
    Clear();
    if (nError != CDibFormat::none || !stored.pHeader) {
        AfxMessageBox(kReadError, MB_OK);
        return FALSE;
    }
    m_pHeader = (BITMAPINFOHEADER*)stored.pHeader.release();
    m_nHeaderOwner = ownerHeap;
    m_pBits = stored.pBits.release();
    m_nBitsOwner = ownerHeap;
    m_dwBitsSize = stored.metrics.dwBitsSize;
    m_nColors = stored.metrics.nColors;
    m_pColors = (RGBQUAD*)((BYTE*)m_pHeader + CDibFormat::kInfoHeaderSize);
    BuildPalette();
    TakeNewSerial();
    return TRUE;
}

// An empty picture has no stored form; writing nothing would leave the
// document's following values where the picture is expected.
BOOL CDib::Write(CFile* pFile) {
    if (!pFile || IsEmpty() ||
        !CDibFormat::WriteStored(*pFile, m_pHeader, m_nColors, m_pBits, m_dwBitsSize)) {
        AfxMessageBox(kWriteError, MB_OK);
        return FALSE;
    }
    return TRUE;
}

void CDib::Serialize(CArchive& ar) {
    ar.Flush();
    if (ar.IsLoading())
        Read(ar.GetFile());
    else
        Write(ar.GetFile());
}

BOOL CDib::Draw(HDC hDC, int x, int y, int cx, int cy) {
    if (IsEmpty())
        return FALSE;
    if (m_hPal)
        SelectPalette(hDC, m_hPal, TRUE);
    SetStretchBltMode(hDC, COLORONCOLOR);
    BITMAPINFOHEADER header = CDibFormat::LoadInfoHeader(m_pHeader);
    int nLines = StretchDIBits(hDC, x, y, cx, cy, 0, 0, header.biWidth, header.biHeight, m_pBits,
                               (const BITMAPINFO*)m_pHeader, DIB_RGB_COLORS, SRCCOPY);
    return nLines != 0 && nLines != (int)GDI_ERROR;
}

UINT CDib::ApplyPalette(HDC hDC, BOOL bBackground) {
    if (!m_hPal)
        return 0;
    SelectPalette(hDC, m_hPal, bBackground);
    UINT nRealized = RealizePalette(hDC);
    return nRealized == GDI_ERROR ? 0 : nRealized;
}

BOOL CDib::BuildPalette() {
    if (m_nColors == 0)
        return FALSE;
    if (m_hPal) {
        DeleteObject(m_hPal);
        m_hPal = nullptr;
    }
    std::vector<BYTE> block(sizeof(LOGPALETTE) + (m_nColors - 1) * sizeof(PALETTEENTRY));
    LOGPALETTE* pLogPal = (LOGPALETTE*)block.data();
    pLogPal->palVersion = 0x300;
    pLogPal->palNumEntries = (WORD)m_nColors;
    for (int i = 0; i < m_nColors; i++) {
        pLogPal->palPalEntry[i].peRed = m_pColors[i].rgbRed;
        pLogPal->palPalEntry[i].peGreen = m_pColors[i].rgbGreen;
        pLogPal->palPalEntry[i].peBlue = m_pColors[i].rgbBlue;
        pLogPal->palPalEntry[i].peFlags = 0;
    }
    m_hPal = CreatePalette(pLogPal);
    return m_hPal != nullptr;
}

// The view asks at every screen paint; a picture without a colour table
// keeps the one it got, since only Clear or a new picture can change it.
BOOL CDib::BuildHalftonePalette(HDC hDC) {
    if (IsEmpty() || m_nColors != 0)
        return FALSE;
    if (!m_hPal)
        m_hPal = CreateHalftonePalette(hDC);
    return m_hPal != nullptr;
}

CSize CDib::GetSize() const {
    if (IsEmpty())
        return CSize(0, 0);
    BITMAPINFOHEADER header = CDibFormat::LoadInfoHeader(m_pHeader);
    return CSize(header.biWidth, header.biHeight);
}

void CDib::Clear() {
    if (m_nHeaderOwner == ownerHeap) {
        delete[](BYTE*) m_pHeader;
    } else if (m_nHeaderOwner == ownerGlobal && m_hHeaderGlobal) {
        GlobalUnlock(m_hHeaderGlobal);
        GlobalFree(m_hHeaderGlobal);
    }
    if (m_nBitsOwner == ownerHeap)
        delete[] m_pBits;
    if (m_hPal)
        DeleteObject(m_hPal);
    m_pColors = nullptr;
    m_pBits = nullptr;
    m_pHeader = nullptr;
    m_hHeaderGlobal = nullptr;
    m_nHeaderOwner = ownerNone;
    m_nBitsOwner = ownerNone;
    m_dwBitsSize = 0;
    m_nColors = 0;
    m_hPal = nullptr;
    m_nSerial = 0;
}

void CDib::TakeNewSerial() {
    static unsigned s_nLast = 0;
    m_nSerial = ++s_nLast ? s_nLast : ++s_nLast;
}

void CDib::Swap(CDib& other) {
    std::swap(m_pColors, other.m_pColors);
    std::swap(m_pBits, other.m_pBits);
    std::swap(m_pHeader, other.m_pHeader);
    std::swap(m_hHeaderGlobal, other.m_hHeaderGlobal);
    std::swap(m_nHeaderOwner, other.m_nHeaderOwner);
    std::swap(m_nBitsOwner, other.m_nBitsOwner);
    std::swap(m_dwBitsSize, other.m_dwBitsSize);
    std::swap(m_nColors, other.m_nColors);
    std::swap(m_hPal, other.m_hPal);
    std::swap(m_nSerial, other.m_nSerial);
}
