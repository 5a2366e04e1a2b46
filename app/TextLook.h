// CTextLook: how one of the calendar's text elements looks: its face,
// colour, weight and italic flag, as the settings file, the Style page and a
// calendar file's font record give it.
#pragma once
#include "framework/String.h"
#include "framework/WinTypes.h"

struct CTextLook {
    CString m_strFace;
    COLORREF m_crColor = 0;
    int m_nWeight = 400;
    BYTE m_bItalic = 0;
};
