#include "framework/Static.h"

void CStatic::SetTextAlignment(UINT nAlign) {
    LONG lStyle = ::GetWindowLongA(m_hWnd, GWL_STYLE);
    lStyle = (lStyle & ~(LONG)(SS_CENTER | SS_RIGHT)) | (LONG)(nAlign & (SS_CENTER | SS_RIGHT));
    ::SetWindowLongA(m_hWnd, GWL_STYLE, lStyle);
    Invalidate();
}
