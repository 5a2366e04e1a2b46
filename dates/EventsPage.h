// CEventsPage: the "Events" page: the event file in use, its entries, and
// the operations that load, save, sort and delete event files.
#pragma once
#include <map>
#include <vector>
#include "dates/FileButton.h"
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
    // Writes into the file this copy's change from base to mine (the
    // entries it inserted and removed), applied to what the file holds now:
    // another copy may have written it meanwhile. written gets the entries
    // the file then holds, conflicts those changed differently here and
    // there. False when the file could not be written; it is then as it was.
    static bool WriteEventValues(const CString& strPath, const std::vector<CString>& base,
                                 const std::vector<CString>& mine, std::vector<CString>& written,
                                 std::vector<CString>& conflicts);

    CString ResolveEventFilePath(const CString& strName) const;
    void FillEventFileCombo();
    bool SelectEventFile(const CString& strName);
    void SetLastEventFile(const CString& strName);
    CString GetLastEventFile() const;
    void LoadEventFile();
    // Writes the list's changes into its file; a failure is told to the user.
    // A caller that loads the file next anyway passes bCallerLoads, and the
    // file is not read for what another copy wrote before that.
    bool SaveEventFile(bool bCallerLoads = false);
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
    // The name whose file the file button's "Save" would write, while the
    // list's entries wait for it; empty otherwise.
    CString PendingSaveName() const;
    // File > Import Events: adds the events of an iCalendar file to the list.
    void OnImportEvents();

    // Pane 1 of the main frame's status bar, where " already listed" stands.
    static void SetStatusPane(const char* pszText);
    static CString GetStatusPane();

    int m_nAppliedCount = 0;
    CInsertDateDlg m_dlgInsertDate{*this};
    CComboBox m_cbFile;
    CFileButton m_btnFile;
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
    // Shows lines, which the list holds already but for the one line at
    // nFrom that goes to nTo.
    void MoveListLine(size_t nFrom, size_t nTo, const std::vector<CString>& lines);
    // The file button's text and the enabling that go with a typed name.
    void ShowTypedNameState(CString strName);
    bool ListHasLine(const CString& strLine) const;
    void RequestRepaint();
    // Writes the list's entries, its lines as given, into the file of that name.
    bool SaveListAs(const CString& strName, const std::vector<CString>& lines,
                    bool bCallerLoads = false);
    // The values that stand for the lines in the file at strPath: a
    // line read from a file as its value was there, whatever its length.
    std::vector<CString> ValuesToWrite(const CString& strPath,
                                       const std::vector<CString>& lines) const;
    // Asks whether the entries waiting for a new name go into its file,
    // before the list shows another file (one chosen from the list, the
    // one a calendar names, the last one for a new calendar).
    void OfferPendingSave();
    void TellListFull();
    // Makes the list shown the one an import adds to: the event file named,
    // or, when none is, the one named after the imported file.
    void ChooseImportTarget(const CString& strFileTitle);

    // The file the list was read from, or last written to, and every entry
    // it held then: this copy's changes are what the list differs from them.
    CString m_strReadPath;
    std::vector<CString> m_astrReadValues;
    // The lines of the list as read, each with the value it came from.
    std::multimap<CString, CString> m_mapReadValues;
    // The new name typed while the list showed entries.
    CString m_strPendingName;
    // Told once for all the entries of one Apply.
    bool m_bFullTold = false;
    // The date list's height as the page was made.
    int m_cyDateList = 0;
};
