#include "image/PictureDecoder.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "framework/File.h"
#include "framework/ModalSeam.h"
#include "image/ComApartment.h"
#include "image/ComRef.h"
#include "image/Dib.h"
#include "image/DibFormat.h"
#include "image/PictureHeader.h"

namespace {
const char kNotAvailable[] = "The picture file is not available.\nIt may be in use by another "
                             "program.";
const char kBitmapNotAvailable[] =
    "The bitmap file is not available.\nIt may be in use by another program.";
const char kInvalidBitmap[] = "Invalid bitmap file";
const char kUnreadable[] = "The picture file cannot be read.\nIt may be damaged, or its format "
                           "is not one of PNG, JPEG, GIF and TIFF.";
const char kTooLarge[] = "The picture is too large.\nPictures may have at most 8,000 pixels on "
                         "a side and 100 MB of pixels.";
const char kNoMemory[] = "There is not enough memory for the picture.";
// Rows converted at a time: the whole picture is never held twice.
const UINT kBandRows = 64;
// How much of a file is searched for the size its header states.
const DWORD kHeaderBytes = 256 * 1024;

bool IsUnavailable(HRESULT hr) {
    return hr == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) ||
           hr == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND) ||
           hr == HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED) ||
           hr == HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION) || hr == E_ACCESSDENIED;
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
            BYTE* pOut = pBits + (size_t)(nHeight - 1 - (y + r)) * CDibFormat::RowBytes24(nWidth);
            for (UINT x = 0; x < nWidth; ++x, pIn += 4, pOut += 3) {
                pOut[0] = OverWhite(pIn[0], pIn[3]);
                pOut[1] = OverWhite(pIn[1], pIn[3]);
                pOut[2] = OverWhite(pIn[2], pIn[3]);
            }
        }
    }
    return S_OK;
}

// The message for a file of a known format that the codecs refused: its
// variant when the header names one, else that it cannot be read.
CString RefusalMessage(const CPictureKind& kind) {
    if (!kind.pszVariant)
        return kind.format == CPictureKind::bitmap ? kInvalidBitmap : kUnreadable;
    CString strMessage;
    strMessage.Format("This kind of %s (%s) cannot be read.",
                      CPictureHeader::FormatName(kind.format), kind.pszVariant);
    return strMessage;
}

// Bits a pixel of the frame as the codec decodes it; 0 when not known.
UINT DecodedBitsPerPixel(IWICImagingFactory* pFactory, IWICBitmapFrameDecode* pFrame) {
    WICPixelFormatGUID format;
    CComRef<IWICComponentInfo> pInfo;
    CComRef<IWICPixelFormatInfo> pFormatInfo;
    UINT nBits = 0;
    if (SUCCEEDED(pFrame->GetPixelFormat(&format)) &&
        SUCCEEDED(pFactory->CreateComponentInfo(format, &pInfo)) &&
        SUCCEEDED(pInfo->QueryInterface(IID_IWICPixelFormatInfo, (void**)&pFormatInfo)))
        pFormatInfo->GetBitsPerPixel(&nBits);
    return nBits;
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
    const uint64_t nBytes = (uint64_t)CDibFormat::RowBytes24(nWidth) * nHeight;
    return nBytes <= kMaxPixelBytes ? nBytes : 0;
}

// The file is judged by its content; only a file whose content says nothing
// gets the message of what its name promised.
BOOL CPictureDecoder::Load(CDib& dib, const char* pszPath) {
    const bool bNamedForCodecs = UsesCodecs(pszPath);
    CFile file;
    std::vector<BYTE> head;
    try {
        if (!file.Open(pszPath, CFile::modeRead | CFile::shareDenyWrite)) {
            AfxMessageBox(bNamedForCodecs ? kNotAvailable : kBitmapNotAvailable, MB_OK);
            return FALSE;
        }
        head.resize((size_t)std::min<uint64_t>(file.GetLength(), kHeaderBytes));
        head.resize(file.Read(head.data(), (unsigned)head.size()));
    } catch (const CFileException&) {
        AfxMessageBox(bNamedForCodecs ? kNotAvailable : kBitmapNotAvailable, MB_OK);
        return FALSE;
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kNoMemory, MB_OK);
        return FALSE;
    }
    const CPictureKind kind = CPictureHeader::Read(head.data(), head.size());
    if (kind.format == CPictureKind::bitmap && HoldsAsItIs(head))
        return ReadBitmap(dib, file);
    file.Abort(); // read only: nothing to lose
    if (kind.format != CPictureKind::unknown)
        return Decode(dib, pszPath, kind);
    AfxMessageBox(bNamedForCodecs ? kUnreadable : kInvalidBitmap, MB_OK);
    return FALSE;
}

