// CKeptPanels: the month panels of a year page as last drawn on screen, kept
// in a bitmap. Their day numbers are most of a year page's paint; a repaint
// that would draw them just as before copies the bitmap instead, and the
// page shows the same pixels. The printer and recordings always get the
// drawing itself.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <type_traits>

#include "framework/Dc.h"
#include "framework/GdiObject.h"
#include "framework/Rect.h"

class CKeptPanels {
public:
    CKeptPanels() = default;
    ~CKeptPanels() { Release(); }
    CKeptPanels(const CKeptPanels&) = delete;
    CKeptPanels& operator=(const CKeptPanels&) = delete;

    // Gives dc the pixels that draw leaves in rcArea: from the bitmap when it
    // was drawn from the same strInputs onto a DC in the same state, otherwise
    // drawn into the bitmap first. draw must depend on nothing but strInputs,
    // rcArea and the DC's pen and brush, and cover the whole area with a
    // rectangle (so nothing beneath shows). False, with nothing drawn, where
    // the pixels cannot be kept: see CanKeep.
    bool Draw(CDC& dc, const CRect& rcArea, const std::string& strInputs,
              const std::function<void(CDC&)>& draw);
    // Frees the bitmap; the next Draw draws afresh.
    void Release();
    // Whether the bitmap holds a drawing that a Draw may copy.
    bool HoldsDrawing() const { return !m_strKey.empty(); }

    // Appends value's bytes to a key of inputs.
    template <class T> static void AddInput(std::string& strKey, const T& value) {
        static_assert(std::is_trivially_copyable_v<T>, "inputs are compared byte by byte");
        strKey.append(reinterpret_cast<const char*>(&value), sizeof value);
    }

    // False: every Draw declines, so the panels are drawn straight onto the
    // page (what benchmarks and tests compare the kept pixels with).
    bool m_bKeep = true;

private:
    // A screen or a bitmap in plain pixel units, whose pen and solid brush
    // make a rectangle opaque: nothing under the panels shows through them.
    static bool CanKeep(const CDC& dc);
    // What the pixels depend on besides the caller's inputs and the format.
    static std::string StateOf(const CDC& dc, const CRect& rcArea);
    // The pixel format a bitmap compatible with dc takes.
    static std::string PixelFormat(const CDC& dc);
    // A bitmap of size in that format selected into m_dc; the one kept when it fits.
    bool MakeBitmap(CDC& dc, const CSize& size, const std::string& strFormat);
    // draw into the bitmap onto a DC in the state of dc.
    void Redraw(CDC& dc, const CRect& rcArea, const std::function<void(CDC&)>& draw);

    CDC m_dc;
    CGdiObject m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    CSize m_size;
    std::string m_strFormat;
    // What the bitmap was drawn from; empty while it holds nothing.
    std::string m_strKey;
};
