#include "framework/Dc.h"

#include "framework/GdiObject.h"
#include "framework/Palette.h"

CDC::~CDC() {
    DeleteDC();
}

bool CDC::CreateDC(const char* pszDriver, const char* pszDevice, const char* pszOutput,
                   const DEVMODEA* pDevMode) {
    HDC hDC = ::CreateDCA(pszDriver, pszDevice, pszOutput, pDevMode);
    if (hDC)
        Adopt(hDC);
    return hDC != nullptr;
}

bool CDC::CreateCompatibleDC(CDC* pDC) {
    HDC hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    if (hDC)
        Adopt(hDC);
    return hDC != nullptr;
}

void CDC::DeleteDC() {
    if (m_hDC && m_bOwned)
        ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_bOwned = false;
}

void CDC::Attach(HDC hDC) {
    DeleteDC();
    m_hDC = hDC;
}

void CDC::Adopt(HDC hDC) {
    DeleteDC();
    m_hDC = hDC;
    m_bOwned = hDC != nullptr;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    m_bOwned = false;
    return hDC;
}

HGDIOBJ CDC::SelectObject(const CGdiObject& object) {
    return SelectObject(object.GetSafeHandle());
}

HPALETTE CDC::SelectPalette(const CPalette& palette, bool bForceBackground) {
    return SelectPalette((HPALETTE)palette.GetSafeHandle(), bForceBackground);
}

CRect CDC::GetClipBox() const {
    CRect rc;
    ::GetClipBox(m_hDC, &rc);
    return rc;
}

void CDC::FillSolidRect(const RECT& rc, COLORREF cr) {
    COLORREF crOld = ::SetBkColor(m_hDC, cr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, crOld);
}

CSize CDC::GetTextExtent(const char* pszText, int nCount) const {
    CSize size;
    ::GetTextExtentPoint32A(m_hDC, pszText, nCount, &size);
    return size;
}

int CDC::StartDoc(const char* pszDocName, const char* pszOutput) {
    DOCINFOA di = {};
    di.cbSize = sizeof di;
    di.lpszDocName = pszDocName;
    di.lpszOutput = pszOutput;
    return ::StartDocA(m_hDC, &di);
}
