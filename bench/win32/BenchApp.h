// The program started inside a benchmark (its settings in the given file,
// every message box answered with OK and reported on stderr) and a crowded
// month to paint.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "app/AlmanarkApp.h"
#include "win32/common/SampleDocument.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/DocTemplate.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

// Starts the program for the benchmark pszName, its settings in pszName.ini
// in the temporary folder (szIni, for the caller to delete); says so when it
// could not start.
inline bool BenchStartProgram(const char* pszName, char (&szIni)[MAX_PATH]) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    GetTempPathA(MAX_PATH, szIni);
    lstrcatA(szIni, pszName);
    lstrcatA(szIni, ".ini");
    CModalSeam::SetResponder([](CModalRequest& request) {
        fprintf(stderr, "bench: %s\n", request.strText.c_str());
        return request.kind == CModalRequest::messageBox ? IDOK : 0;
    });
    theApp.SetProfileName(szIni);
    bool bStarted = theApp.LoadSettings();
    if (bStarted) {
        theApp.AddDocTemplate(
            new CSingleDocTemplate(IDR_MAINFRAME, RuntimeClassOf<CAlmanarkDoc>("CAlmanarkDoc"),
                                   RuntimeClassOf<CMainFrame>("CMainFrame"),
                                   RuntimeClassOf<CAlmanarkView>("CAlmanarkView")));
        theApp.OnFileNew();
        bStarted = theApp.m_pView && theApp.m_pDoc && theApp.m_pFrame;
    }
    if (!bStarted)
        fprintf(stderr, "%s: the program did not start\n", pszName);
    return bStarted;
}

// May 1999: 31 day boxes, each with a 120-character note; 500 events of May.
inline void BenchFillCalendar(CAlmanarkDoc& doc, bool bFull) {
    doc.m_nMonth = 5;
    doc.m_nYear = 1999;
    CString strNote;
    for (int i = 0; strNote.GetLength() < 120; ++i)
        strNote += "appointment" + CString::FromInt(i) + " ";
    FillSampleNotes(doc, bFull ? strNote.Left(120) : CString(), false);
    static const char* const s_apszForms[] = {"May %02d", "May %02d, 1999", "May-Mon #%d",
                                              "May-Fri #%d"};
    CString strEvents;
    for (int i = 0; bFull && i < 500; ++i) {
        CString strDate;
        strDate.Format(s_apszForms[i % 4], i % 4 >= 2 ? 1 + i % 4 : 1 + (i * 7) % 31);
        strEvents += strDate + "\tEvent " + CString::FromInt(i) + "\r\n";
    }
    theApp.m_strAllEvents = strEvents;
    ++theApp.m_pView->m_nEvalEvents;
}

// The program started for a benchmark, with the crowded month of
// BenchFillCalendar unless bFill is false; its window is closed and its
// settings file deleted at the end.
class CBenchApp {
public:
    explicit CBenchApp(const char* pszName, bool bFill = true)
        : m_bStarted(BenchStartProgram(pszName, m_szIni)) {
        if (m_bStarted && bFill)
            BenchFillCalendar(Doc(), true);
    }
    ~CBenchApp() {
        if (theApp.m_pMainWnd)
            theApp.m_pMainWnd->DestroyWindow();
        DeleteFileA(m_szIni);
    }
    CBenchApp(const CBenchApp&) = delete;
    CBenchApp& operator=(const CBenchApp&) = delete;

    bool Started() const { return m_bStarted; }
    CAlmanarkView& View() const { return *theApp.m_pView; }
    CAlmanarkDoc& Doc() const { return *theApp.m_pDoc; }
    // The main window shown at 1000 x 750 and painted.
    CMainFrame& ShowFrame() const {
        CMainFrame& frame = *theApp.m_pFrame;
        frame.MoveWindow(0, 0, 1000, 750);
        frame.ShowWindow(SW_SHOW);
        frame.UpdateWindow();
        return frame;
    }

private:
    char m_szIni[MAX_PATH] = {0}; // before m_bStarted, which fills it in
    bool m_bStarted;
};
