#include "dates/EventsPage.h"

#include <algorithm>
#include <climits>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/AlmanarkApp.h"
#include "dates/DateCalc.h"
#include "dates/EventFileNames.h"
#include "dates/EventFileReader.h"
#include "dates/EventImport.h"
#include "dates/EventList.h"
#include "dates/EventMerge.h"
#include "dates/EventSection.h"
#include "frame/MainFrame.h"
#include "framework/AutoSelect.h"
#include "framework/ClientDC.h"
#include "framework/DataExchange.h"
#include "framework/File.h"
#include "framework/FileDialog.h"
#include "framework/ModalSeam.h"
#include "framework/ProfileRewriter.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {

const char kEventsSection[] = "Events";
const DWORD kMaxSectionSize = 64u << 20;
// The date list's tab stop, in dialog units: captions start under "Caption".
const int kTabStop = 45;
// Measured after each line, so that its last character is not left at the edge.
const char kEndChar = 'o';
// Posted when the list was reported full, so that the report is not repeated
// for each entry of the one Apply that filled it.
const UINT WM_FULL_TOLD = WM_APP + 110;
// Conflicting entries named in the message, at most.
const size_t kConflictsShown = 10;

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
    // The widths of strLine's characters, tabs kept in their places; empty
    // without a single-byte code page. The extent of a text is its
    // characters' advances added up (text extents are not kerned), so lines
    // of the same widths measure the same, digits and many letters being of
    // one width: only one of them needs measuring.
    std::u16string Widths(const CString& strLine) const {
        std::u16string widths;
        if (!m_bBounded)
            return widths;
        widths.reserve(strLine.GetLength());
        for (char ch : strLine.str())
            widths += ch == '\t' ? u'\t' : char16_t(m_anWidths[(unsigned char)ch] + 0x100);
        return widths;
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

// Whether wanted is shown with at most one line moved: the one at nFrom put
// at nTo (the same place when none moves).
bool FindOneMove(const std::vector<CString>& shown, const std::vector<CString>& wanted,
                 size_t& nFrom, size_t& nTo) {
    if (shown.size() != wanted.size())
        return false;
    // The lines in place at both ends stay; between them, one line moves
    // from one end to the other.
    size_t nFirst = 0, nEnd = shown.size();
    while (nFirst < nEnd && shown[nFirst] == wanted[nFirst])
        ++nFirst;
    while (nEnd > nFirst && shown[nEnd - 1] == wanted[nEnd - 1])
        --nEnd;
    nFrom = nTo = nFirst;
    if (nFirst == nEnd)
        return true;
    const auto shownAt = shown.begin(), wantedAt = wanted.begin();
    nFrom = nEnd - 1; // up
    if (shown[nFrom] == wanted[nTo] &&
        std::equal(shownAt + nFirst, shownAt + nEnd - 1, wantedAt + nFirst + 1))
        return true;
    nFrom = nFirst; // down
    nTo = nEnd - 1;
    return shown[nFrom] == wanted[nTo] &&
           std::equal(shownAt + nFirst + 1, shownAt + nEnd, wantedAt + nFirst);
}

// The lines in calendar order, as the list shows them and the file keeps them.
std::vector<CString> SortedLines(const std::vector<CString>& lines) {
    CEventList list;
    for (const CString& strLine : lines)
        list.AddLine(strLine);
    list.Sort();
    return list.GetLines();
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

// The change is merged into the copy that replaces the file, so that what
// another copy wrote until then is kept. Keys 0, 1, ... go in one section
// write, which writes the file once; key by key only when the section holds
// lines that such a write would drop. Lines of the section that are no
// entry stay as they are.
bool CEventsPage::WriteEventValues(const CString& strPath, const std::vector<CString>& base,
                                   const std::vector<CString>& mine, std::vector<CString>& written,
                                   std::vector<CString>& conflicts) {
    conflicts.clear();
    // A line break inside a value would end the key's line in the file and
    // turn the rest of the caption into keys or sections of its own.
    std::vector<CString> values = mine;
    for (CString& strValue : values) {
        strValue.Replace('\r', ' ');
        strValue.Replace('\n', ' ');
    }
    // Nothing changed here: the file stays as it is, byte for byte. Nor is a
    // file made, or made again, for no entries.
    const bool bNoFile = ::GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES;
    if (CEventMerge::SameEntries(base, values) || (bNoFile && values.empty())) {
        written = ReadEventSection(strPath).WholeValues(CEventList::kEnd);
        return true;
    }
    return CProfileRewriter::Rewrite(strPath, [&](const CString& strTemp) {
        const std::string strOld = ReadEventSectionText(strTemp);
        const std::vector<CString> theirs = CEventSection(strOld).WholeValues(CEventList::kEnd);
        written = CEventMerge::Merge(base, values, theirs, conflicts);
        std::string strLines;
        if (CEventList::MergeSectionLines(written, strOld, strLines, theirs.size())) {
            ::WritePrivateProfileSectionA(kEventsSection, strLines.c_str(), strTemp);
            return;
        }
        for (size_t i = 0; i < std::max(written.size(), theirs.size()); ++i)
            ::WritePrivateProfileStringA(kEventsSection, KeyName((int)i),
                                         i < written.size() ? written[i].c_str() : nullptr,
                                         strTemp);
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
    m_btnFile.WatchPresses();
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
    if (nMsg == WM_FULL_TOLD) {
        m_bFullTold = false;
        return 0;
    }
    return CPanelPage::WindowProc(nMsg, wParam, lParam);
}

CString CEventsPage::ResolveEventFilePath(const CString& strName) const {
    return ::ResolveEventFilePath(strName, theApp.m_strEventFileArg, theApp.m_strCurDir);
}

void CEventsPage::FillEventFileCombo() {
    m_cbFile.ResetContent();
    const std::vector<CString> titles = EvnFileTitles(theApp.m_strCurDir);
    for (const CString& strTitle : titles)
        m_cbFile.AddString(strTitle);
    if (!titles.empty())
        EnableFileButtons(TRUE);
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
    if (!PendingSaveName().IsEmpty()) {
        const int nChosen = m_cbFile.GetCurSel();
        const CString strChosen = nChosen >= 0 ? m_cbFile.GetLBText(nChosen) : CString();
        OfferPendingSave();
        // The new name, when saved, may have joined the sorted items before it.
        m_cbFile.SetCurSel(strChosen.IsEmpty() ? -1 : m_cbFile.FindStringExact(-1, strChosen));
    }
    theApp.m_strAllEvents.Empty();
    theApp.ClearEventText();
    m_strReadPath.Empty();
    m_astrReadValues.clear();
    m_mapReadValues.clear();

    int nSel = m_cbFile.GetCurSel();
    CString strName = nSel >= 0 ? m_cbFile.GetLBText(nSel) : CString();
    if (strName.IsEmpty()) {
        ClearDateList();
        m_btnRemoveDate.EnableWindow(false);
        return;
    }
    CString strPath = ResolveEventFilePath(strName);
    CEventFileReader file(ReadEventSection(strPath));
    m_strReadPath = strPath;
    m_astrReadValues = std::move(file.m_astrValues);
    m_mapReadValues = std::move(file.m_mapValues);
    SetListLines(file.m_list.GetLines(), true);
    theApp.m_strAllEvents = file.m_list.BuildEventText();
    m_btnRemoveDate.EnableWindow(!file.m_list.IsEmpty());
}

bool CEventsPage::SaveEventFile(bool bCallerLoads) {
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
    const std::vector<CString> lines = GetListLines();
    if (!bCallerLoads) // a load sets the extent anew
        WidenListExtent(lines);
    return SaveListAs(strName, lines, bCallerLoads);
}

std::vector<CString> CEventsPage::ValuesToWrite(const CString& strPath,
                                                const std::vector<CString>& lines) const {
    std::multimap<CString, CString> read = m_mapReadValues;
    std::vector<CString> values;
    for (const CString& strLine : lines) {
        auto it = read.find(strLine);
        if (it != read.end()) {
            values.push_back(it->second);
            read.erase(it);
        } else {
            values.push_back(CEventList::ValueFromLine(strLine));
        }
    }
    // Entries past those the list reads stay in their file, behind the list.
    const size_t nShown = CEventList::MAX_ENTRIES;
    if (strPath.CompareNoCase(m_strReadPath) == 0 && m_astrReadValues.size() > nShown)
        values.insert(values.end(), m_astrReadValues.begin() + nShown, m_astrReadValues.end());
    return values;
}

bool CEventsPage::SaveListAs(const CString& strName, const std::vector<CString>& lines,
                             bool bCallerLoads) {
    const CString strPath = ResolveEventFilePath(strName);
    const bool bReadFile = strPath.CompareNoCase(m_strReadPath) == 0;
    const std::vector<CString> mine = ValuesToWrite(strPath, lines);
    std::vector<CString> written, conflicts;
    if (!WriteEventValues(strPath, bReadFile ? m_astrReadValues : std::vector<CString>(), mine,
                          written, conflicts)) {
        AfxShowMessageBox(m_hWnd, "The event file could not be saved:\n\n     " + strName + ".evn",
                          "Almanark", MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
        return false;
    }
    m_strReadPath = strPath;
    m_astrReadValues = written;
    m_mapReadValues.clear();
    for (size_t i = 0; i < std::min<size_t>(written.size(), CEventList::MAX_ENTRIES); ++i)
        m_mapReadValues.emplace(CEventList::ShownLine(written[i]), written[i]);
    if (!conflicts.empty()) {
        CString strEntries;
        for (size_t i = 0; i < std::min(conflicts.size(), kConflictsShown); ++i)
            strEntries += "\n     " + conflicts[i];
        AfxShowMessageBox(m_hWnd,
                          strName + ".evn was changed elsewhere too, and these entries were " +
                              "changed both here and there:\n" + strEntries +
                              "\n\nBoth changes were kept.",
                          "Almanark", MB_OK | MB_ICONINFORMATION | MB_TOPMOST);
    }
    // What another copy wrote meanwhile is shown with this copy's changes.
    if (!bCallerLoads && !CEventMerge::SameEntries(written, mine) && m_cbFile.GetCurSel() >= 0 &&
        ResolveEventFilePath(m_cbFile.GetLBText(m_cbFile.GetCurSel())).CompareNoCase(strPath) == 0)
        LoadEventFile();
    return true;
}

void CEventsPage::SortEventList() {
    const std::vector<CString> shown = GetListLines();
    const std::vector<CString> sorted = SortedLines(shown);
    // A line inserted into a sorted list is the one line that moves: the
    // others stay in the list rather than being put into it again.
    size_t nFrom = 0, nTo = 0;
    if (m_listDates.GetSafeHwnd() && FindOneMove(shown, sorted, nFrom, nTo))
        MoveListLine(nFrom, nTo, sorted);
    else
        SetListLines(sorted);
}

// The list as a refill leaves it: nothing selected, the caret on the first
// line, the first line at the top, the scroll extent widened for the lines.
void CEventsPage::MoveListLine(size_t nFrom, size_t nTo, const std::vector<CString>& lines) {
    const CListHeightKeeper keeper(m_listDates, m_cyDateList);
    m_listDates.SendMessage(WM_SETREDRAW, FALSE);
    if (nFrom != nTo) {
        m_listDates.DeleteString((int)nFrom);
        m_listDates.InsertString((int)nTo, lines[nTo]);
    }
    m_listDates.SetSel(-1, false);
    m_listDates.SendMessage(LB_SETANCHORINDEX, (WPARAM)-1);
    m_listDates.SendMessage(LB_SETCARETINDEX, 0);
    m_listDates.SetTopIndex(0);
    WidenListExtent(lines);
    m_listDates.SendMessage(WM_SETREDRAW, TRUE);
    m_listDates.Invalidate();
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
    // A heap gives the few lines measured in order without sorting them all.
    auto byLesserBound = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::make_heap(byBound.begin(), byBound.end(), byLesserBound);
    int cxWidest = 0;
    std::unordered_set<std::u16string> measured;
    for (auto itEnd = byBound.end(); itEnd != byBound.begin(); --itEnd) {
        std::pop_heap(byBound.begin(), itEnd, byLesserBound);
        const auto& [nBound, pLine] = *(itEnd - 1);
        if (nBound <= cxWidest)
            break;
        const std::u16string widths = bound.Widths(*pLine);
        if (!widths.empty() && !measured.insert(widths).second)
            continue;
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

// The name as typed: a choice from the drop-down list may have put another
// into the combo's edit field already when it is reported.
CString CEventsPage::PendingSaveName() const {
    if (!m_btnFile.GetSafeHwnd() || m_btnFile.GetWindowText() != "Save")
        return CString();
    CString strName = m_strPendingName.IsEmpty() ? m_cbFile.GetWindowText() : m_strPendingName;
    strName.Trim();
    return strName;
}

// The file chosen from the list is shown instead of the entries waiting for
// the typed name: they are written now or knowingly left, and the file
// button no longer offers to save them into the file chosen.
void CEventsPage::OfferPendingSave() {
    const CString strName = PendingSaveName();
    m_btnFile.SetWindowText("Delete");
    if (strName.IsEmpty() || m_listDates.GetCount() == 0 ||
        AfxShowMessageBox(m_hWnd, "Save Event file: " + strName + ".evn", "Almanark", MB_YESNO) !=
            IDYES)
        return;
    if (m_cbFile.FindStringExact(-1, strName) < 0)
        m_cbFile.AddString(strName);
    SaveListAs(strName, GetListLines());
}

std::vector<CString> CEventsPage::GetListLines() const {
    return m_listDates.GetTexts();
}

void CEventsPage::SetListLines(const std::vector<CString>& lines, bool bLoaded) {
    const CListHeightKeeper keeper(m_listDates, m_cyDateList);
    // Without redrawing, the list neither paints nor recomputes its scroll
    // bars at every line; a list cleared first would hide its scroll bars and
    // show them again, redrawing its frame each time.
    m_listDates.SendMessage(WM_SETREDRAW, FALSE);
    m_listDates.ResetContent();
    m_listDates.SendMessage(LB_INITSTORAGE, lines.size(), 64 * lines.size());
    m_listDates.AddStrings(lines);
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

void CEventsPage::TellListFull() {
    if (m_bFullTold)
        return;
    m_bFullTold = true;
    AfxShowMessageBox(m_hWnd,
                      "The event list is full: an event file shows at most 500 entries.\n\n"
                      "Remove entries before you insert more.",
                      "Almanark", MB_OK | MB_ICONEXCLAMATION);
    PostMessage(WM_FULL_TOLD);
}

void CEventsPage::OnInsertDate() {
    if (m_listDates.GetCount() >= CEventList::MAX_ENTRIES) {
        TellListFull();
        return;
    }
    INT_PTR nResult = m_dlgInsertDate.DoModal();
    if (nResult == IDOK || m_nAppliedCount > 0) {
        m_btnFile.EnableWindow(true);
        CString strName = m_cbFile.GetWindowText();
        strName.Trim();
        SetLastEventFile(strName);
        SaveEventFile(true);
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
    // Only the first entries of a file are read: one more would be saved
    // but never shown.
    if (m_listDates.GetCount() >= CEventList::MAX_ENTRIES) {
        TellListFull();
        return;
    }
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
    if (!SaveEventFile())
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
        // No name, nothing to load, save or delete: the button's first text.
        m_btnFile.SetWindowText("Delete");
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
        m_strPendingName = strName;
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
        // Only a click the user made on "Delete" deletes.
        if (m_btnFile.ClickedAs("Delete"))
            DeleteEventFile();
    } else {
        OnFileSelChange();
    }
}

namespace {

// An iCalendar file of a few years of a busy calendar is well under this;
// a larger one is refused rather than read into memory.
const uint64_t kMaxImportFile = 16 * 1024 * 1024;

bool ReadImportFile(const CString& strPath, std::string& strText) {
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    try {
        uint64_t nLength = file.GetLength();
        if (nLength > kMaxImportFile)
            return false;
        strText.resize((size_t)nLength);
        strText.resize(nLength ? file.Read(&strText[0], (unsigned)nLength) : 0);
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

} // namespace

void CEventsPage::OnImportEvents() {
    CFileDialog dlg(true, "ics", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
                    "iCalendar Files (*.ics)|*.ics|All Files (*.*)|*.*||", theApp.m_pFrame);
    if (dlg.DoModal() != IDOK)
        return;
    CString strFile = dlg.GetFileName();
    std::string strText;
    CICalendarReader reader;
    if (!ReadImportFile(dlg.GetPathName(), strText)) {
        AfxShowMessageBox(m_hWnd, "The file could not be read:\n\n     " + strFile, "Almanark",
                          MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!reader.Read(strText, GetToday().m_nYear)) {
        AfxShowMessageBox(m_hWnd, CEventImport::DamagedMessage(strFile), "Almanark",
                          MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CEventImport import;
    if (!reader.Entries().empty()) {
        ChooseImportTarget(dlg.GetFileTitle());
        std::vector<CString> lines = GetListLines();
        std::vector<CString> added = import.Merge(lines, reader);
        if (!added.empty()) {
            lines.insert(lines.end(), added.begin(), added.end());
            // Saved in calendar order, as an inserted date is: the file
            // stays in the order it is shown in.
            SetListLines(SortedLines(lines));
            EnableFileButtons(TRUE);
            m_btnFile.SetWindowText("Delete");
            SaveEventFile(true);
            LoadEventFile();
            RequestRepaint();
        }
    }
    CString strEventFile = m_cbFile.GetWindowText();
    AfxShowMessageBox(m_hWnd, import.Message(strFile, strEventFile.Trim(), reader), "Almanark",
                      MB_OK | MB_ICONINFORMATION);
}

void CEventsPage::ChooseImportTarget(const CString& strFileTitle) {
    CString strName = m_cbFile.GetWindowText();
    strName.Trim();
    if (strName.IsEmpty()) {
        strName = strFileTitle;
        int nCaret = 0;
        CleanEventFileName(strName, nCaret);
        strName.Trim();
        if (strName.IsEmpty())
            strName = "Imported events";
    }
    int nItem = m_cbFile.FindStringExact(-1, strName);
    if (nItem >= 0 && nItem != m_cbFile.GetCurSel()) {
        // A name typed or taken from the file that is an event file already:
        // its entries are the ones added to.
        SelectEventFile(strName);
        LoadEventFile();
    } else if (nItem < 0) {
        m_cbFile.SetCurSel(-1);
        m_cbFile.SetWindowText(strName);
    }
}
