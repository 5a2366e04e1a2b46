#include "view/PrintedCalendars.h"

#include <winspool.h>

#include <algorithm>

#include "app/AlmanarkApp.h"
#include "dates/DateCalc.h"
#include "document/AlmanarkDoc.h"
#include "framework/Archive.h"
#include "framework/File.h"
#include "view/PrinterSettings.h"

namespace {
CString FileName(const CString& strPath) {
    const int nSlash = std::max(strPath.ReverseFind('\\'), strPath.ReverseFind('/'));
    return strPath.Mid(nSlash + 1);
}

CString WithoutExtension(const CString& strName) {
    const int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}
} // namespace

CPrintedCalendars::CPrintedCalendars() : m_appLook(CCalendarLook::OfApp()) {}

CPrintedCalendars::~CPrintedCalendars() {
    m_appLook.ApplyToApp();
}

void CPrintedCalendars::Load(const std::vector<CString>& paths) {
    std::vector<CCalendarKey> keys;
    for (const CString& strPath : paths) {
        CCalendar calendar;
        if (!ReadCalendar(strPath, calendar)) {
            m_failed.push_back(strPath);
            continue;
        }
        const CAlmanarkDoc& doc = *calendar.pDoc;
        keys.push_back({doc.m_bYearDoc != 0, doc.m_nMonth, doc.m_nYear});
        m_calendars.push_back(std::move(calendar));
    }
    m_job = CPrintJob::Calendars(keys);
}

bool CPrintedCalendars::ReadCalendar(const CString& strPath, CCalendar& calendar) {
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    // A document registers itself as the open one; this one is not.
    CAlmanarkDoc* const pOpen = theApp.m_pDoc;
    calendar.pDoc = std::make_unique<CAlmanarkDoc>();
    theApp.m_pDoc = pOpen;
    CAlmanarkDoc& doc = *calendar.pDoc;
    try {
        if (file.GetLength() == 0)
            return false;
        CArchive ar(&file, CArchive::load, 4096);
        doc.LoadForPrinting(ar);
        ar.Close();
    } catch (...) {
        // Whatever the file held, it is only named in the message.
        return false;
    }
    doc.TakeTodayWithoutMonth();
    doc.m_nYear = std::clamp(doc.m_nYear, FIRST_YEAR, LAST_YEAR);
    doc.SetTitle(WithoutExtension(FileName(strPath)));
    calendar.look = CCalendarLook::OfApp();
    return true;
}

CString CPrintedCalendars::Failed() const {
    CString str;
    for (const CString& strPath : m_failed)
        str += (str.IsEmpty() ? "" : "\n") + strPath;
    return str;
}

CString CPrintedCalendars::JobTitle() const {
    // Spoolers keep names of some length; a long list ends in an ellipsis.
    const int kLongest = 120;
    CString str;
    for (int nPage = 1; nPage <= m_job.PageCount() && str.GetLength() <= kLongest; ++nPage)
        str +=
            (str.IsEmpty() ? "" : ", ") + m_calendars[m_job.Page(nPage).nCalendar].pDoc->GetTitle();
    return str.GetLength() > kLongest ? str.Left(kLongest) + "..." : str;
}

bool CPrintedCalendars::LoadDevMode(const CString& strPrinter) {
    HANDLE hPrinter = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(strPrinter.c_str()), &hPrinter, nullptr))
        return false;
    char* pszName = const_cast<char*>(strPrinter.c_str());
    const LONG cb = ::DocumentPropertiesA(nullptr, hPrinter, pszName, nullptr, nullptr, 0);
    bool bOK = cb >= (LONG)sizeof(DEVMODEA);
    if (bOK) {
        m_devMode.assign(cb, 0);
        bOK = ::DocumentPropertiesA(nullptr, hPrinter, pszName,
                                    reinterpret_cast<DEVMODEA*>(m_devMode.data()), nullptr,
                                    DM_OUT_BUFFER) == IDOK;
    }
    ::ClosePrinter(hPrinter);
    if (bOK)
        m_strPrinter = strPrinter;
    return bOK;
}

HDC CPrintedCalendars::CreatePrinterDC(const CString& strCurrent) {
    if (m_job.PageCount() == 0)
        return nullptr;
    const CString strFirst = Doc(m_job.Page(1).nCalendar).m_strPrinter;
    if (!LoadDevMode(strFirst) && !LoadDevMode(strCurrent))
        return nullptr;
    HDC hDC = ::CreateDCA("WINSPOOL", m_strPrinter, nullptr,
                          reinterpret_cast<DEVMODEA*>(m_devMode.data()));
    if (hDC)
        PreparePage(hDC, m_job.Page(1).nCalendar);
    return hDC;
}

void CPrintedCalendars::PreparePage(HDC hDC, int nCalendar) {
    CCalendar& calendar = m_calendars[nCalendar];
    calendar.look.ApplyToApp();
    if (m_devMode.empty())
        return;
    std::vector<BYTE> devMode = m_devMode;
    auto* pDevMode = reinterpret_cast<DEVMODEA*>(devMode.data());
    const CAlmanarkDoc& doc = *calendar.pDoc;
    if (doc.m_nOrientation == DMORIENT_PORTRAIT || doc.m_nOrientation == DMORIENT_LANDSCAPE) {
        pDevMode->dmOrientation = doc.m_nOrientation;
        pDevMode->dmFields |= DM_ORIENTATION;
    }
    if (doc.m_nPaperSize > 0 &&
        CPrinterSettings::TakesPaper(m_strPrinter, CString(), doc.m_nPaperSize)) {
        pDevMode->dmPaperSize = doc.m_nPaperSize;
        pDevMode->dmFields |= DM_PAPERSIZE;
    }
    ::ResetDCA(hDC, pDevMode);
}
