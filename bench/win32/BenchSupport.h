// The program for the benchmarks: started in-process on
// the default printer, with every prompt answered and reported.
#pragma once
#include <windows.h>

#include <cstdio>

#include "BenchClock.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/DocTemplate.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

inline bool StartProgram(const char* pszIni, const char* pszBench) {
    static const char* s_pszBench = pszBench;
    CModalSeam::SetResponder([](CModalRequest& request) {
        fprintf(stderr, "%s: %s\n", s_pszBench, request.strText.c_str());
        return request.kind == CModalRequest::messageBox ? IDOK : 0;
    });
    theApp.SetProfileName(pszIni);
    if (!theApp.LoadSettings())
        return false;
    theApp.AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME, RuntimeClassOf<CAlmanarkDoc>("CAlmanarkDoc"),
        RuntimeClassOf<CMainFrame>("CMainFrame"), RuntimeClassOf<CAlmanarkView>("CAlmanarkView")));
    theApp.OnFileNew();
    return theApp.m_pView && theApp.m_pDoc && theApp.m_pFrame;
}

// May 1999 with 42 notes of 120 characters and 500 events of every form.
inline void FillCalendar(CAlmanarkDoc& doc) {
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
