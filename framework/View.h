// CView: the child window that shows the document and draws it, on the
// screen and on the printer, through OnDraw.
#pragma once
#include "framework/Wnd.h"

class CDocument;
class CDC;

class CView : public CWnd {
public:
    bool Create(CWnd* pParent, UINT nID);
    CDocument* GetDocument() const { return m_pDocument; }
    void SetDocument(CDocument* pDoc) { m_pDocument = pDoc; }

    virtual void OnInitialUpdate() { Invalidate(); }
    virtual void OnDraw(CDC* pDC) = 0;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    // The view deletes itself with its window.
    void PostNcDestroy() override { delete this; }

protected:
    virtual void OnPaint();

    CDocument* m_pDocument = nullptr;
};
