// What the benchmarks share: a clock, the program started in this process
// without a user, and a crowded month of 42 long notes and 500 events.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/Dc.h"
#include "framework/DocTemplate.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

inline double BenchNow() {
    static LARGE_INTEGER s_frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(s_frequency.QuadPart);
}

// The settings file goes to the temporary folder under pszIniName.
inline bool BenchStartProgram(const char* pszIniName, char (&szIni)[MAX_PATH]) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    GetTempPathA(MAX_PATH, szIni);
    lstrcatA(szIni, pszIniName);
    CModalSeam::SetResponder([](CModalRequest& request) {
        fprintf(stderr, "bench: %s\n", request.strText.c_str());
        return request.kind == CModalRequest::messageBox ? IDOK : 0;
    });
    theApp.SetProfileName(szIni);
    if (!theApp.LoadSettings())
        return false;
    theApp.AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME, RuntimeClassOf<CAlmanarkDoc>("CAlmanarkDoc"),
        RuntimeClassOf<CMainFrame>("CMainFrame"), RuntimeClassOf<CAlmanarkView>("CAlmanarkView")));
    theApp.OnFileNew();
    return theApp.m_pView && theApp.m_pDoc;
}

// May 1999 with a note of 120 characters in every box and 500 events.
inline void BenchFillCalendar(CAlmanarkDoc& doc) {
    doc.m_nMonth = 5;
    doc.m_nYear = 1999;
    CString strNote;
    for (int i = 0; strNote.GetLength() < 120; ++i)
        strNote += "appointment" + CString::FromInt(i) + " ";
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            doc.SetNote(strNote.Left(120), c, r);
    static const char* const s_apszForms[] = {"May %02d",       "Jun %02d",    "May %02d, 1999",
                                              "Jul %02d, 2001", "May-Mon #%d", "Nov-Thu #%d"};
    CString strEvents;
    for (int i = 0; i < 500; ++i) {
        CString strDate;
        strDate.Format(s_apszForms[i % 6], i % 6 >= 4 ? 1 + i % 4 : 1 + (i * 7) % 31);
        strEvents += strDate + "\tEvent caption " + CString::FromInt(i) + "\r\n";
    }
    theApp.m_strAllEvents = strEvents;
}

// Sizes the view so that its client area is cx by cy.
inline void BenchSizeView(CAlmanarkView& view, int cx, int cy) {
    view.MoveWindow(0, 0, cx, cy, false);
    const CRect rcClient = view.GetClientRect();
    view.MoveWindow(0, 0, 2 * cx - rcClient.Width(), 2 * cy - rcClient.Height(), false);
}

inline void BenchEnd(const char* pszIni) {
    if (theApp.m_pMainWnd)
        theApp.m_pMainWnd->DestroyWindow();
    DeleteFileA(pszIni);
}
