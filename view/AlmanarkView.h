// CAlmanarkView: the printer's sheet scaled into the window with the
// calendar on it; the same drawing serves the screen and the printer.
#pragma once
#include "framework/Rect.h"
#include "framework/ScrollView.h"
#include "view/PrinterMetrics.h"

class CAlmanarkDoc;

class CAlmanarkView : public CScrollView {
public:
    CAlmanarkView();

    CAlmanarkDoc* GetDocument() const;
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

    // Printer page metrics, in printer device units.
    int m_physWidth = 0;
    int m_physHeight = 0;
    int m_offsetX = 0;
    int m_offsetY = 0;
    int m_printWidth = 0;
    int m_printHeight = 0;
    // The sheet as shown in the window, in pixels.
    double m_pageWidth = 0.0;
    double m_pageHeight = 0.0;
    CRect m_boxRects[42];
    int m_selCol = -1;
    int m_selRow = -1;
    int m_selDay = 1;
    int m_nRefreshNote = 0;
    int m_nNoteDirty = 0;
    int m_nEvalEvents = 1;
    int m_nClearModified = 0;
    int m_nCalPositioning = 0;
    int m_nImgPositioning = 0;
    int m_nPictureFirst = 0;
    CString m_strEaster;

protected:
    CPrinterMetrics Metrics() const;
};
