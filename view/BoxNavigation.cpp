#include "view/BoxNavigation.h"

#include "view/MonthLayout.h"

bool CBoxNavigation::HasText(int nCol, int nRow) const {
    return nCol >= 0 && nCol < CMonthLayout::kColumns && nRow >= 0 && nRow < CMonthLayout::kRows &&
           m_abHasText[CMonthLayout::BoxIndex(nCol, nRow)];
}

bool CBoxNavigation::Take(int nCol, int nRow, int& nSelCol, int& nSelRow) const {
    if (!HasText(nCol, nRow))
        return false;
    nSelCol = nCol;
    nSelRow = nRow;
    return true;
}

bool CBoxNavigation::FirstInRow(int nRow, int nFrom, int nTo, int nStep, int& nCol) const {
    for (int c = nFrom; c != nTo + nStep; c += nStep)
        if (HasText(c, nRow)) {
            nCol = c;
            return true;
        }
    return false;
}

bool CBoxNavigation::OnKey(Key key, int& nCol, int& nRow) const {
    int c = nCol;
    switch (key) {
    case keyTab:
        return FirstInRow(nRow, 6, 1, -1, c) && Take(c, nRow, nCol, nRow);
    case keyBackTab:
        return FirstInRow(nRow, 0, 5, 1, c) && Take(c, nRow, nCol, nRow);
    case keyHome:
        return FirstInRow(0, 0, 6, 1, c) && Take(c, 0, nCol, nRow);
    case keyEnd:
        for (int r = 5; r >= 3; --r)
            if (FirstInRow(r, 6, 0, -1, c))
                return Take(c, r, nCol, nRow);
        return false;
    case keyLeft:
        // Past the start of a week (or the 1st) to the end of the week before.
        return (nCol > 0 && Take(nCol - 1, nRow, nCol, nRow)) || Take(6, nRow - 1, nCol, nRow);
    case keyRight:
        return (nCol < 6 && Take(nCol + 1, nRow, nCol, nRow)) || Take(0, nRow + 1, nCol, nRow);
    case keyUp:
        return Take(nCol, nRow - 1, nCol, nRow);
    case keyDown:
        return Take(nCol, nRow + 1, nCol, nRow);
    }
    return false;
}

bool CBoxNavigation::HitBox(const RECT* pBoxes, const POINT& pt, int& nCol, int& nRow) const {
    bool bFound = false;
    for (int r = 0; r < CMonthLayout::kRows; ++r)
        for (int c = 0; c < CMonthLayout::kColumns; ++c)
            if (CRect(pBoxes[CMonthLayout::BoxIndex(c, r)]).PtInRect(pt) && HasText(c, r)) {
                nCol = c;
                nRow = r;
                bFound = true;
            }
    return bFound;
}
