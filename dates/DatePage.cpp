#include "dates/DatePage.h"

#include "app/AlmanarkApp.h"

void CDatePage::Publish() const {
    theApp.m_strPendingDate = m_strText[0];
    for (int i = 0; i < 3; ++i)
        theApp.m_strPendingWords[i] = m_strText[i + 1];
}

void CDatePage::Notify(WPARAM wParam, LPARAM lParam) const {
    ::PostMessageA(::GetAncestor(m_hWnd, GA_ROOT), WM_PENDING_CHANGED, wParam, lParam);
}
