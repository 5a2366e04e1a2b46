// CAutoSelect: selects a pen, brush, font or bitmap into a DC for a scope and
// puts the previous one back when the scope ends, before the object can be
// deleted.
#pragma once
#include <windows.h>

class CDC;
class CGdiObject;

class CAutoSelect {
public:
    CAutoSelect(CDC& dc, HGDIOBJ hObject);
    CAutoSelect(CDC& dc, const CGdiObject& object);
    CAutoSelect(const CAutoSelect&) = delete;
    CAutoSelect& operator=(const CAutoSelect&) = delete;
    ~CAutoSelect() { Restore(); }

    // Puts the previous object back now; later calls do nothing.
    void Restore();

private:
    HDC m_hDC;
    HGDIOBJ m_hOld = nullptr;
};