bool CPictureDecoder::HoldsAsItIs(const std::vector<BYTE>& head) {
    if (head.size() <= CDibFormat::kFileHeaderSize)
        return true; // too short for any reader: the bitmap reader says so
    CDibMetrics metrics;
    switch (CDibFormat::GetMetrics(head.data() + CDibFormat::kFileHeaderSize,
                                   head.size() - CDibFormat::kFileHeaderSize, metrics)) {
    case CDibFormat::badHeaderSize:
    case CDibFormat::badDimensions:
    case CDibFormat::badBitCount:
    case CDibFormat::badCompression:
        return false;
    default:
        return true;
    }
}

BOOL CPictureDecoder::ReadBitmap(CDib& dib, CFile& file) {
    CStoredDib stored;
    CDibFormat::Error nError = CDibFormat::fileError;
    try {
        file.SeekToBegin();
        nError = CDibFormat::ReadStored(file, stored);
    } catch (const CFileException&) {
    }
    file.Abort(); // read only: nothing to lose
    if (nError != CDibFormat::none) {
        AfxMessageBox(nError == CDibFormat::outOfMemory ? kNoMemory
                      : nError == CDibFormat::fileError ? kBitmapNotAvailable
                                                        : kInvalidBitmap,
                      MB_OK);
        return FALSE;
    }
    return dib.AttachStored(stored, nError);
}

BOOL CPictureDecoder::Decode(CDib& dib, const char* pszPath, const CPictureKind& kind) {
    if (kind.bSized && !WithinLimits(kind.nWidth, kind.nHeight, kind.nDecodedBits, kind))
        return FALSE;
    UINT nWidth = 0, nHeight = 0;
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
        if (IsUnavailable(hr) || hr == E_OUTOFMEMORY)
            AfxMessageBox(IsUnavailable(hr) ? kNotAvailable : kTooLarge, MB_OK);
        else
            AfxMessageBox(RefusalMessage(kind), MB_OK);
        return FALSE;
    }
    // The frame's own depth, for the formats whose header was not read.
    if (!WithinLimits(nWidth, nHeight, DecodedBitsPerPixel(pFactory.Get(), pFrame.Get()), kind))
        return FALSE;
    // Every source format converts to 32-bit BGRA; 24-bit rows are made here.
    hr = pFactory->CreateFormatConverter(&pConverter);
    if (SUCCEEDED(hr))
        hr = pConverter->Initialize(pFrame.Get(), GUID_WICPixelFormat32bppBGRA,
                                    WICBitmapDitherTypeNone, nullptr, 0.0,
                                    WICBitmapPaletteTypeCustom);
    if (FAILED(hr)) {
        AfxMessageBox(RefusalMessage(kind), MB_OK);
        return FALSE;
    }
    const uint64_t nPixelBytes = PixelBytes(nWidth, nHeight);
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
        if (hr == E_OUTOFMEMORY)
            AfxMessageBox(kNoMemory, MB_OK);
        else
            AfxMessageBox(RefusalMessage(kind), MB_OK);
        return FALSE;
    }
    return dib.AttachMemory(pBlock, TRUE, nullptr, nBlock);
}

// Both the bitmap the program keeps and the frame the codec decodes while
// converting it are held to the limit.
bool CPictureDecoder::WithinLimits(UINT nWidth, UINT nHeight, UINT nDecodedBits,
                                   const CPictureKind& kind) {
    CPictureKind decoded = kind;
    decoded.nWidth = nWidth;
    decoded.nHeight = nHeight;
    decoded.nDecodedBits = nDecodedBits;
    if (PixelBytes(nWidth, nHeight) != 0 && CPictureHeader::DecodedBytes(decoded) <= kMaxPixelBytes)
        return true;
    if (nWidth && nHeight)
        AfxMessageBox(kTooLarge, MB_OK);
    else
        AfxMessageBox(RefusalMessage(kind), MB_OK);
    return false;
}
