#include "framework/Font.h"

#include <cstring>

#include "framework/Dc.h"

bool CFont::CreatePointFont(int nPointSize, const char* pszFaceName, CDC* pDC) {
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    if (pszFaceName)
        strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&lf, pDC);
}

bool CFont::CreatePointFontIndirect(const LOGFONTA* pLogFont, CDC* pDC) {
    HDC hDC = pDC && pDC->GetSafeHdc() ? pDC->GetSafeHdc() : ::GetDC(nullptr);
    // Device pixels of the height, then back to the DC's logical units.
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), pLogFont->lfHeight, 720)};
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &ptOrg, 1);
    if (!(pDC && pDC->GetSafeHdc()))
        ::ReleaseDC(nullptr, hDC);
    LOGFONTA lf = *pLogFont;
    int nHeight = pt.y - ptOrg.y;
    lf.lfHeight = -(nHeight < 0 ? -nHeight : nHeight);
    return CreateFontIndirect(&lf);
}

bool CFont::GetLogFont(LOGFONTA* pLogFont) const {
    return m_hObject && ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont) == sizeof(LOGFONTA);
}
