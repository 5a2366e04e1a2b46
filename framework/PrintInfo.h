// CPrintInfo: one run of the print loop or of print preview: the print
// dialog that holds the printer DC, the pages, and how the run is made.
#pragma once
#include <memory>

#include "framework/PrintDialog.h"
#include "framework/Rect.h"

class CPrintInfo {
public:
    CPrintInfo();

    void SetMaxPage(UINT nPage) { m_pPD->m_pd.nMaxPage = (WORD)nPage; }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }

    // Owns the printer DC of the run; it is deleted with the dialog.
    std::unique_ptr<CPrintDialog> m_pPD;
    bool m_bDirect = false;  // print without showing the dialog
    bool m_bPreview = false; // the pages go to print preview
    bool m_bContinuePrinting = true;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    // The job's name in the spooler; empty: the document's title.
    CString m_strDocTitle;
    // A file the job is written to instead of the printer's port; empty: the port.
    CString m_strOutput;
    // The printable area of the page, in the DC's units.
    CRect m_rectDraw;
};
