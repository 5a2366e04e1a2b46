#include "framework/WinApp.h"

#include <shellapi.h>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/DeferredLibrary.h"
#include "framework/Dialog.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/ModalSeam.h"
#include "framework/ProfileRewriter.h"
#include "framework/RecentFileList.h"

namespace {
CWinApp* g_pApp = nullptr;

// Messages after which the idle work is worth doing again.
bool IsIdleMessage(const MSG& msg) {
    static POINT s_ptLast = {-1, -1};
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        if (msg.pt.x == s_ptLast.x && msg.pt.y == s_ptLast.y)
            return false;
        s_ptLast = msg.pt;
        return true;
    }
    return msg.message != WM_PAINT && msg.message != WM_TIMER && msg.message != 0x0118;
}

// Sets the default value of HKEY_CLASSES_ROOT\pszKey.
bool SetRegKey(const char* pszKey, const char* pszValue, const char* pszValueName = nullptr) {
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, pszKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return false;
    LONG lResult = ::RegSetValueExA(hKey, pszValueName, 0, REG_SZ, (const BYTE*)pszValue,
                                    (DWORD)strlen(pszValue) + 1);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

CString QueryRegDefault(const char* pszKey) {
    CString strValue;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, pszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return strValue;
    DWORD cb = 0, dwType = 0;
    if (::RegQueryValueExA(hKey, nullptr, nullptr, &dwType, nullptr, &cb) == ERROR_SUCCESS &&
        dwType == REG_SZ && cb > 0) {
        std::vector<char> buf(cb + 1, 0);
        if (::RegQueryValueExA(hKey, nullptr, nullptr, nullptr, (BYTE*)buf.data(), &cb) ==
            ERROR_SUCCESS)
            strValue = buf.data();
    }
    ::RegCloseKey(hKey);
    return strValue;
}

CString ModuleShortPath() {
    char szLong[MAX_PATH] = {0};
    ::GetModuleFileNameA(nullptr, szLong, MAX_PATH);
    char szShort[MAX_PATH] = {0};
    DWORD n = ::GetShortPathNameA(szLong, szShort, MAX_PATH);
    return (n > 0 && n < MAX_PATH) ? CString(szShort) : CString(szLong);
}

BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR, LONG_PTR lParam) {
    ++*reinterpret_cast<UINT*>(lParam);
    return TRUE;
}

// The module's icons as the shell counts them, one per icon group, read
// without loading the shell.
UINT CountIcons(HMODULE hModule) {
    UINT nIcons = 0;
    ::EnumResourceNamesA(hModule, RT_GROUP_ICON, CountName, (LONG_PTR)&nIcons);
    return nIcons;
}
} // namespace

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWinApp::CWinApp(const char* pszAppName) : m_pszAppName(pszAppName) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    free(m_pszProfileName);
    if (g_pApp == this)
        g_pApp = nullptr;
}

// ---- profile ----

void CWinApp::SetProfileName(const char* pszPath) {
    free(m_pszProfileName);
    m_pszProfileName = pszPath ? _strdup(pszPath) : nullptr;
}

UINT CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) {
    return ::GetPrivateProfileIntA(pszSection, pszEntry, nDefault, m_pszProfileName);
}

namespace {
CString ReadWholeProfileString(const char* pszSection, const char* pszEntry, const char* pszDefault,
                               const char* pszFile) {
    // Grow the buffer until the value fits: values have no fixed limit.
    for (DWORD nSize = 256;; nSize *= 4) {
        std::vector<char> buf(nSize);
        DWORD n = ::GetPrivateProfileStringA(pszSection, pszEntry, pszDefault ? pszDefault : "",
                                             buf.data(), nSize, pszFile);
        if (n < nSize - 1 || nSize >= (1u << 20))
            return CString(buf.data(), (int)n);
    }
}
} // namespace

CString CWinApp::GetProfileString(const char* pszSection, const char* pszEntry,
                                  const char* pszDefault) {
    return ReadWholeProfileString(pszSection, pszEntry, pszDefault, m_pszProfileName);
}

CString CWinApp::GetSystemProfileString(const char* pszSection, const char* pszEntry) {
    // The name by which the profile functions reach the system's own settings.
    return ReadWholeProfileString(pszSection, pszEntry, "", "win.ini");
}

BOOL CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) {
    char sz[16];
    wsprintfA(sz, "%d", nValue);
    return WriteProfileString(pszSection, pszEntry, sz);
}

