// Which day box a key or a click selects, from which boxes have text (boxes
// without a date have none). The view applies the answer.
#pragma once
#include "framework/Rect.h"

#include <array>

class CBoxNavigation {
public:
    enum Key { keyTab, keyBackTab, keyHome, keyEnd, keyLeft, keyRight, keyUp, keyDown };

    // Indexed as the month grid: column * 6 + row.
    explicit CBoxNavigation(const std::array<bool, 42>& abHasText) : m_abHasText(abHasText) {}

    // False outside the grid.
    bool HasText(int nCol, int nRow) const;
    // The box the key selects from (nCol, nRow); false when it selects none
    // and the selection stays.
    bool OnKey(Key key, int& nCol, int& nRow) const;
    // The box with text under pt; on a border line shared by two boxes the
    // later one (rows, then columns) wins. False when there is none.
    bool HitBox(const RECT* pBoxes, const POINT& pt, int& nCol, int& nRow) const;

private:
    // The first of the columns nFrom, nFrom + nStep, ... up to nTo with text in nRow.
    bool FirstInRow(int nRow, int nFrom, int nTo, int nStep, int& nCol) const;
    bool Take(int nCol, int nRow, int& nSelCol, int& nSelRow) const;

    std::array<bool, 42> m_abHasText;
};
