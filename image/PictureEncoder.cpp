#include "image/PictureEncoder.h"

#include <ocidl.h>
#include <wincodec.h>

#include "image/ComApartment.h"
#include "image/ComRef.h"
#include "image/FileStream.h"

#include <algorithm>

namespace {
// Rows handed to the codec at a time.
const UINT kBandRows = 256;
// What JPEG keeps of the page: fine lines and small text stay sharp.
const float kJpegQuality = 0.92f;

const GUID& Container(CPictureEncoder::Format format) {
    switch (format) {
    case CPictureEncoder::jpeg:
        return GUID_ContainerFormatJpeg;
    case CPictureEncoder::tiff:
        return GUID_ContainerFormatTiff;
    case CPictureEncoder::png:
        break;
    }
    return GUID_ContainerFormatPng;
}

bool EndsWith(const char* psz, const char* pszEnd) {
    const size_t n = strlen(psz), nEnd = strlen(pszEnd);
    return n >= nEnd && lstrcmpiA(psz + n - nEnd, pszEnd) == 0;
}

// A JPEG is written at a quality that keeps the grid and the small text;
// codecs without the option write their own default.
void SetOptions(IPropertyBag2* pOptions, CPictureEncoder::Format format) {
    if (!pOptions || format != CPictureEncoder::jpeg)
        return;
    PROPBAG2 option = {};
    option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_R4;
    value.fltVal = kJpegQuality;
    pOptions->Write(1, &option, &value);
}

HRESULT WriteFrame(IWICBitmapEncoder* pEncoder, CPictureEncoder::Format format, UINT nWidth,
                   UINT nHeight, const BYTE* pRows, UINT nStride, int nDpi) {
    CComRef<IWICBitmapFrameEncode> pFrame;
    CComRef<IPropertyBag2> pOptions;
    HRESULT hr = pEncoder->CreateNewFrame(&pFrame, &pOptions);
    if (FAILED(hr))
        return hr;
    SetOptions(pOptions.Get(), format);
    WICPixelFormatGUID pixelFormat = GUID_WICPixelFormat24bppBGR;
    if (FAILED(hr = pFrame->Initialize(pOptions.Get())) ||
        FAILED(hr = pFrame->SetSize(nWidth, nHeight)) ||
        FAILED(hr = pFrame->SetResolution(nDpi, nDpi)) ||
        FAILED(hr = pFrame->SetPixelFormat(&pixelFormat)))
        return hr;
    if (!IsEqualGUID(pixelFormat, GUID_WICPixelFormat24bppBGR))
        return WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    for (UINT y = 0; y < nHeight; y += kBandRows) {
        const UINT nRows = std::min(kBandRows, nHeight - y);
        hr = pFrame->WritePixels(nRows, nStride, nStride * nRows,
                                 const_cast<BYTE*>(pRows + (size_t)y * nStride));
        if (FAILED(hr))
            return hr;
    }
    return pFrame->Commit();
}
} // namespace

CPictureEncoder::Format CPictureEncoder::FormatOfName(const char* pszPath) {
    if (EndsWith(pszPath, ".jpg") || EndsWith(pszPath, ".jpeg"))
        return jpeg;
    if (EndsWith(pszPath, ".tif") || EndsWith(pszPath, ".tiff"))
        return tiff;
    return png;
}

DWORD CPictureEncoder::Write(const char* pszPath, Format format, UINT nWidth, UINT nHeight,
                             const BYTE* pRows, UINT nStride, int nDpi) {
    CFileStream stream(pszPath);
    if (!stream.IsOpen())
        return stream.LastError();
    HRESULT hr;
    {
        CComApartment apartment;
        CComRef<IWICImagingFactory> pFactory;
        CComRef<IWICBitmapEncoder> pEncoder;
        hr = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, (void**)&pFactory);
        if (SUCCEEDED(hr))
            hr = pFactory->CreateEncoder(Container(format), nullptr, &pEncoder);
        if (SUCCEEDED(hr))
            hr = pEncoder->Initialize(&stream, WICBitmapEncoderNoCache);
        if (SUCCEEDED(hr))
            hr = WriteFrame(pEncoder.Get(), format, nWidth, nHeight, pRows, nStride, nDpi);
        if (SUCCEEDED(hr))
            hr = pEncoder->Commit();
    } // the codec lets go of the stream here
    // The codecs report a failed write of the stream as a failure of their own.
    const bool bClosed = stream.Close();
    if (stream.LastError())
        return stream.LastError();
    return SUCCEEDED(hr) && bClosed ? 0 : ERROR_WRITE_FAULT;
}
