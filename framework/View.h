// CView: the child window that shows the document and draws it, on the
// screen and on the printer, through OnDraw.
#pragma once
#include "framework/Wnd.h"

class CDocument;
class CDC;
class CFrameWnd;
class CPrintInfo;

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

    // Printing: OnPreparePrinting (which calls DoPreparePrinting), then
    // OnBeginPrinting, OnPrepareDC and OnPrint for each page, OnEndPrinting.
    enum PrintResult { printDone, printCancelled, printFailed };
    // One print job; bDirect prints without showing the print dialog,
    // pszOutput names a file to print to instead of the printer's port.
    PrintResult DoFilePrint(bool bDirect, const char* pszOutput = nullptr);
    // Shows print preview in the frame in place of this view.
    bool DoPrintPreview();
    void ClosePrintPreview();
    bool IsPreviewOpen() const;

    virtual bool OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }
    virtual void OnBeginPrinting(CDC*, CPrintInfo*) {}
    virtual void OnPrepareDC(CDC*, CPrintInfo*) {}
    virtual void OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }
    virtual void OnEndPrinting(CDC*, CPrintInfo*) {}
    // Shows the print dialog unless the run is direct or a preview (which
    // take the DC already there, or the default printer's); false when
    // there is nothing to print on.
    bool DoPreparePrinting(CPrintInfo* pInfo);

protected:
    virtual void OnPaint();
    CFrameWnd* GetParentFrame() const;

    CDocument* m_pDocument = nullptr;
};
