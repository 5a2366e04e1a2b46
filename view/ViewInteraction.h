// CViewInteraction: how the view answers the mouse and the keyboard: the
// selected day box and the note editor, the pop-up with a box's whole text,
// the status-bar hints, and through CPositioning the trackers.
#pragma once
#include <windows.h>

#include <array>

#include "framework/Rect.h"
#include "view/Positioning.h"

class CAlmanarkView;

class CViewInteraction {
public:
    enum { kHintTimer = 1, kHintDelay = 500 };

    explicit CViewInteraction(CAlmanarkView& view) : m_view(view), m_positioning(view) {}
    CViewInteraction(const CViewInteraction&) = delete;
    CViewInteraction& operator=(const CViewInteraction&) = delete;

    // The view's messages; true with *pResult when handled here alone.
    bool OnMessage(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // False for a box outside the grid or without text; otherwise stores a
    // note still being typed, redraws the old and the new box and returns
    // true. The caller makes the box the selection.
    bool SelectBox(int nCol, int nRow);
    // Stores the note editor's text into the selected box when it was
    // typed into since it was last stored.
    void CommitNote();

private:
    void OnLButtonDown(CPoint pt);
    void OnKeyDown(UINT nChar);
    void OnRButtonDown(CPoint pt);
    void OnRButtonUp();
    void OnMouseMove(CPoint pt);
    void OnTimer();
    void OnSize();

    // Boxes that have stored text, as the document holds them.
    std::array<bool, 42> BoxesWithText() const;
    // The box with text under pt, for a month calendar.
    bool BoxAt(CPoint pt, int& nCol, int& nRow) const;
    void Select(int nCol, int nRow);
    void InvalidateBox(int nCol, int nRow);

    CAlmanarkView& m_view;
    CPositioning m_positioning;
};
