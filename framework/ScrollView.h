// CScrollView: a view with a logical size. The program's page always fits
// its window, so the scroll range only covers what may stand outside it.
#pragma once
#include "framework/View.h"

class CScrollView : public CView {
public:
    void SetScrollSizes(int cx, int cy);
    CSize GetTotalSize() const { return m_totalSize; }

protected:
    CSize m_totalSize = CSize(0, 0);
};
