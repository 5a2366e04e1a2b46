#include "dates/EventsPage.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "app/AlmanarkApp.h"
#include "dates/EventFileNames.h"
#include "dates/EventList.h"
#include "dates/EventSection.h"
#include "frame/MainFrame.h"
#include "framework/AutoSelect.h"
#include "framework/ClientDC.h"
#include "framework/DataExchange.h"
#include "framework/ModalSeam.h"
#include "framework/ProfileRewriter.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {

const char kEventsSection[] = "Events";
// The reader's answer for a missing key; it ends the list.
const char kEnd[] = "END";
const DWORD kMaxSectionSize = 64u << 20;
// The date list's tab stop, in dialog units: captions start under "Caption".
const int kTabStop = 45;
// Measured after each line, so that its last character is not left at the edge.
const char kEndChar = 'o';

CString KeyName(int nKey) {
    return CString::FromInt(nKey);
}

// An upper bound of a line's tabbed width in the DC's font: each piece
// between tabs its characters' widths added up, plus the font's overhang and
// one unit; each tab the next stop after the bound so far (a stop further
// right than the real one, or the same). Without a single-byte code page
// every line gets an unbounded width and is measured.
class CCharWidthBound {
public:
    CCharWidthBound(HDC hDC, int nTabStop) : m_nTabStop(std::max(nTabStop, 1)) {
        CPINFO info = {};
        TEXTMETRICA tm = {};
        m_bBounded = ::GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1 &&
                     ::GetCharWidth32A(hDC, 0, 255, m_anWidths) && ::GetTextMetricsA(hDC, &tm);
        m_nSlack = tm.tmOverhang + 1;
    }
    // The bound of strLine followed by chEnd.
    int Of(const CString& strLine, char chEnd) const {
        if (!m_bBounded)
            return INT_MAX;
        int nBound = 0;
        for (char ch : strLine.str()) {
            if (ch == '\t')
                nBound = (nBound + m_nSlack) / m_nTabStop * m_nTabStop + m_nTabStop;
            else
                nBound += m_anWidths[(unsigned char)ch];
        }
        return nBound + m_anWidths[(unsigned char)chEnd] + m_nSlack;
    }

private:
    int m_nTabStop;
    int m_nSlack = 1;
    bool m_bBounded = false;
    INT m_anWidths[256] = {};
};