// Through a copy of the file: a full disk must not cut off the settings that
// follow the one written.
BOOL CWinApp::WriteProfileString(const char* pszSection, const char* pszEntry,
                                 const char* pszValue) {
    if (!m_pszProfileName)
        return ::WritePrivateProfileStringA(pszSection, pszEntry, pszValue, m_pszProfileName);
    return CProfileRewriter::Rewrite(m_pszProfileName, [&](const CString& strTemp) {
        ::WritePrivateProfileStringA(pszSection, pszEntry, pszValue, strTemp);
    });
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    if (nMaxMRU > 0) {
        m_pRecentFileList = std::make_unique<CRecentFileList>(ID_FILE_MRU_FILE1, "Recent File List",
                                                              "File%d", (int)nMaxMRU);
        m_pRecentFileList->ReadList(this);
    }
    m_nPreviewPages = GetProfileInt("Settings", "PreviewPages", 0);
}

void CWinApp::AddToRecentFileList(const char* pszPathName) {
    if (m_pRecentFileList)
        m_pRecentFileList->Add(pszPathName);
}

int CWinApp::ExitInstance() {
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList(this);
    return 0;
}

// ---- templates, shell and command line ----

void CWinApp::AddDocTemplate(CSingleDocTemplate* pTemplate) {
    m_pDocTemplate.reset(pTemplate);
}

void CWinApp::RegisterShellFileTypes(BOOL bCompat) {
    if (!m_pDocTemplate)
        return;
    CString strTypeId = m_pDocTemplate->GetDocString(CSingleDocTemplate::regFileTypeId);
    CString strTypeName = m_pDocTemplate->GetDocString(CSingleDocTemplate::regFileTypeName);
    CString strExt = m_pDocTemplate->GetDocString(CSingleDocTemplate::filterExt);
    if (strTypeId.IsEmpty())
        return;
    CString strModule = ModuleShortPath();
    SetRegKey(strTypeId, strTypeName.IsEmpty() ? strTypeId : strTypeName);

    // The document icon is the module's second icon when it has one.
    UINT nIcons = CountIcons(m_hInstance);
    CString strIcon = strModule + (nIcons >= 2 ? ",1" : ",0");
    SetRegKey(strTypeId + "\\DefaultIcon", strIcon);

    if (bCompat) {
        SetRegKey(strTypeId + "\\shell\\open\\command", strModule + " \"%1\"");
        SetRegKey(strTypeId + "\\shell\\print\\command", strModule + " /p \"%1\"");
        SetRegKey(strTypeId + "\\shell\\printto\\command",
                  strModule + " /pt \"%1\" \"%2\" \"%3\" \"%4\"");
    } else {
        SetRegKey(strTypeId + "\\shell\\open\\command", strModule + " \"%1\"");
    }

    if (!strExt.IsEmpty()) {
        // Another program's type on the extension is left alone.
        CString strOld = QueryRegDefault(strExt);
        if (strOld.IsEmpty() || strOld == strTypeId) {
            SetRegKey(strExt, strTypeId);
            if (bCompat)
                SetRegKey(strExt + "\\ShellNew", "", "NullFile");
        }
    }
}

void CWinApp::UnregisterShellFileTypes() {
    if (!m_pDocTemplate)
        return;
    CString strTypeId = m_pDocTemplate->GetDocString(CSingleDocTemplate::regFileTypeId);
    CString strExt = m_pDocTemplate->GetDocString(CSingleDocTemplate::filterExt);
    if (strTypeId.IsEmpty())
        return;
    // RegDeleteTree is not on every system: delete children first.
    static const char* const s_apszSubKeys[] = {"\\shell\\printto\\command",
                                                "\\shell\\printto",
                                                "\\shell\\print\\command",
                                                "\\shell\\print",
                                                "\\shell\\open\\command",
                                                "\\shell\\open",
                                                "\\shell",
                                                "\\DefaultIcon",
                                                ""};
    for (const char* pszSub : s_apszSubKeys)
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, strTypeId + pszSub);
    if (!strExt.IsEmpty() && QueryRegDefault(strExt) == strTypeId) {
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, strExt + "\\ShellNew");
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, strExt);
    }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    for (int i = 1; i < __argc; ++i) {
        const char* pszParam = __argv[i];
        bool bFlag = false;
        bool bLast = (i == __argc - 1);
        if (pszParam[0] == '-' || pszParam[0] == '/') {
            bFlag = true;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, bLast);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo: {
        m_nCmdShow = SW_HIDE;
        m_pCmdInfo = &rCmdInfo;
        // Several files print together from a new calendar: none of them
        // has to open for the others to print.
        const bool bOpened = rCmdInfo.m_astrMoreFiles.empty()
                                 ? OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr
                                 : OpenDocumentFile(nullptr) != nullptr;
        if (bOpened && m_pMainWnd)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        m_pCmdInfo = nullptr;
        // Printing from the shell ends the program afterwards.
        if (m_pMainWnd)
            m_pMainWnd->DestroyWindow();
        return FALSE;
    }
    case CCommandLineInfo::AppUnregister:
        UnregisterShellFileTypes();
        if (!rCmdInfo.m_bRunEmbedded)
            AfxShowMessageBox(nullptr, "System registry entries have been removed.", m_pszAppName,
                              MB_OK);
        return FALSE;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    }
    return FALSE;
}

