#include "view/KeptPanels.h"

#include "framework/AutoSelect.h"

bool CKeptPanels::Draw(CDC& dc, const CRect& rcArea, const std::string& strInputs,
                       const std::function<void(CDC&)>& draw) {
    if (!m_bKeep || rcArea.IsRectEmpty() || !CanKeep(dc))
        return false;
    const std::string strFormat = PixelFormat(dc);
    const std::string strKey = strFormat + StateOf(dc, rcArea) + strInputs;
    if (strKey != m_strKey) {
        m_strKey.clear();
        if (!MakeBitmap(dc, CSize(rcArea.Width(), rcArea.Height()), strFormat)) {
            Release();
            return false;
        }
        Redraw(dc, rcArea, draw);
        m_strKey = strKey;
    }
    return dc.BitBlt(rcArea.left, rcArea.top, m_size.cx, m_size.cy, m_dc, rcArea.left, rcArea.top,
                     SRCCOPY);
}

void CKeptPanels::Release() {
    if (m_hOldBitmap)
        m_dc.SelectObject(m_hOldBitmap);
    m_hOldBitmap = nullptr;
    m_bitmap.DeleteObject();
    m_dc.DeleteDC();
    m_size = CSize();
    m_strFormat.clear();
    m_strKey.clear();
}

bool CKeptPanels::CanKeep(const CDC& dc) {
    const DWORD dwType = ::GetObjectType(dc);
    if (dc.IsPrinting() || (dwType != OBJ_DC && dwType != OBJ_MEMDC) ||
        dc.GetDeviceCaps(TECHNOLOGY) != DT_RASDISPLAY || ::GetMapMode(dc) != MM_TEXT ||
        ::GetGraphicsMode(dc) != GM_COMPATIBLE || ::GetLayout(dc) != 0)
        return false;
    // A wider pen would reach past the area; a hollow brush or no pen would
    // let what lies beneath show.
    LOGBRUSH lb = {};
    LOGPEN lp = {};
    const HGDIOBJ hPen = ::GetCurrentObject(dc, OBJ_PEN);
    return ::GetObjectA(::GetCurrentObject(dc, OBJ_BRUSH), sizeof lb, &lb) == sizeof lb &&
           lb.lbStyle == BS_SOLID && ::GetObjectType(hPen) == OBJ_PEN &&
           ::GetObjectA(hPen, sizeof lp, &lp) == sizeof lp && lp.lopnStyle != PS_NULL &&
           lp.lopnWidth.x <= 1;
}

std::string CKeptPanels::StateOf(const CDC& dc, const CRect& rcArea) {
    std::string strState;
    AddInput(strState, static_cast<const RECT&>(rcArea));
    LOGPEN lp = {};
    LOGBRUSH lb = {};
    ::GetObjectA(::GetCurrentObject(dc, OBJ_PEN), sizeof lp, &lp);
    ::GetObjectA(::GetCurrentObject(dc, OBJ_BRUSH), sizeof lb, &lb);
    AddInput(strState, lp);
    AddInput(strState, lb);
    AddInput(strState, ::GetBkMode(dc));
    AddInput(strState, ::GetBkColor(dc));
    AddInput(strState, ::GetTextAlign(dc));
    AddInput(strState, ::GetROP2(dc));
    AddInput(strState, ::GetTextCharacterExtra(dc));
    return strState;
}

std::string CKeptPanels::PixelFormat(const CDC& dc) {
    std::string strFormat;
    AddInput(strFormat, dc.GetDeviceCaps(BITSPIXEL) * dc.GetDeviceCaps(PLANES));
    // A bitmap's DC reports the screen's format, not its bitmap's.
    BITMAP bm = {};
    if (::GetObjectType(dc) == OBJ_MEMDC)
        ::GetObjectA(::GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm);
    AddInput(strFormat, bm.bmBitsPixel * bm.bmPlanes);
    return strFormat;
}

bool CKeptPanels::MakeBitmap(CDC& dc, const CSize& size, const std::string& strFormat) {
    if (m_hOldBitmap && size == m_size && strFormat == m_strFormat)
        return true;
    Release();
    if (!m_dc.CreateCompatibleDC(&dc) ||
        !m_bitmap.Attach(::CreateCompatibleBitmap(dc, size.cx, size.cy)))
        return false;
    m_hOldBitmap = m_dc.SelectObject(m_bitmap);
    m_size = size;
    m_strFormat = strFormat;
    return true;
}

void CKeptPanels::Redraw(CDC& dc, const CRect& rcArea, const std::function<void(CDC&)>& draw) {
    // The area's top left corner at the bitmap's origin: the drawing keeps
    // the page's coordinates.
    ::SetWindowOrgEx(m_dc, rcArea.left, rcArea.top, nullptr);
    ::SetBkMode(m_dc, ::GetBkMode(dc));
    ::SetBkColor(m_dc, ::GetBkColor(dc));
    ::SetTextAlign(m_dc, ::GetTextAlign(dc));
    ::SetROP2(m_dc, ::GetROP2(dc));
    ::SetTextCharacterExtra(m_dc, ::GetTextCharacterExtra(dc));
    // The page's pen and brush are its own: they leave the bitmap's DC with the drawing.
    CAutoSelect selPen(m_dc, ::GetCurrentObject(dc, OBJ_PEN));
    CAutoSelect selBrush(m_dc, ::GetCurrentObject(dc, OBJ_BRUSH));
    draw(m_dc);
}