// A list of whole lines shrinks to fit them whenever its horizontal scroll
// bar comes or goes, and never grows back: going back and forth between
// narrow and wide files took a line off the date list each time. When the
// bar has come or gone, the list gets its first height back and fits whole
// lines into that.
class CListHeightKeeper {
public:
    CListHeightKeeper(const CListBox& list, int cyFirst)
        : m_hList(list.GetSafeHwnd()), m_cyFirst(cyFirst), m_bHorzBar(HasHorzBar()) {}
    ~CListHeightKeeper() {
        if (m_hList && m_cyFirst > 0 && HasHorzBar() != m_bHorzBar) {
            RECT rc;
            ::GetWindowRect(m_hList, &rc);
            ::SetWindowPos(m_hList, nullptr, 0, 0, rc.right - rc.left, m_cyFirst,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    CListHeightKeeper(const CListHeightKeeper&) = delete;
    CListHeightKeeper& operator=(const CListHeightKeeper&) = delete;

private:
    bool HasHorzBar() const {
        return m_hList && (::GetWindowLongA(m_hList, GWL_STYLE) & WS_HSCROLL) != 0;
    }

    HWND m_hList;
    int m_cyFirst;
    bool m_bHorzBar;
};

bool HasEvnExtension(const CString& strFile) {
    return strFile.GetLength() > 4 && strFile.Right(4).CompareNoCase(".evn") == 0;
}

} // namespace

// The whole section in one profile call. Its lines are never longer than the
// file, so a buffer of the file's size takes them in one go; the loop only
// guards against a file that grows meanwhile. Beyond 64 MB the section is cut.
std::string CEventsPage::ReadEventSectionText(const CString& strPath) {
    WIN32_FILE_ATTRIBUTE_DATA attr = {};
    DWORD nFileSize = 0;
    if (::GetFileAttributesExA(strPath, GetFileExInfoStandard, &attr) && !attr.nFileSizeHigh)
        nFileSize = std::min<DWORD>(attr.nFileSizeLow, kMaxSectionSize);
    std::string strLines;
    for (DWORD nSize = nFileSize + 1024;; nSize *= 2) {
        strLines.resize(nSize);
        const DWORD n = ::GetPrivateProfileSectionA(kEventsSection, &strLines[0], nSize, strPath);
        if (n < nSize - 2 || nSize >= kMaxSectionSize) {
            strLines.resize(std::min<size_t>(n, nSize));
            return strLines;
        }
    }
}

CEventSection CEventsPage::ReadEventSection(const CString& strPath) {
    return CEventSection(ReadEventSectionText(strPath));
}

// Keys 0, 1, ... in one section write, which writes the file once; key by
// key only when the section holds lines that such a write would drop. A
// replaced section loses the lines the values do not cover.
bool CEventsPage::WriteEventValues(const CString& strPath, std::vector<CString> values,
                                   bool bReplaceSection) {
    // A line break inside a value would end the key's line in the file and
    // turn the rest of the caption into keys or sections of its own.
    for (CString& strValue : values) {
        strValue.Replace('\r', ' ');
        strValue.Replace('\n', ' ');
    }
    if (values.empty() &&
        (!bReplaceSection || ::GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES))
        return true;
    return CProfileRewriter::Rewrite(strPath, [&](const CString& strTemp) {
        if (bReplaceSection)
            ::WritePrivateProfileStringA(kEventsSection, nullptr, nullptr, strTemp);
        std::string strLines;
        if (!values.empty() &&
            CEventList::MergeSectionLines(values, ReadEventSectionText(strTemp), strLines)) {
            ::WritePrivateProfileSectionA(kEventsSection, strLines.c_str(), strTemp);
            return;
        }
        for (size_t i = 0; i < values.size(); ++i)
            ::WritePrivateProfileStringA(kEventsSection, KeyName((int)i), values[i], strTemp);
    });
}

CEventsPage::CEventsPage() : CPanelPage(IDD_EVENTS_PAGE) {}

void CEventsPage::DoDataExchange(CDataExchange* pDX) {
    CPanelPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SORT_LIST, m_listSort);
    DDX_Control(pDX, IDC_REMOVE_DATE, m_btnRemoveDate);
    DDX_Control(pDX, IDC_INSERT_DATE, m_btnInsertDate);
    DDX_Control(pDX, IDC_EVENT_FILE, m_cbFile);
    DDX_Control(pDX, IDC_FILE_BUTTON, m_btnFile);
    DDX_Control(pDX, IDC_DATE_LIST, m_listDates);
}

BOOL CEventsPage::OnInitDialog() {
    CPanelPage::OnInitDialog();
    m_nAppliedCount = 0;
    m_listDates.SetTabStops(kTabStop);
    m_cyDateList = m_listDates.GetWindowRect().Height();
    m_cbFile.LimitText(64);
    FillEventFileCombo();
    LoadEventFile();
    return TRUE;
}

bool CEventsPage::OnCmdMsg(unsigned nID, int nCode) {
    if (nID == IDC_EVENT_FILE && nCode == CBN_SELCHANGE)
        OnFileSelChange();
    else if (nID == IDC_EVENT_FILE && nCode == CBN_EDITCHANGE)
        OnFileEditChange();
    else if (nID == IDC_FILE_BUTTON && nCode == BN_CLICKED)
        OnFileButton();
    else if (nID == IDC_INSERT_DATE && nCode == BN_CLICKED)
        OnInsertDate();
    else if (nID == IDC_REMOVE_DATE && nCode == BN_CLICKED)
        OnRemoveDate();
    else
        return CPanelPage::OnCmdMsg(nID, nCode);
    return true;
}

LRESULT CEventsPage::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_INSERT_PENDING) {
        InsertPendingDate();
        return 0;
    }
    return CPanelPage::WindowProc(nMsg, wParam, lParam);
}

CString CEventsPage::ResolveEventFilePath(const CString& strName) const {
    return ::ResolveEventFilePath(strName, theApp.m_strEventFileArg, theApp.m_strCurDir);
}

