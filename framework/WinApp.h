// CWinApp: the program object. Owns start-up, the message loop with idle
// processing, the profile (a private INI file), the document template, the
// standard command line, the recent-file list and shell registration.
#pragma once
#include <windows.h>
#include <memory>
#include "framework/CmdTarget.h"
#include "framework/CommandLineInfo.h"
#include "framework/String.h"

class CWnd;
class CDocument;
class CSingleDocTemplate;
class CRecentFileList;

#include "framework/AfxRes.h"

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance();
    virtual int Run();
    // Idle work; nonzero asks for more idle calls before waiting.
    virtual BOOL OnIdle(LONG lCount);
    virtual bool PreTranslateMessage(MSG* pMsg);
    bool OnCmdMsg(unsigned nID, int nCode) override;
    bool HandlesCommand(unsigned nID) const override;
    // Runs one message through translation and dispatch; false on WM_QUIT.
    bool PumpMessage();

    // Profile: every call reads or writes m_pszProfileName.
    UINT GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault);
    // A value of the system profile (WIN.INI: devices, default printer), whole.
    static CString GetSystemProfileString(const char* pszSection, const char* pszEntry);
    CString GetProfileString(const char* pszSection, const char* pszEntry,
                             const char* pszDefault = nullptr);
    BOOL WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue);
    BOOL WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue);
    // Makes pszPath the profile file, freeing the previous name.
    void SetProfileName(const char* pszPath);

    void Enable3dControlsStatic() {}
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void AddDocTemplate(CSingleDocTemplate* pTemplate);
    CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
    void EnableShellOpen() { m_bShellOpen = true; }
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    void UnregisterShellFileTypes();
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    virtual CDocument* OpenDocumentFile(const char* pszFileName);
    void AddToRecentFileList(const char* pszPathName);
    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }
    // Shows the open dialog (or the save dialog) for documents; true on OK.
    bool DoPromptFileName(CString& strFileName, bool bOpen, const char* pszTitle = nullptr);

    void OnFileNew();
    void OnFileOpen();
    // F1: the help of the window with the keyboard focus. Shift+F1: the
    // pointer becomes the help cursor and the help of the window clicked
    // next is shown (Esc or a right click cancels). Help Topics: the
    // contents. A window's help is found by its context help id, or that of
    // the nearest window containing it that has a topic; dialogs carry their
    // template id.
    void OnHelp();
    void OnContextHelp();
    // Shows the help of one context id; false when there is no topic for it.
    virtual bool ShowHelpContext(DWORD dwContext);
    // The help's contents: by default the help file beside the executable,
    // or a message saying why it could not be opened.
    virtual void ShowHelpContents();
    // The help of hWnd or of the windows containing it, up to its top-level
    // window; false when none has a topic.
    bool ShowHelpFor(HWND hWnd);
    CString GetHelpFilePath() const;
    // The folder of the executable, ending in a backslash.
    static CString GetProgramFolder();

    HINSTANCE m_hInstance = nullptr;
    const char* m_lpCmdLine = "";
    int m_nCmdShow = SW_SHOWNORMAL;
    const char* m_pszAppName = nullptr;
    // Owned, allocated with malloc: whoever replaces it frees the old name.
    char* m_pszProfileName = nullptr;
    CWnd* m_pMainWnd = nullptr;
    // The command line being carried out while it prints from the shell
    // (/p or /pt); null otherwise.
    CCommandLineInfo* m_pCmdInfo = nullptr;

protected:
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    bool m_bShellOpen = false;
    UINT m_nPreviewPages = 0;
    MSG m_msgCur = {};
};

CWinApp* AfxGetApp();
// The entry point's work: sets up the application object and runs it.
int AfxWinMain(HINSTANCE hInstance, const char* pszCmdLine, int nCmdShow);
