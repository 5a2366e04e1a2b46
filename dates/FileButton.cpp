#include "dates/FileButton.h"

CString CFileButton::PressedText() const {
    // Input carries the time it was made: one made before the text changed
    // was aimed at the text before.
    const LONG nSinceChange = LONG(DWORD(::GetMessageTime()) - m_dwTextChanged);
    return m_bProgrammatic || nSinceChange > 0 ? GetWindowText() : CString();
}

LRESULT CFileButton::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_SETTEXT:
        m_dwTextChanged = ::GetTickCount();
        m_strPressedAs.Empty();
        break;
    case BM_CLICK: {
        // A click sent by a program (a test, an accessibility tool) is
        // deliberate, whatever the time of the last input.
        m_bProgrammatic = true;
        const LRESULT lResult = CButton::WindowProc(nMsg, wParam, lParam);
        m_bProgrammatic = false;
        return lResult;
    }
    case WM_LBUTTONDOWN:
        m_strPressedAs = PressedText();
        break;
    case WM_LBUTTONDBLCLK:
        // The second click of a double click was aimed with the first.
        m_strPressedAs.Empty();
        break;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !(lParam & (1 << 30)))
            m_strPressedAs = PressedText();
        break;
    case WM_LBUTTONUP:
    case WM_KEYUP: {
        // The click is reported while the button handles the release.
        const LRESULT lResult = CButton::WindowProc(nMsg, wParam, lParam);
        m_strPressedAs.Empty();
        return lResult;
    }
    }
    return CButton::WindowProc(nMsg, wParam, lParam);
}