void CEventsPage::FillEventFileCombo() {
    m_cbFile.ResetContent();
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(theApp.m_strCurDir + "*.evn", &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            CString strFile = fd.cFileName;
            // The pattern also matches longer extensions through their short
            // names ("x.evnt" is "X~1.EVN").
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !HasEvnExtension(strFile))
                continue;
            m_cbFile.AddString(strFile.Left(strFile.GetLength() - 4));
            EnableFileButtons(TRUE);
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    CString strArgName = EventFileDisplayName(theApp.m_strEventFileArg);
    if (!strArgName.IsEmpty() && m_cbFile.FindStringExact(-1, strArgName) < 0)
        m_cbFile.AddString(strArgName);
    SelectEventFile("Default");
}

bool CEventsPage::SelectEventFile(const CString& strName) {
    if (strName.IsEmpty())
        return false;
    CString strFind = strName;
    if (strName == "Default") {
        strFind = DefaultEventFileName(GetLastEventFile(), theApp.m_strEventFileArg);
        if (strFind.IsEmpty()) {
            m_cbFile.SetCurSel(-1);
            m_cbFile.SetWindowText("");
            EnableFileButtons(FALSE);
            return false;
        }
    }
    int nItem = m_cbFile.FindStringExact(-1, strFind);
    if (nItem < 0)
        return false;
    // The item's own spelling: the command-line file is recognised by its
    // name as written.
    SetLastEventFile(m_cbFile.GetLBText(nItem));
    m_cbFile.SetCurSel(nItem);
    return true;
}

void CEventsPage::SetLastEventFile(const CString& strName) {
    theApp.WriteSetting(CSettingsKeys::kLastEventFile,
                        strName.IsEmpty() ? CString() : ResolveEventFilePath(strName));
}

CString CEventsPage::GetLastEventFile() const {
    return theApp.Settings().String(CSettingsKeys::kLastEventFile);
}

void CEventsPage::ClearDateList() {
    const CListHeightKeeper keeper(m_listDates, m_cyDateList);
    m_listDates.ResetContent();
    m_listDates.SetHorizontalExtent(0);
}

void CEventsPage::LoadEventFile() {
    theApp.m_strAllEvents.Empty();
    theApp.ClearEventText();
    m_astrUnreadValues.clear();
    m_strUnreadPath.Empty();
    m_mapWholeValues.clear();

    int nSel = m_cbFile.GetCurSel();
    CString strName = nSel >= 0 ? m_cbFile.GetLBText(nSel) : CString();
    if (strName.IsEmpty()) {
        ClearDateList();
        m_btnRemoveDate.EnableWindow(false);
        return;
    }
    CString strPath = ResolveEventFilePath(strName);
    const CEventSection section = ReadEventSection(strPath);
    CEventList list;
    list.Read([&](int nKey) {
        CString strValue = section.Value(nKey, kEnd, CEventList::MAX_VALUE_LENGTH + 1);
        if (strValue.GetLength() >= CEventList::MAX_VALUE_LENGTH) {
            CString strWhole = section.WholeValue(nKey, kEnd);
            if (strWhole.GetLength() > strValue.GetLength())
                m_mapWholeValues[CEventList::ValueFromLine(
                    CEventList::LineFromValue(CEventList::PadOneDigitDay(strValue)))] = strWhole;
        }
        return strValue;
    });
    if (list.GetCount() == CEventList::MAX_ENTRIES) {
        for (int nKey = CEventList::MAX_ENTRIES;; ++nKey) {
            CString strValue = section.WholeValue(nKey, kEnd);
            if (strValue == kEnd)
                break;
            m_astrUnreadValues.push_back(std::move(strValue));
        }
    }
    m_strUnreadPath = strPath;
    SetListLines(list.GetLines(), true);
    theApp.m_strAllEvents = list.BuildEventText();
    m_btnRemoveDate.EnableWindow(!list.IsEmpty());
}

