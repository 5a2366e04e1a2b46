#include "framework/Button.h"

UINT CButton::GetButtonStyle() const {
    return (UINT)::GetWindowLongA(m_hWnd, GWL_STYLE) & 0xFFFF;
}
