// CPrintedCalendars: calendar files printed together as one job, each page
// with its own design, picture, notes, look and paper. Read into documents
// of their own: the open calendar, the pages of the control panel and the
// event list stay as they are, and the application's look is given back
// when this object goes.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/String.h"
#include "view/CalendarLook.h"
#include "view/PrintJob.h"

class CAlmanarkDoc;

class CPrintedCalendars {
public:
    CPrintedCalendars();
    ~CPrintedCalendars();
    CPrintedCalendars(const CPrintedCalendars&) = delete;
    CPrintedCalendars& operator=(const CPrintedCalendars&) = delete;

    // Reads every file it can; the others are named by Failed().
    void Load(const std::vector<CString>& paths);
    const CPrintJob& Job() const { return m_job; }
    // The names of the files that could not be read, one a line; empty when all were.
    CString Failed() const;
    // The job's name in the spooler: the calendars' names.
    CString JobTitle() const;
    CAlmanarkDoc& Doc(int nCalendar) { return *m_calendars[nCalendar].pDoc; }

    // A DC of the first page's printer in its orientation and paper, or of
    // the current printer when that one is not installed; null without either.
    HDC CreatePrinterDC(const CString& strCurrent);
    // Gives the application the calendar's look and the DC the calendar's
    // orientation and paper where the printer takes them.
    void PreparePage(HDC hDC, int nCalendar);

private:
    struct CCalendar {
        std::unique_ptr<CAlmanarkDoc> pDoc;
        CCalendarLook look;
    };
    bool ReadCalendar(const CString& strPath, CCalendar& calendar);
    bool LoadDevMode(const CString& strPrinter);

    CCalendarLook m_appLook;
    std::vector<CCalendar> m_calendars;
    std::vector<CString> m_failed;
    CPrintJob m_job;
    CString m_strPrinter;
    std::vector<BYTE> m_devMode; // the printer's own settings, what each page starts from
};
