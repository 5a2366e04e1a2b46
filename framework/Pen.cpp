#include "framework/Pen.h"

bool CPen::CreatePen(int nPenStyle, int nWidth, COLORREF cr) {
    return Attach(::CreatePen(nPenStyle, nWidth, cr));
}

bool CPen::GetLogPen(LOGPEN* pLogPen) const {
    return m_hObject && ::GetObjectA(m_hObject, sizeof(LOGPEN), pLogPen) == sizeof(LOGPEN);
}
