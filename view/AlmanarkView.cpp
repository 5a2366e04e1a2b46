#include "view/AlmanarkView.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "framework/Dc.h"
#include "view/PageGeometry.h"

CAlmanarkView::CAlmanarkView() { theApp.m_pView = this; }

CAlmanarkDoc* CAlmanarkView::GetDocument() const {
    return static_cast<CAlmanarkDoc*>(m_pDocument);
}

CPrinterMetrics CAlmanarkView::Metrics() const {
    CPrinterMetrics metrics;
    metrics.m_physWidth = m_physWidth;
    metrics.m_physHeight = m_physHeight;
    metrics.m_offsetX = m_offsetX;
    metrics.m_offsetY = m_offsetY;
    metrics.m_printWidth = m_printWidth;
    metrics.m_printHeight = m_printHeight;
    return metrics;
}

void CAlmanarkView::OnInitialUpdate() {
    m_selDay = 1;
    m_selCol = m_selRow = -1;
    ++m_nRefreshNote;
    ++m_nClearModified;
    if (GetDocument())
        GetDocument()->SetModifiedFlag(false);
    Invalidate();
}

void CAlmanarkView::OnDraw(CDC* pDC) {
    CRect rcClient = GetClientRect();
    CPageGeometry page(Metrics(), theApp.m_nOrientation == 2, rcClient.Width(), rcClient.Height());
    m_pageWidth = page.PageWidth();
    m_pageHeight = page.PageHeight();
    theApp.m_rectPrintable = page.PrintableRect();
    pDC->FillRect(page.GreyRect(), (HBRUSH)::GetStockObject(LTGRAY_BRUSH));
    HBRUSH hYellow = ::CreateSolidBrush(RGB(255, 255, 0));
    for (const CRect& band : page.MarginBands())
        pDC->FillRect(band, hYellow);
    ::DeleteObject(hYellow);
}
