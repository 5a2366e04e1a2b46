// CDragCanvas: the page during a drag. The page is painted twice as the drag
// starts, once as it is and once without the block being dragged; each step
// then only puts the block's picture, stretched to its new rectangle, over
// the page without it, off screen, and copies the result to the window in
// one go: no flicker, and no paint pass (no note fitting, no events) per step.
#pragma once
#include <windows.h>

#include <functional>

#include "framework/Dc.h"
#include "framework/Rect.h"

class CRectTracker;
class CWnd;

class CDragCanvas {
public:
    // paint draws the page into a DC; hide(true) leaves the block out of it
    // and hide(false) brings it back. rcBlock is where the block is drawn.
    CDragCanvas(CWnd& wnd, const CRect& rcBlock, const std::function<void(CDC&)>& paint,
                const std::function<void(bool)>& hide);
    ~CDragCanvas();
    CDragCanvas(const CDragCanvas&) = delete;
    CDragCanvas& operator=(const CDragCanvas&) = delete;

    // Shows the block at rc with the tracker's frame and handles around it.
    void Show(const CRect& rc, const CRectTracker& tracker);
    // Paints the whole page anew off screen and shows it.
    void Repaint(const std::function<void(CDC&)>& paint);

private:
    struct CLayer {
        CDC dc;
        HBITMAP hBitmap = nullptr;
        HGDIOBJ hOld = nullptr;
    };
    bool Make(CLayer& layer, CDC& dcScreen);
    void Free(CLayer& layer);
    void ToScreen(const CRect& rc);

    CWnd& m_wnd;
    CRect m_rcBlock;
    CRect m_rcClient;
    // What the last step changed on the window, handles included.
    CRect m_rcShown;
    CLayer m_page, m_back, m_compose;
    bool m_bReady = false;
};
