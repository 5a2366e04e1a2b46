// CEventsPage: the "Events" page: the event file in use, its entries, and
// the operations that load, save, sort and delete event files.
#pragma once
#include <map>
#include <vector>
#include "dates/InsertDateDlg.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/ListBox.h"
#include "panel/PanelPage.h"

class CEventSection;

class CEventsPage : public CPanelPage {
public:
    CEventsPage();

    // The "Events" section of an event file, read in one profile call.
    static CEventSection ReadEventSection(const CString& strPath);
    // The section's lines as one profile call returns them.
    static std::string ReadEventSectionText(const CString& strPath);
    // False when the file could not be written; it is then as it was.
    static bool WriteEventValues(const CString& strPath, std::vector<CString> values,
                                 bool bReplaceSection = false);

    CString ResolveEventFilePath(const CString& strName) const;
    void FillEventFileCombo();
    bool SelectEventFile(const CString& strName);
    void SetLastEventFile(const CString& strName);
    CString GetLastEventFile() const;
    void LoadEventFile();
    // Writes the list to its file; a failure is told to the user. The
    // replaced section keeps none of the lines the list does not write.
    bool SaveEventFile(bool bReplaceSection = false);
    void SortEventList();
    void RebuildEventText();
    void DeleteEventFile();
    void EnableFileButtons(BOOL bEnable);
    void UpdateListExtent(const CString& strLine);
    // Widens the date list's scroll extent to the widest of the lines.
    void WidenListExtent(const std::vector<CString>& lines);
    // The width the date list needs to scroll the widest of the lines into view.
    int WidestListLine(const std::vector<CString>& lines);
    // Replaces the date list's lines, drawn once when all are in. Lines of a
    // loaded file set the scroll extent anew and have the first selected;
    // other lines only widen it.
    void SetListLines(const std::vector<CString>& lines, bool bLoaded = false);

    void OnInsertDate();
    void OnRemoveDate();
    void OnFileEditChange();
    void OnFileButton();
    // An entry from the Insert Date dialog: the pending date and its caption.
    void InsertPendingDate();
    // File > Import Events: adds the events of an iCalendar file to the list.
    void OnImportEvents();

    // Pane 1 of the main frame's status bar, where " already listed" stands.
    static void SetStatusPane(const char* pszText);
    static CString GetStatusPane();

    int m_nAppliedCount = 0;
    CInsertDateDlg m_dlgInsertDate{*this};
    CComboBox m_cbFile;
    CButton m_btnFile;
    CListBox m_listDates;
    CListBox m_listSort;
    CButton m_btnInsertDate;
    CButton m_btnRemoveDate;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCmdMsg(unsigned nID, int nCode) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnFileSelChange();
    // The date list's lines, in list order.
    std::vector<CString> GetListLines() const;
    void ClearDateList();
    // The file button's text and the enabling that go with a typed name.
    void ShowTypedNameState(CString strName);
    bool ListHasLine(const CString& strLine) const;
    void RequestRepaint();
    // Makes the list shown the one an import adds to: the event file named,
    // or, when none is, the one named after the imported file.
    void ChooseImportTarget(const CString& strFileTitle);

    // Entries of the loaded file past those the page reads, kept so that a
    // save into the same file puts them back behind the list, not over it.
    std::vector<CString> m_astrUnreadValues;
    CString m_strUnreadPath;
    // Values longer than the page reads, by the shortened value it shows, so
    // that saving the list does not cut them.
    std::map<CString, CString> m_mapWholeValues;
    // The date list's height as the page was made.
    int m_cyDateList = 0;
};
