// CPreviewView: print preview. Stands in the frame in place of the view
// while it is open and shows the one page at the printer's proportions,
// drawn by the view's own printing pass on a DC scaled from printer units,
// under a bar of buttons: Print, Zoom In, Zoom Out, Close (Esc closes too),
// with Next Page and Prev Page after Print when the run has several pages.
#pragma once
#include <memory>

#include "framework/PrintInfo.h"
#include "framework/Wnd.h"

class CView;
class CFrameWnd;

class CPreviewView : public CWnd {
public:
    enum { kPrint = 1, kZoomIn, kZoomOut, kClose, kNextPage, kPrevPage };
    static const int kMaxZoom = 2; // whole page, twice, four times

    CPreviewView(CView& view, std::unique_ptr<CPrintInfo> pInfo);
    // Made hidden, as a child of the frame.
    bool Create(CFrameWnd* pFrame);
    CPrintInfo& Info() { return *m_pInfo; }
    void SetZoom(int nZoom);
    // Shows page nPage of the run (clamped to it).
    void SetPage(UINT nPage);
    // Where the paper stands in the client area, in pixels.
    CRect PageRect() const;
    // The client area below the button bar.
    CRect PageArea() const;
    // Draws the paper and the page, as a paint would, into hDC.
    void DrawPreview(HDC hDC);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void OnButton(int nID);
    void OnPaint();
    void UpdateBar();
    void UpdateScrollBars();
    void ShowNeededScrollBars();
    // The page area as it would be without scroll bars.
    CRect BareArea() const;
    void Scroll(int nBar, int nRequest, int nThumb);
    CSize PaperSize() const;

    CView& m_view;
    std::unique_ptr<CPrintInfo> m_pInfo;
    int m_nZoom = 0;
    CPoint m_ptScroll;
    int m_nBarHeight = 32;
    bool m_bUpdatingBars = false;
};