CDocument* CWinApp::OpenDocumentFile(const char* pszFileName) {
    if (!m_pDocTemplate)
        return nullptr;
    CDocument* pDoc = m_pDocTemplate->OpenDocumentFile(pszFileName);
    if (!m_pMainWnd && m_pDocTemplate->GetFrame())
        m_pMainWnd = m_pDocTemplate->GetFrame();
    return pDoc;
}

void CWinApp::OnFileNew() {
    OpenDocumentFile(nullptr);
}

bool CWinApp::DoPromptFileName(CString& strFileName, bool bOpen, const char* pszTitle) {
    CString strFilterName, strExt;
    if (m_pDocTemplate) {
        strFilterName = m_pDocTemplate->GetDocString(CSingleDocTemplate::filterName);
        strExt = m_pDocTemplate->GetDocString(CSingleDocTemplate::filterExt);
    }
    // "Name (*.ext)\0*.ext\0All Files (*.*)\0*.*\0\0"
    std::string filter;
    if (!strFilterName.IsEmpty()) {
        filter += strFilterName.str() + '\0' + "*" + strExt.str() + '\0';
    }
    filter += std::string("All Files (*.*)") + '\0' + "*.*" + '\0' + '\0';
    std::vector<char> file(MAX_PATH * 4, 0);
    strncpy(file.data(), strFileName, file.size() - 1);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = (DWORD)file.size();
    ofn.lpstrTitle = pszTitle;
    ofn.lpstrDefExt = strExt.IsEmpty() ? nullptr : strExt.c_str() + (strExt[0] == '.');
    ofn.Flags =
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (bOpen ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    BOOL bOK = bOpen ? AfxGetOpenFileName(&ofn) : AfxGetSaveFileName(&ofn);
    if (bOK)
        strFileName = file.data();
    return bOK != FALSE;
}

void CWinApp::OnFileOpen() {
    CString strFile;
    if (DoPromptFileName(strFile, true))
        OpenDocumentFile(strFile);
}

CString CWinApp::GetProgramFolder() {
    char szModule[MAX_PATH] = {0};
    ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    CString strPath(szModule);
    return strPath.Left(strPath.ReverseFind('\\') + 1);
}

CString CWinApp::GetHelpFilePath() const {
    return GetProgramFolder() + "Almanark.htm";
}

bool CWinApp::ShowHelpContext(DWORD) {
    return false;
}

bool CWinApp::ShowHelpFor(HWND hWnd) {
    while (hWnd) {
        DWORD dwContext = ::GetWindowContextHelpId(hWnd);
        if (dwContext && ShowHelpContext(dwContext))
            return true;
        hWnd = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd) : nullptr;
    }
    return false;
}

void CWinApp::OnHelp() {
    HWND hWnd = ::GetFocus();
    if (!hWnd)
        hWnd = ::GetActiveWindow();
    if (!ShowHelpFor(hWnd))
        ShowHelpContents();
}

namespace {
// The window under the pointer at a mouse-button message of the help mode.
HWND WindowUnderClick(const MSG& msg) {
    POINT pt = {(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)};
    if (msg.message == WM_LBUTTONDOWN)
        ::ClientToScreen(msg.hwnd, &pt);
    return ::WindowFromPoint(pt);
}
} // namespace

