// CAlmanarkApp: the program object. It starts the program, holds the
// program-wide look settings and the event captions, and is where the
// document, frame and view meet.
#pragma once
#include "app/HelpWindow.h"
#include "app/Options.h"
#include "app/SettingsReader.h"
#include "framework/Rect.h"
#include "framework/WinApp.h"

class CAlmanarkDoc;
class CMainFrame;
class CAlmanarkView;

class CAlmanarkApp : public CWinApp {
public:
    CAlmanarkApp();

    BOOL InitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    bool OnCmdMsg(unsigned nID, int nCode) override;
    bool HandlesCommand(unsigned nID) const override;

    void InvalidateView();
    void MarkModified();
    void ClearEventText();
    // Empties the 42 day-box captions without asking for a new evaluation.
    void EmptyEventCaptions();
    static bool FileExists(const char* pszPath);
    // Reads the settings and finds the printer; FALSE when there is none.
    BOOL LoadSettings();
    // The settings file's keys, read and brought into range.
    CSettingsReader Settings();
    // Writes a key of section "Almanark", or of the section pszSection.
    void WriteSetting(const CIntKey& key, int nValue,
                      const char* pszSection = CSettingsKeys::kSection);
    void WriteSetting(const CStringKey& key, const char* pszValue);
    // Writes the look keys of a text element, which CSettingsReader::Look reads.
    void WriteLook(const char* pszElement, const CTextLook& look);
    void RegisterEventFileType();
    // Nonzero when any key could not be deleted.
    LONG DeleteRegistryKeys();
    void OnAppAbout();
    // Tools > Options: the dialog, then SetOptions on OK.
    void OnToolsOptions();
    // Makes options the user's preferences: m_options, Almanark.ini, and a
    // calendar drawn by them.
    void SetOptions(const COptions& options);
    bool ShowHelpContext(DWORD dwContext) override;
    void ShowHelpContents() override;

    // Look settings shared by every calendar (profile section "Almanark").
    BYTE m_bTitleItalic = 0;
    BYTE m_bNotesItalic = 0;
    BYTE m_bWeekdayItalic = 0;
    BYTE m_bDateItalic = 0;
    int m_nWeekdayWeight = 400;
    int m_nDateWeight = 400;
    int m_nNotesWeight = 400;
    int m_nTitleWeight = 400;
    CRect m_rectPrintable;
    double m_dImageAspect = 1.0;
    int m_nDaySwap = 0;
    int m_nResizeCount = 0;
    COLORREF m_crDateColor = 0;
    COLORREF m_crTitleColor = 0;
    COLORREF m_crNotesColor = 0;
    COLORREF m_crWeekdayColor = 0;
    CString m_strPendingDate;
    CString m_strPendingWords[3];
    CString m_strEventText[7][6];
    CString m_strAllEvents;
    CString m_strTitleFont = "Arial";
    CString m_strNotesFont = "Arial";
    CString m_strDateFont = "Arial";
    CString m_strWeekdayFont = "Arial";
    short m_nPrintColor = 1;
    short m_nPaperSize = 1;
    short m_nOrientation = 2;
    CString m_strPrinter;
    int m_nDateSwap = 0;
    int m_nNoteSize = 1;
    int m_nDateSize = 0;
    int m_nDateStyle = 1;

    CAlmanarkDoc* m_pDoc = nullptr;
    CMainFrame* m_pFrame = nullptr;
    CAlmanarkView* m_pView = nullptr;
    CString m_strCurDir;
    // The user's preferences; everything asks this one copy.
    COptions m_options;
    CString m_strEventFileArg;
    CHelpWindow m_wndHelp;

private:
    // Start-up steps 3 and 4: the start-up folder and the profile beside it.
    void SetUpProfilePath();
    // Idle upkeep of the note edit: the caret never rests in its first line.
    void KeepNoteCaretOffFirstLine();
};

extern CAlmanarkApp theApp;