bool CEventsPage::SaveEventFile(bool bReplaceSection) {
    CString strName;
    int nSel = m_cbFile.GetCurSel();
    if (nSel >= 0) {
        strName = m_cbFile.GetLBText(nSel);
    } else {
        strName = m_cbFile.GetWindowText();
        strName.Trim();
        if (!strName.IsEmpty()) {
            // Selected directly rather than through SelectEventFile: a file
            // named "Default" is meant, not the last event file.
            int nItem = m_cbFile.FindStringExact(-1, strName);
            if (nItem < 0)
                nItem = m_cbFile.AddString(strName);
            strName = m_cbFile.GetLBText(nItem);
            SetLastEventFile(strName);
            m_cbFile.SetCurSel(nItem);
        }
    }
    if (strName.IsEmpty())
        return true;

    CString strPath = ResolveEventFilePath(strName);
    CEventList list;
    for (const CString& strLine : GetListLines())
        list.AddLine(strLine);
    WidenListExtent(list.GetLines());
    std::vector<CString> values;
    list.Write([&](int, const CString& strValue) {
        auto it = m_mapWholeValues.find(strValue);
        values.push_back(it != m_mapWholeValues.end() ? it->second : strValue);
    });
    if (!m_strUnreadPath.IsEmpty() && strPath.CompareNoCase(m_strUnreadPath) == 0)
        values.insert(values.end(), m_astrUnreadValues.begin(), m_astrUnreadValues.end());
    if (WriteEventValues(strPath, values, bReplaceSection))
        return true;
    AfxShowMessageBox(m_hWnd, "The event file could not be saved:\n\n     " + strName + ".evn",
                      "Almanark", MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
    return false;
}

void CEventsPage::SortEventList() {
    CEventList list;
    for (const CString& strLine : GetListLines())
        list.AddLine(strLine);
    list.Sort();
    SetListLines(list.GetLines());
}

void CEventsPage::RebuildEventText() {
    CEventList list;
    for (const CString& strLine : GetListLines())
        list.AddLine(strLine);
    theApp.m_strAllEvents = list.BuildEventText();
}

void CEventsPage::DeleteEventFile() {
    CString strName = m_cbFile.GetWindowText();
    strName.Trim();
    if (strName.IsEmpty())
        return;
    int nItem = m_cbFile.FindStringExact(-1, strName);
    if (nItem >= 0)
        strName = m_cbFile.GetLBText(nItem);

    CString strFile = "\n\n     " + strName + ".evn";
    if (AfxShowMessageBox(m_hWnd, "Please confirm that you want to delete the file:" + strFile,
                          "Almanark", MB_YESNO | MB_TOPMOST) != IDYES)
        return;

    CString strEventFileArg = theApp.m_strEventFileArg;
    CString strPath = TakeEventFilePathForDelete(strName, strEventFileArg, theApp.m_strCurDir);
    // A file that is gone already counts as deleted; one that stays (read
    // only, in use) stays listed, and the user is told so.
    if (!::DeleteFileA(strPath) && ::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES) {
        AfxShowMessageBox(m_hWnd, "The file could not be deleted:" + strFile, "Almanark",
                          MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
        return;
    }
    theApp.m_strEventFileArg = strEventFileArg;
    if (nItem >= 0)
        m_cbFile.DeleteString(nItem);
    m_cbFile.SetCurSel(-1);
    m_cbFile.SetWindowText("");
    if (GetLastEventFile().CompareNoCase(strPath) == 0)
        theApp.WriteSetting(CSettingsKeys::kLastEventFile, "");

    SelectEventFile("Default");
    LoadEventFile();
    theApp.InvalidateView();
    OnFileSelChange();
}

void CEventsPage::EnableFileButtons(BOOL bEnable) {
    m_btnFile.EnableWindow(bEnable != FALSE);
    m_btnInsertDate.EnableWindow(bEnable != FALSE);
    m_btnRemoveDate.EnableWindow(bEnable != FALSE);
}

void CEventsPage::UpdateListExtent(const CString& strLine) {
    WidenListExtent({strLine});
}

void CEventsPage::WidenListExtent(const std::vector<CString>& lines) {
    const CListHeightKeeper keeper(m_listDates, m_cyDateList);
    const int cxWidest = WidestListLine(lines);
    if (m_listDates.GetSafeHwnd() && m_listDates.GetHorizontalExtent() < cxWidest)
        m_listDates.SetHorizontalExtent(cxWidest);
}

// One device context for all the lines: one per line made long lists slow to fill.
int CEventsPage::WidestListLine(const std::vector<CString>& lines) {
    if (!m_listDates.GetSafeHwnd() || lines.empty())
        return 0;
    // Measured with the tab where the list draws it, and one more character,
    // so that the end of a long caption can be scrolled into view.
    RECT rcTab = {0, 0, kTabStop, 0};
    MapDialogRect(&rcTab);
    int nTabStop = rcTab.right;
    CClientDC dc(&m_listDates);
    CAutoSelect font(dc, (HGDIOBJ)m_listDates.SendMessage(WM_GETFONT));
    // Widest first by a bound no line exceeds; a line whose bound stays
    // within the widest measured cannot widen the list and is not measured.
    const CCharWidthBound bound(dc, nTabStop);
    std::vector<std::pair<int, const CString*>> byBound;
    byBound.reserve(lines.size());
    for (const CString& strLine : lines)
        byBound.emplace_back(bound.Of(strLine, kEndChar), &strLine);
    std::sort(byBound.begin(), byBound.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    int cxWidest = 0;
    for (const auto& [nBound, pLine] : byBound) {
        if (nBound <= cxWidest)
            break;
        const CString strMeasured = *pLine + kEndChar;
        const DWORD dwExtent =
            ::GetTabbedTextExtentA(dc, strMeasured, strMeasured.GetLength(), 1, &nTabStop);
        cxWidest = std::max(cxWidest, int(LOWORD(dwExtent)));
    }
    return cxWidest;
}

void CEventsPage::OnFileSelChange() {
    int nSel = m_cbFile.GetCurSel();
    if (nSel < 0)
        return;
    CString strName = m_cbFile.GetLBText(nSel);
    if (strName.IsEmpty()) {
        EnableFileButtons(FALSE);
        return;
    }
    EnableFileButtons(TRUE);
    SetLastEventFile(strName);
    LoadEventFile();
    RequestRepaint();
}

std::vector<CString> CEventsPage::GetListLines() const {
    std::vector<CString> lines;
    int nCount = m_listDates.GetCount();
    for (int i = 0; i < nCount; ++i)
        lines.push_back(m_listDates.GetText(i));
    return lines;
}

void CEventsPage::SetListLines(const std::vector<CString>& lines, bool bLoaded) {
    const CListHeightKeeper keeper(m_listDates, m_cyDateList);
    // Without redrawing, the list neither paints nor recomputes its scroll
    // bars at every line; a list cleared first would hide its scroll bars and
    // show them again, redrawing its frame each time.
    m_listDates.SendMessage(WM_SETREDRAW, FALSE);
    m_listDates.ResetContent();
    m_listDates.SendMessage(LB_INITSTORAGE, lines.size(), 64 * lines.size());
    for (const CString& strLine : lines)
        m_listDates.AddString(strLine);
    const int cxWidest = WidestListLine(lines);
    const int cxExtent = m_listDates.GetHorizontalExtent();
    if (cxWidest != cxExtent && (bLoaded || cxWidest > cxExtent))
        m_listDates.SetHorizontalExtent(cxWidest);
    if (bLoaded && !lines.empty())
        m_listDates.SetSel(0);
    m_listDates.SendMessage(WM_SETREDRAW, TRUE);
    m_listDates.Invalidate();
}

void CEventsPage::SetStatusPane(const char* pszText) {
    if (theApp.m_pFrame)
        theApp.m_pFrame->SetStatusText(1, pszText);
}

CString CEventsPage::GetStatusPane() {
    return theApp.m_pFrame ? theApp.m_pFrame->GetStatusText(1) : CString();
}

void CEventsPage::RequestRepaint() {
    if (theApp.m_pView)
        ++theApp.m_pView->m_nEvalEvents;
    theApp.InvalidateView();
}

void CEventsPage::OnInsertDate() {
    INT_PTR nResult = m_dlgInsertDate.DoModal();
    if (nResult == IDOK || m_nAppliedCount > 0) {
        m_btnFile.EnableWindow(true);
        CString strName = m_cbFile.GetWindowText();
        strName.Trim();
        SetLastEventFile(strName);
        SaveEventFile();
        LoadEventFile();
        RequestRepaint();
    }
    m_nAppliedCount = 0;
}

bool CEventsPage::ListHasLine(const CString& strLine) const {
    for (const CString& strListed : GetListLines())
        if (strListed == strLine)
            return true;
    return false;
}

void CEventsPage::InsertPendingDate() {
    const CListHeightKeeper keeper(m_listDates, m_cyDateList);
    CString strStatus = GetStatusPane();
    SetStatusPane("");
    if (strStatus == " already listed")
        return;
    CString strLine = theApp.m_strPendingDate + "\t" + m_dlgInsertDate.m_strCaption;
    // The event text holds the file's entries; the list also holds those
    // applied since the dialog opened, which one Apply of several holidays
    // would otherwise add a second time.
    if (CEventList::EventTextHasLine(theApp.m_strAllEvents, strLine) || ListHasLine(strLine))
        return;
    m_listDates.SetSel(-1, false);
    UpdateListExtent(strLine);
    m_listDates.AddString(strLine);
    SortEventList();
    int nLine = m_listDates.FindStringExact(-1, strLine);
    if (nLine >= 0)
        m_listDates.SetSel(nLine);
    if (theApp.m_pView)
        ++theApp.m_pView->m_nEvalEvents;
    EnableFileButtons(TRUE);
    m_btnFile.SetWindowText("Delete");
    ++m_nAppliedCount;
}

void CEventsPage::OnRemoveDate() {
    if (m_listDates.GetSelCount() <= 0)
        return;
    const CListHeightKeeper keeper(m_listDates, m_cyDateList);
    m_listDates.SetHorizontalExtent(0);
    std::vector<int> selected = m_listDates.GetSelItems(m_listDates.GetCount());
    int nFirst = selected.empty() ? 0 : selected.front();
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        m_listDates.DeleteString(*it);
    if (m_listDates.GetCount() > 0) {
        m_listDates.SetSel(nFirst > 0 ? nFirst - 1 : 0);
    } else {
        m_btnFile.SetWindowText("Delete");
        m_btnFile.EnableWindow(true);
        m_btnInsertDate.EnableWindow(true);
        m_btnRemoveDate.EnableWindow(false);
    }
    // A list that the file did not take shows the file again.
    if (!SaveEventFile(true))
        LoadEventFile();
    theApp.ClearEventText();
    RebuildEventText();
    theApp.InvalidateView();
}

void CEventsPage::OnFileEditChange() {
    CString strName = m_cbFile.GetWindowText();
    int nCaret = -1;
    if (CleanEventFileName(strName, nCaret)) {
        m_cbFile.SetWindowText(strName);
        m_cbFile.SetEditSel(nCaret, nCaret);
    }
    if (strName.IsEmpty()) {
        m_cbFile.SetCurSel(-1);
        ClearDateList();
        theApp.ClearEventText();
        theApp.m_strAllEvents.Empty();
        EnableFileButtons(FALSE);
        theApp.InvalidateView();
        SetLastEventFile("");
        return;
    }
    m_btnInsertDate.EnableWindow(true);
    if (m_listDates.GetCount() > 0) {
        EnableFileButtons(TRUE);
    } else {
        m_btnFile.EnableWindow(false);
        m_btnRemoveDate.EnableWindow(false);
    }
    ShowTypedNameState(strName);
}

void CEventsPage::ShowTypedNameState(CString strName) {
    if (m_cbFile.FindStringExact(-1, strName) >= 0) {
        m_btnFile.EnableWindow(true);
        m_btnInsertDate.EnableWindow(false);
        m_btnRemoveDate.EnableWindow(false);
        m_btnFile.SetWindowText("Load");
    }
    strName.TrimRight();
    if (m_cbFile.FindStringExact(-1, strName) < 0 && m_listDates.GetCount() > 0) {
        EnableFileButtons(TRUE);
        m_btnFile.SetWindowText("Save");
        m_btnRemoveDate.EnableWindow(false);
    }
}

void CEventsPage::OnFileButton() {
    CString strButton = m_btnFile.GetWindowText();
    CString strName = m_cbFile.GetWindowText();
    strName.Trim();
    bool bListed = !strName.IsEmpty() && m_cbFile.FindStringExact(-1, strName) >= 0;
    if (strButton == "Load") {
        if (!bListed)
            return;
        SelectEventFile(strName);
        EnableFileButtons(TRUE);
        LoadEventFile();
        m_btnFile.SetWindowText("Delete");
        theApp.InvalidateView();
    } else if (strButton == "Save") {
        if (strName.IsEmpty())
            return;
        if (!bListed)
            m_cbFile.AddString(strName);
        SelectEventFile(strName);
        m_btnFile.SetWindowText("Delete");
        SaveEventFile();
        OnFileSelChange();
    } else if (strButton == "Delete") {
        DeleteEventFile();
    } else {
        OnFileSelChange();
    }
}
