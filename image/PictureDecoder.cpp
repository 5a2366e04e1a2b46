#include "image/PictureDecoder.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "framework/ModalSeam.h"
#include "image/ComRef.h"
#include "image/Dib.h"
#include "image/DibFormat.h"
#include "image/PictureHeader.h"

namespace {
const char kNotAvailable[] = "The picture file is not available.\nIt may be in use by another "
                             "program.";
const char kUnreadable[] = "The picture file cannot be read.\nIt may be damaged, or its format "
                           "is not one of PNG, JPEG, GIF and TIFF.";
const char kTooLarge[] = "The picture is too large.\nPictures may have at most 8,000 pixels on "
                         "a side and 100 MB of pixels.";
const char kNoMemory[] = "There is not enough memory for the picture.";
// Rows converted at a time: the whole picture is never held twice.
const UINT kBandRows = 64;
// How much of a file is searched for the size its header states.
const DWORD kHeaderBytes = 256 * 1024;

class CComApartment {
public:
    CComApartment() : m_bInit(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~CComApartment() {
        if (m_bInit)
            ::CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    bool m_bInit;
};

bool IsUnavailable(HRESULT hr) {
    return hr == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) ||
           hr == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND) ||
           hr == HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED) ||
           hr == HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION) || hr == E_ACCESSDENIED;
}

// The size stated at the file's start, when its format states one there.
// The codecs take memory for that size as soon as they open the file.
bool StatedSize(const char* pszPath, UINT& nWidth, UINT& nHeight) {
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    std::vector<BYTE> head(kHeaderBytes);
    DWORD nRead = 0;
    const BOOL bRead = ::ReadFile(hFile, head.data(), kHeaderBytes, &nRead, nullptr);
    ::CloseHandle(hFile);
    uint32_t w = 0, h = 0;
    if (!bRead || !CPictureHeader::ReadSize(head.data(), nRead, w, h))
        return false;
    nWidth = w;
    nHeight = h;
    return true;
}

UINT RowBytes(UINT nWidth) {
    return (nWidth * 3 + 3) & ~3u;
}

// Straight (not premultiplied) alpha laid over white paper.
BYTE OverWhite(BYTE c, BYTE a) {
    return (BYTE)((c * a + 255 * (255 - a) + 127) / 255);
}

// Converts the source into the rows of the block, bottom row first.
HRESULT CopyRows(IWICBitmapSource* pSource, UINT nWidth, UINT nHeight, BYTE* pBits) {
    std::vector<BYTE> band;
    try {
        band.resize((size_t)nWidth * 4 * std::min(nHeight, kBandRows));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    for (UINT y = 0; y < nHeight; y += kBandRows) {
        const UINT nRows = std::min(kBandRows, nHeight - y);
        const WICRect rc = {0, (INT)y, (INT)nWidth, (INT)nRows};
        HRESULT hr = pSource->CopyPixels(&rc, nWidth * 4, nWidth * 4 * nRows, band.data());
        if (FAILED(hr))
            return hr;
        for (UINT r = 0; r < nRows; ++r) {
            const BYTE* pIn = band.data() + (size_t)r * nWidth * 4;
            BYTE* pOut = pBits + (size_t)(nHeight - 1 - (y + r)) * RowBytes(nWidth);
            for (UINT x = 0; x < nWidth; ++x, pIn += 4, pOut += 3) {
                pOut[0] = OverWhite(pIn[0], pIn[3]);
                pOut[1] = OverWhite(pIn[1], pIn[3]);
                pOut[2] = OverWhite(pIn[2], pIn[3]);
            }
        }
    }
    return S_OK;
}
} // namespace

const char CPictureDecoder::kFilter[] =
    "Bitmap files (*.bmp)|*.bmp|"
    "Pictures (*.png;*.jpg;*.jpeg;*.gif;*.tif;*.tiff)|*.png;*.jpg;*.jpeg;*.gif;*.tif;*.tiff||";

bool CPictureDecoder::UsesCodecs(const char* pszPath) {
    const char* pszDot = pszPath ? strrchr(pszPath, '.') : nullptr;
    if (!pszDot || strpbrk(pszDot, "\\/"))
        return false;
    static const char* const s_apszExt[] = {".png", ".jpg", ".jpeg", ".jpe",
                                            ".gif", ".tif", ".tiff"};
    for (const char* pszExt : s_apszExt)
        if (lstrcmpiA(pszDot, pszExt) == 0)
            return true;
    return false;
}

