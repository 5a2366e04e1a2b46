#include "framework/Brush.h"

bool CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const {
    return m_hObject && ::GetObjectA(m_hObject, sizeof(LOGBRUSH), pLogBrush) == sizeof(LOGBRUSH);
}
