#include "framework/Pen.h"

bool CPen::CreatePen(int nPenStyle, int nWidth, COLORREF cr) {
    return Attach(::CreatePen(nPenStyle, nWidth, cr));
}
