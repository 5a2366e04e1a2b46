#include "view/PictureExport.h"

#include <windows.h>

#include "document/AlmanarkDoc.h"
#include "framework/Dc.h"
#include "framework/FileDialog.h"
#include "framework/ModalSeam.h"
#include "image/DibFormat.h"
#include "image/PictureDecoder.h"
#include "image/PictureEncoder.h"
#include "view/AlmanarkView.h"
#include "view/SavePictureDlg.h"

namespace {
const char kFilter[] = "PNG Picture (*.png)|*.png|JPEG Picture (*.jpg)|*.jpg;*.jpeg|TIFF Picture "
                       "(*.tif)|*.tif;*.tiff|";
const char* const kExtensions[] = {"png", "jpg", "tif"};
const char kDiskFull[] = "Destination disk drive is full.";

// The standard sizes of the common papers, in tenths of a millimetre: a
// driver measures its paper in whole device units, or in whole points,
// and A4 at 300 dots per inch must still be 2480 by 3508 pixels.
struct CPaper {
    short nCode;
    int nWidth, nHeight;
};
const CPaper kPapers[] = {
    {DMPAPER_LETTER, 2159, 2794},    {DMPAPER_LEGAL, 2159, 3556},   {DMPAPER_A4, 2100, 2970},
    {DMPAPER_A3, 2970, 4200},        {DMPAPER_A5, 1480, 2100},      {DMPAPER_B5, 1820, 2570},
    {DMPAPER_EXECUTIVE, 1842, 2667}, {DMPAPER_TABLOID, 2794, 4318},
};

// A 24-bit top-down bitmap selected into a memory DC, white to start with.
class CPageBitmap {
public:
    explicit CPageBitmap(const CSize& size) : m_hDC(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.cx;
        info.bmiHeader.biHeight = -size.cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
        if (m_hBitmap) {
            m_hOld = ::SelectObject(m_hDC, m_hBitmap);
            const RECT rc = {0, 0, size.cx, size.cy};
            ::FillRect(m_hDC, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
        }
    }
    ~CPageBitmap() {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    CPageBitmap(const CPageBitmap&) = delete;
    CPageBitmap& operator=(const CPageBitmap&) = delete;
    HDC Dc() const { return m_hDC; }
    const void* Bits() const { return m_hBitmap ? m_pBits : nullptr; }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    void* m_pBits = nullptr;
};

} // namespace

CSize CPictureExport::PixelSize(int nDpi) const {
    const CPrintDialog* pDlg = m_view.m_printer.GetPrintDialog();
    const HDC hDC = pDlg ? pDlg->GetPrinterDC() : nullptr;
    const int nDpiX = hDC ? ::GetDeviceCaps(hDC, LOGPIXELSX) : 0;
    const int nDpiY = hDC ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
    if (nDpiX <= 0 || nDpiY <= 0 || m_view.m_physWidth <= 0 || m_view.m_physHeight <= 0)
        return CSize();
    const bool bWide = m_view.m_physWidth > m_view.m_physHeight;
    const DEVMODEA* pDevMode = pDlg->GetDevMode();
    for (const CPaper& paper : kPapers)
        if (pDevMode && pDevMode->dmPaperSize == paper.nCode) {
            const CSize size(::MulDiv(paper.nWidth, nDpi, 254), ::MulDiv(paper.nHeight, nDpi, 254));
            return bWide ? CSize(size.cy, size.cx) : size;
        }
    return CSize(::MulDiv(m_view.m_physWidth, nDpi, nDpiX),
                 ::MulDiv(m_view.m_physHeight, nDpi, nDpiY));
}

uint64_t CPictureExport::PixelBytes(const CSize& size) {
    if (size.cx <= 0 || size.cy <= 0)
        return 0;
    return (uint64_t)CDibFormat::RowBytes24((DWORD)size.cx) * (uint64_t)size.cy;
}

CString CPictureExport::TooLarge(const CSize& size) {
    if (PixelBytes(size) <= CPictureDecoder::kMaxPixelBytes)
        return CString();
    CString str;
    str.Format("The picture would be %d x %d pixels, more than 100 MB.\n\nChoose a lower "
               "resolution.",
               (int)size.cx, (int)size.cy);
    return str;
}

CString CPictureExport::DefaultName() const {
    const CAlmanarkDoc* pDoc = m_view.GetDocument();
    CString strName = CAlmanarkView::WithoutUnsavedMark(pDoc ? pDoc->GetTitle() : CString());
    const int nDot = strName.ReverseFind('.');
    if (nDot > 0)
        strName = strName.Left(nDot);
    return strName + ".png";
}

void CPictureExport::Run() {
    CSavePictureDlg dlgResolution(*this, &m_view);
    if (dlgResolution.DoModal() != IDOK)
        return;
    CFileDialog dlgFile(false, "png", DefaultName(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                        kFilter, &m_view);
    dlgFile.m_ofn.lpstrTitle = "Save as Picture";
    if (dlgFile.DoModal() != IDOK)
        return;
    CString strPath = dlgFile.GetPathName();
    // A name without one of the three extensions takes the type chosen.
    const CString strExt = dlgFile.GetFileExt();
    bool bKnown = false;
    for (const char* pszExt : {"png", "jpg", "jpeg", "tif", "tiff"})
        bKnown = bKnown || strExt.CompareNoCase(pszExt) == 0;
    const DWORD nType = dlgFile.m_ofn.nFilterIndex;
    if (!bKnown)
        strPath += CString(".") + kExtensions[nType >= 1 && nType <= 3 ? nType - 1 : 0];
    Save(strPath, dlgResolution.m_nDpi);
}

bool CPictureExport::Save(const CString& strPath, int nDpi) {
    const CSize size = PixelSize(nDpi);
    if (PixelBytes(size) == 0) {
        AfxMessageBox("There is no printer paper to take the picture's size from.",
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const CString strTooLarge = TooLarge(size);
    if (!strTooLarge.IsEmpty()) {
        AfxMessageBox(strTooLarge, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    CPageBitmap bitmap(size);
    if (!bitmap.Bits()) {
        AfxMessageBox("There is not enough memory for the picture.", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // Printer units onto the bitmap, the printable corner at the origin as
    // on the printer.
    const HDC hDC = bitmap.Dc();
    ::SetMapMode(hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(hDC, m_view.m_physWidth, m_view.m_physHeight, nullptr);
    ::SetViewportExtEx(hDC, size.cx, size.cy, nullptr);
    ::SetWindowOrgEx(hDC, -m_view.m_offsetX, -m_view.m_offsetY, nullptr);
    CDC dc;
    dc.Attach(hDC);
    dc.m_bPrinting = true;
    m_view.OnDraw(&dc);
    dc.Detach();
    ::GdiFlush();
    // The box table now holds printer units; the next screen paint restores it.
    m_view.Invalidate();
    return WriteFile(strPath, size, bitmap.Bits(), nDpi);
}

bool CPictureExport::WriteFile(const CString& strPath, const CSize& size, const void* pRows,
                               int nDpi) {
    const CString strTemp = CDocument::TempSavePath(strPath);
    const DWORD dwStride = CDibFormat::RowBytes24((DWORD)size.cx);
    DWORD dwError =
        CPictureEncoder::Write(strTemp, CPictureEncoder::FormatOfName(strPath), size.cx, size.cy,
                               static_cast<const BYTE*>(pRows), dwStride, nDpi);
    // One rename: a picture already there is either kept or replaced whole.
    if (dwError == 0 &&
        !::MoveFileExA(strTemp, strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        dwError = ::GetLastError();
    if (dwError == 0)
        return true;
    ::DeleteFileA(strTemp);
    const bool bFull = dwError == ERROR_DISK_FULL || dwError == ERROR_HANDLE_DISK_FULL;
    AfxMessageBox(bFull ? CString(kDiskFull) : "The picture could not be saved as\n\n" + strPath,
                  MB_OK | MB_ICONEXCLAMATION);
    return false;
}
