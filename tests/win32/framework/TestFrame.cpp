#include "framework/TestFrame.h"

#include "framework/Dialog.h"

bool CTestFrame::Create(int cx, int cy) {
    CRect rc(0, 0, cx, cy);
    // Shown without activation and without caption: a window the X window
    // manager does not manage is destroyed without waiting for it.
    if (!CreateEx(0, nullptr, "Test frame", WS_POPUP | WS_CLIPCHILDREN, rc, nullptr, 0))
        return false;
    ShowWindow(SW_SHOWNA);
    return true;
}

bool CTestFrame::OnCommand(WPARAM wParam, LPARAM) {
    m_commands.push_back({LOWORD(wParam), HIWORD(wParam)});
    return true;
}

bool CTestFrame::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    auto* pHdr = reinterpret_cast<NMHDR*>(lParam);
    m_notifications.push_back({(UINT)pHdr->idFrom, pHdr->code});
    *pResult = m_lNotifyResult;
    return true;
}

void PumpLoopMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (CDialog::PreTranslateModeless(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