uint64_t CPictureDecoder::PixelBytes(UINT nWidth, UINT nHeight) {
    if (nWidth == 0 || nHeight == 0 || nWidth > kMaxSide || nHeight > kMaxSide)
        return 0;
    const uint64_t nBytes = (uint64_t)RowBytes(nWidth) * nHeight;
    return nBytes <= kMaxPixelBytes ? nBytes : 0;
}

BOOL CPictureDecoder::Load(CDib& dib, const char* pszPath) {
    return UsesCodecs(pszPath) ? Decode(dib, pszPath) : dib.AttachFile(pszPath, TRUE);
}

BOOL CPictureDecoder::Decode(CDib& dib, const char* pszPath) {
    UINT nWidth = 0, nHeight = 0;
    if (StatedSize(pszPath, nWidth, nHeight) && PixelBytes(nWidth, nHeight) == 0) {
        AfxMessageBox(nWidth && nHeight ? kTooLarge : kUnreadable, MB_OK);
        return FALSE;
    }
    CComApartment apartment;
    CComRef<IWICImagingFactory> pFactory;
    CComRef<IWICBitmapDecoder> pDecoder;
    CComRef<IWICBitmapFrameDecode> pFrame;
    CComRef<IWICFormatConverter> pConverter;
    wchar_t szPath[MAX_PATH * 4] = {0};
    if (!::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, szPath, MAX_PATH * 4)) {
        AfxMessageBox(kNotAvailable, MB_OK);
        return FALSE;
    }
    HRESULT hr = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, (void**)&pFactory);
    if (SUCCEEDED(hr))
        hr = pFactory->CreateDecoderFromFilename(szPath, nullptr, GENERIC_READ,
                                                 WICDecodeMetadataCacheOnDemand, &pDecoder);
    if (SUCCEEDED(hr))
        hr = pDecoder->GetFrame(0, &pFrame);
    if (SUCCEEDED(hr))
        hr = pFrame->GetSize(&nWidth, &nHeight);
    if (FAILED(hr)) {
        AfxMessageBox(IsUnavailable(hr)     ? kNotAvailable
                      : hr == E_OUTOFMEMORY ? kTooLarge
                                            : kUnreadable,
                      MB_OK);
        return FALSE;
    }
    const uint64_t nPixelBytes = PixelBytes(nWidth, nHeight);
    if (nPixelBytes == 0) {
        AfxMessageBox(nWidth && nHeight ? kTooLarge : kUnreadable, MB_OK);
        return FALSE;
    }
    // Every source format converts to 32-bit BGRA; 24-bit rows are made here.
    hr = pFactory->CreateFormatConverter(&pConverter);
    if (SUCCEEDED(hr))
        hr = pConverter->Initialize(pFrame.Get(), GUID_WICPixelFormat32bppBGRA,
                                    WICBitmapDitherTypeNone, nullptr, 0.0,
                                    WICBitmapPaletteTypeCustom);
    if (FAILED(hr)) {
        AfxMessageBox(kUnreadable, MB_OK);
        return FALSE;
    }
    const size_t nBlock = CDibFormat::kInfoHeaderSize + (size_t)nPixelBytes;
    BYTE* pBlock = new (std::nothrow) BYTE[nBlock];
    if (!pBlock) {
        AfxMessageBox(kNoMemory, MB_OK);
        return FALSE;
    }
    BITMAPINFOHEADER header = {};
    header.biSize = CDibFormat::kInfoHeaderSize;
    header.biWidth = (LONG)nWidth;
    header.biHeight = (LONG)nHeight; // positive: bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = (DWORD)nPixelBytes;
    memcpy(pBlock, &header, sizeof header);
    hr = CopyRows(pConverter.Get(), nWidth, nHeight, pBlock + CDibFormat::kInfoHeaderSize);
    if (FAILED(hr)) {
        delete[] pBlock;
        AfxMessageBox(hr == E_OUTOFMEMORY ? kNoMemory : kUnreadable, MB_OK);
        return FALSE;
    }
    return dib.AttachMemory(pBlock, TRUE, nullptr, nBlock);
}
