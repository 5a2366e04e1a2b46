#include "framework/AutoSelect.h"

#include "framework/Dc.h"
#include "framework/GdiObject.h"

CAutoSelect::CAutoSelect(CDC& dc, HGDIOBJ hObject) : m_hDC(dc.GetSafeHdc()) {
    // Selecting a region answers with a region type, not an object to restore.
    if (!m_hDC || !hObject || ::GetObjectType(hObject) == OBJ_REGION)
        return;
    HGDIOBJ hOld = ::SelectObject(m_hDC, hObject);
    m_hOld = hOld == HGDI_ERROR ? nullptr : hOld;
}

CAutoSelect::CAutoSelect(CDC& dc, const CGdiObject& object)
    : CAutoSelect(dc, object.GetSafeHandle()) {}

void CAutoSelect::Restore() {
    if (m_hOld)
        ::SelectObject(m_hDC, m_hOld);
    m_hOld = nullptr;
}