void CWinApp::OnContextHelp() {
    HWND hMain = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (!hMain)
        return;
    auto* pFrame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
    if (pFrame)
        pFrame->SetMessageText(AFX_IDS_HELPMODEMESSAGE);
    HCURSOR hHelpCursor = ::LoadCursorA(nullptr, (LPCSTR)IDC_HELP);
    ::SetCapture(hMain);
    HWND hClicked = nullptr;
    bool bDone = false;
    MSG msg;
    while (!bDone && ::GetCapture() == hMain) {
        ::SetCursor(hHelpCursor);
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            hClicked = WindowUnderClick(msg);
            bDone = true;
            break;
        case WM_RBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            bDone = true;
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            bDone = msg.wParam == VK_ESCAPE;
            break;
        default:
            // Other input belongs to the help mode; the rest (painting,
            // timers) goes on as usual.
            bool bInput = (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
                          (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                          (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK);
            if (!bInput)
                ::DispatchMessageA(&msg);
        }
    }
    if (::GetCapture() == hMain)
        ::ReleaseCapture();
    if (pFrame)
        pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    if (hClicked && !ShowHelpFor(hClicked))
        ShowHelpContents();
}

void CWinApp::ShowHelpContents() {
    CString strHelp = GetHelpFilePath();
    HWND hOwner = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (::GetFileAttributesA(strHelp) != INVALID_FILE_ATTRIBUTES &&
        (INT_PTR)CDeferredLibrary::Shell().Call<decltype(::ShellExecuteA)>(
            "ShellExecuteA", HINSTANCE(nullptr), hOwner, "open", strHelp.c_str(), nullptr, nullptr,
            SW_SHOWNORMAL) > 32)
        return;
    CString strMsg;
    strMsg.Format("Unable to open the help file:\n%s", (const char*)strHelp);
    AfxShowMessageBox(hOwner, strMsg, m_pszAppName, MB_OK | MB_ICONEXCLAMATION);
}

bool CWinApp::HandlesCommand(unsigned nID) const {
    switch (nID) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_APP_EXIT:
    case ID_HELP_FINDER:
    case ID_HELP_INDEX:
    case ID_HELP:
    case ID_CONTEXT_HELP:
    case ID_DEFAULT_HELP:
        return true;
    }
    return nID >= ID_FILE_MRU_FILE1 && nID <= ID_FILE_MRU_FILE4;
}

bool CWinApp::OnCmdMsg(unsigned nID, int nCode) {
    if (nCode != 0 && nCode != 1)
        return false;
    switch (nID) {
    case ID_FILE_NEW:
        OnFileNew();
        return true;
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_APP_EXIT:
        if (m_pMainWnd)
            m_pMainWnd->SendMessage(WM_CLOSE);
        return true;
    case ID_HELP_FINDER:
    case ID_HELP_INDEX:
    case ID_DEFAULT_HELP:
        ShowHelpContents();
        return true;
    case ID_HELP:
        OnHelp();
        return true;
    case ID_CONTEXT_HELP:
        OnContextHelp();
        return true;
    }
    if (nID >= ID_FILE_MRU_FILE1 && nID <= ID_FILE_MRU_FILE4 && m_pRecentFileList) {
        int nIndex = (int)(nID - ID_FILE_MRU_FILE1);
        if (nIndex < m_pRecentFileList->GetSize()) {
            CString strPath = (*m_pRecentFileList)[nIndex];
            // A list entry that no longer opens leaves the list.
            if (!strPath.IsEmpty() && !OpenDocumentFile(strPath))
                m_pRecentFileList->Remove(nIndex);
        }
        return true;
    }
    return false;
}

// ---- message loop ----

bool CWinApp::PreTranslateMessage(MSG* pMsg) {
    // The frame's accelerators come before the dialog keys of the panel's
    // pages, which would otherwise swallow Ctrl+S and F1.
    if (m_pMainWnd && m_pMainWnd->GetSafeHwnd() && pMsg->hwnd &&
        (pMsg->hwnd == m_pMainWnd->GetSafeHwnd() ||
         ::IsChild(m_pMainWnd->GetSafeHwnd(), pMsg->hwnd)) &&
        m_pMainWnd->PreTranslateMessage(pMsg))
        return true;
    return CDialog::PreTranslateModeless(pMsg);
}

bool CWinApp::PumpMessage() {
    MSG& msg = m_msgCur;
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0)
        return false;
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}

BOOL CWinApp::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        auto* pFrame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
        if (pFrame && pFrame->GetSafeHwnd())
            pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    }
    return lCount < 1;
}

int CWinApp::Run() {
    LONG lIdleCount = 0;
    bool bIdle = true;
    MSG msg;
    for (;;) {
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(m_msgCur)) {
                bIdle = true;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

int AfxWinMain(HINSTANCE hInstance, const char* pszCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = pszCmdLine ? pszCmdLine : "";
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd && pApp->m_pMainWnd->GetSafeHwnd())
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
