#include "image/Dib.h"

#include <cstring>
#include <new>
#include <utility>
#include <vector>
#include "framework/ModalSeam.h"

namespace {
const char kNotAvailable[] =
    "The bitmap file is not available.\nIt may be in use by another program.";
const char kInvalidFile[] = "Invalid bitmap file";
const char kAttachError[] = "AttachMemory error";
const char kReadError[] = "Read error";
const char kWriteError[] = "write error";

HANDLE OpenBitmapFile(const char* pszPath, BOOL bShare) {
    // The picture is mapped for writing, which a file marked read-only must
    // refuse even to a user whose rights would allow it.
    DWORD dwAttributes = GetFileAttributesA(pszPath);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    HANDLE hFile = CreateFileA(pszPath, GENERIC_READ | GENERIC_WRITE, bShare ? FILE_SHARE_READ : 0,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return hFile == INVALID_HANDLE_VALUE ? nullptr : hFile;
}
} // namespace

CDib::CDib()
    : m_pColors(nullptr), m_pBits(nullptr), m_pHeader(nullptr), m_hHeaderGlobal(nullptr),
      m_nHeaderOwner(ownerNone), m_nBitsOwner(ownerNone), m_dwBitsSize(0), m_nColors(0),
      m_hMapFile(nullptr), m_hMapping(nullptr), m_pMapView(nullptr), m_hPal(nullptr) {
    Clear();
}

CDib::~CDib() {
    Clear();
}

BOOL CDib::AttachFile(const char* pszPath, BOOL bShare) {
    HANDLE hFile = OpenBitmapFile(pszPath, bShare);
    // Our own attached file denies others write access, so picking the same
    // file again would fail; let go of it first, keeping the picture in memory.
    if (!hFile && m_hMapFile && GetLastError() == ERROR_SHARING_VIOLATION) {
        DetachFile();
        hFile = OpenBitmapFile(pszPath, bShare);
    }

    LARGE_INTEGER size = {};
    if (hFile && GetFileSizeEx(hFile, &size) && size.QuadPart == 0) {
        // Nothing to map: an empty file is no bitmap, not a busy one.
        CloseHandle(hFile);
        AfxMessageBox(kInvalidFile, MB_OK);
        return FALSE;
    }
    HANDLE hMapping =
        hFile ? CreateFileMappingA(hFile, nullptr, PAGE_READWRITE, 0, 0, nullptr) : nullptr;
    void* pView = hMapping ? MapViewOfFile(hMapping, FILE_MAP_WRITE, 0, 0, 0) : nullptr;
    if (!pView || size.QuadPart <= 0) {
        if (pView)
            UnmapViewOfFile(pView);
        if (hMapping)
            CloseHandle(hMapping);
        if (hFile)
            CloseHandle(hFile);
        AfxMessageBox(kNotAvailable, MB_OK);
        return FALSE;
    }

    uint64_t nFileSize = (uint64_t)size.QuadPart;
    auto release = [&] {
        UnmapViewOfFile(pView);
        CloseHandle(hMapping);
        CloseHandle(hFile);
    };
    if (!CDibFormat::HasSignature(pView, nFileSize)) {
        release();
        AfxMessageBox(kInvalidFile, MB_OK);
        return FALSE;
    }
    // The information header follows the file header; the file header's
    // pixel offset is not used: pixels follow the colour table.
    uint64_t nAfterFileHeader =
        nFileSize > CDibFormat::kFileHeaderSize ? nFileSize - CDibFormat::kFileHeaderSize : 0;
    if (!AttachMemory((BYTE*)pView + CDibFormat::kFileHeaderSize, FALSE, nullptr,
                      nAfterFileHeader)) {
        release();
        return FALSE;
    }
    m_hMapFile = hFile;
    m_hMapping = hMapping;
    m_pMapView = pView;
    return TRUE;
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
    ReleaseFile();
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
    std::swap(m_hMapFile, other.m_hMapFile);
    std::swap(m_hMapping, other.m_hMapping);
    std::swap(m_pMapView, other.m_pMapView);
    std::swap(m_hPal, other.m_hPal);
    std::swap(m_nSerial, other.m_nSerial);
}

// The picture of an attached file lives in the mapped view; it is copied out
// before the view goes, so that the picture survives the file's release.
void CDib::DetachFile() {
    if (!m_pMapView)
        return;
    if (m_nHeaderOwner == ownerNone && m_pHeader) {
        size_t nHeaderBytes = CDibFormat::kInfoHeaderSize + 4 * (size_t)m_nColors;
        BYTE* pHeader = new (std::nothrow) BYTE[nHeaderBytes];
        BYTE* pBits = new (std::nothrow) BYTE[m_dwBitsSize];
        if (!pHeader || !pBits) {
            delete[] pHeader;
            delete[] pBits;
            Clear();
            return;
        }
        memcpy(pHeader, m_pHeader, nHeaderBytes);
        memcpy(pBits, m_pBits, m_dwBitsSize);
        m_pHeader = (BITMAPINFOHEADER*)pHeader;
        m_pColors = (RGBQUAD*)(pHeader + CDibFormat::kInfoHeaderSize);
        m_pBits = pBits;
        m_nHeaderOwner = ownerHeap;
        m_nBitsOwner = ownerHeap;
    }
    ReleaseFile();
}

void CDib::ReleaseFile() {
    if (m_pMapView)
        UnmapViewOfFile(m_pMapView);
    if (m_hMapping)
        CloseHandle(m_hMapping);
    if (m_hMapFile)
        CloseHandle(m_hMapFile);
    m_pMapView = nullptr;
    m_hMapping = nullptr;
    m_hMapFile = nullptr;
}
