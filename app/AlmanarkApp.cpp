#include "app/AlmanarkApp.h"

#include <vector>

#include <windows.h>

#include "app/OptionsDlg.h"
#include "app/ProgramArgument.h"
#include "app/SettingsReader.h"
#include "app/ShellRegistration.h"
#include "app/TextElement.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/Dialog.h"
#include "framework/DocTemplate.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

CAlmanarkApp theApp;

namespace {
// A start-up folder longer than this is replaced by its short form.
const int kMaxLongDir = 195;

void ShowTopmostMessage(const char* pszText) {
    AfxShowMessageBox(nullptr, pszText, "Almanark", MB_OK | MB_TOPMOST);
}
} // namespace

CAlmanarkApp::CAlmanarkApp() : CWinApp("Almanark") {}

void CAlmanarkApp::SetUpProfilePath() {
    char szDir[MAX_PATH + 1] = {0};
    DWORD n = ::GetCurrentDirectoryA(MAX_PATH, szDir);
    if (n == 0 || n >= MAX_PATH) {
        // Longer than the buffer: the short form may still fit.
        std::vector<char> longDir(n + 1, 0);
        ::GetCurrentDirectoryA(n + 1, longDir.data());
        n = ::GetShortPathNameA(longDir.data(), szDir, MAX_PATH);
        if (n == 0 || n >= MAX_PATH)
            szDir[0] = 0;
    } else if (n > kMaxLongDir) {
        char szShort[MAX_PATH + 1] = {0};
        DWORD nShort = ::GetShortPathNameA(szDir, szShort, MAX_PATH);
        if (nShort > 0 && nShort < MAX_PATH)
            lstrcpynA(szDir, szShort, MAX_PATH);
    }
    m_strCurDir = szDir;
    if (m_strCurDir.IsEmpty() || m_strCurDir.Right(1) != "\\")
        m_strCurDir += '\\';
    // Kept in a string rather than the 260-character buffer: a folder too
    // long for the file name must not overrun anything; the profile calls
    // then simply find no file and give the defaults.
    SetProfileName(m_strCurDir + "Almanark.ini");
}

BOOL CAlmanarkApp::InitInstance() {
    Enable3dControlsStatic();
    m_pDoc = nullptr;
    m_pFrame = nullptr;
    m_pView = nullptr;
    m_strEventFileArg = m_lpCmdLine;
    SetUpProfilePath();

    CProgramArgument arg = ParseProgramArgument(m_strEventFileArg, m_strCurDir);
    if (arg.m_bUninstall) {
        ShowTopmostMessage(DeleteRegistryKeys() == 0
                               ? "The Almanark registry keys have been deleted."
                               : "Not all Almanark registry keys were deleted.\n\n"
                                 "Some may have already been deleted.");
        return FALSE;
    }
    m_strEventFileArg = arg.m_strEventFile;

    if (!LoadSettings())
        return FALSE;
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME, RuntimeClassOf<CAlmanarkDoc>("CAlmanarkDoc"),
        RuntimeClassOf<CMainFrame>("CMainFrame"), RuntimeClassOf<CAlmanarkView>("CAlmanarkView")));
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo) || !m_pMainWnd) {
        // The document type is registered by now (and a shell print ends
        // here): leave the registry as a full start does.
        RegisterEventFileType();
        return FALSE;
    }

    m_pMainWnd->ShowWindow(Settings().ShowCommand());
    m_pMainWnd->UpdateWindow();
    // Files dropped on the frame reach it already: the frame is made with
    // WS_EX_ACCEPTFILES, all that DragAcceptFiles would set.
    RegisterEventFileType();
    return TRUE;
}

BOOL CAlmanarkApp::OnIdle(LONG lCount) {
    if (m_pView && m_pFrame && m_pFrame->GetSafeHwnd()) {
        if (m_pView->m_nImgPositioning)
            m_pFrame->SetStatusText(0, "Position graphic");
        if (m_pView->m_nCalPositioning)
            m_pFrame->SetStatusText(0, "Position calendar");
        KeepNoteCaretOffFirstLine();
        if (m_nResizeCount) {
            InvalidateView();
            m_nResizeCount = 0;
        }
    }
    const BOOL bMore = CWinApp::OnIdle(lCount);
    // The lines of the notes just painted, one box at each idle call, so that
    // input waits for no more than one box.
    return (m_pView && m_pView->m_noteFitter.RecordNext()) || bMore;
}

void CAlmanarkApp::KeepNoteCaretOffFirstLine() {
    CEdit& note = m_pFrame->m_wndCalendarPage.m_editNote;
    if (!note.GetSafeHwnd())
        return;
    int nStart = 0, nEnd = 0;
    note.GetSel(nStart, nEnd);
    int nSecond = note.LineIndex(1);
    // The first line holds the day number; typing belongs below it. An edit
    // without a second line has nowhere else to put the caret.
    if (note.LineFromChar(nStart) == 0 && nSecond >= 0) {
        int nCaret = nSecond + note.LineLength(nSecond);
        note.SetSel(nCaret, nCaret);
        note.ScrollCaret();
    }
}

bool CAlmanarkApp::HandlesCommand(unsigned nID) const {
    return nID == ID_APP_ABOUT || nID == ID_TOOLS_OPTIONS || nID == ID_FILE_IMPORT_EVENTS ||
           CWinApp::HandlesCommand(nID);
}

bool CAlmanarkApp::OnCmdMsg(unsigned nID, int nCode) {
    if (nID == ID_APP_ABOUT && (nCode == 0 || nCode == 1)) {
        OnAppAbout();
        return true;
    }
    if (nID == ID_TOOLS_OPTIONS && (nCode == 0 || nCode == 1)) {
        OnToolsOptions();
        return true;
    }
    if (nID == ID_FILE_IMPORT_EVENTS && (nCode == 0 || nCode == 1) && m_pFrame) {
        m_pFrame->m_wndEventsPage.OnImportEvents();
        return true;
    }
    return CWinApp::OnCmdMsg(nID, nCode);
}

void CAlmanarkApp::OnAppAbout() {
    CDialog dlg(IDD_ABOUTBOX, m_pMainWnd);
    dlg.DoModal();
}

void CAlmanarkApp::OnToolsOptions() {
    COptionsDlg dlg(m_options, m_pMainWnd);
    if (dlg.DoModal() == IDOK)
        SetOptions(dlg.GetOptions());
}

void CAlmanarkApp::SetOptions(const COptions& options) {
    const bool bWeekMoved = options.m_nFirstWeekday != m_options.m_nFirstWeekday;
    m_options = options;
    WriteSetting(CSettingsKeys::kFirstWeekday, options.m_nFirstWeekday);
    WriteSetting(CSettingsKeys::kWeekNumbers, options.m_bWeekNumbers ? 1 : 0);
    WriteSetting(CSettingsKeys::kLocalNames, options.m_bLocalNames ? 1 : 0);
    // The captions belong to boxes, which show other dates now.
    if (bWeekMoved)
        ClearEventText();
    InvalidateView();
}

bool CAlmanarkApp::ShowHelpContext(DWORD dwContext) {
    return m_wndHelp.ShowContext(dwContext);
}

void CAlmanarkApp::ShowHelpContents() {
    if (m_wndHelp.ShowContext(IDH_GETTING_STARTED))
        ::SetFocus(m_wndHelp.GetDlgItem(IDC_HELP_CONTENTS));
}

void CAlmanarkApp::InvalidateView() {
    if (m_pView && m_pView->GetSafeHwnd())
        m_pView->Invalidate(true);
}

void CAlmanarkApp::MarkModified() {
    if (m_pDoc)
        m_pDoc->SetModifiedFlag(true);
}

void CAlmanarkApp::EmptyEventCaptions() {
    for (auto& column : m_strEventText)
        for (CString& text : column)
            text.Empty();
}

void CAlmanarkApp::ClearEventText() {
    EmptyEventCaptions();
    if (m_pView)
        ++m_pView->m_nEvalEvents;
}

bool CAlmanarkApp::FileExists(const char* pszPath) {
    if (!pszPath || !*pszPath)
        return false;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(pszPath, &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(hFind);
    return true;
}

BOOL CAlmanarkApp::LoadSettings() {
    if (FileExists(m_strEventFileArg)) {
        WriteSetting(CSettingsKeys::kLastEventFile, m_strEventFileArg);
    } else {
        if (!FileExists(Settings().String(CSettingsKeys::kLastEventFile)))
            WriteSetting(CSettingsKeys::kLastEventFile, "");
        m_strEventFileArg.Empty();
    }

    m_strPrinter = Settings().String(CSettingsKeys::kPrinter);
    if (!m_strPrinter.IsEmpty() && GetSystemProfileString("devices", m_strPrinter).IsEmpty()) {
        m_strPrinter.Empty();
        WriteSetting(CSettingsKeys::kPrinter, "");
    }
    if (m_strPrinter.IsEmpty()) {
        m_strPrinter = GetSystemProfileString("windows", "device");
        int nComma = m_strPrinter.Find(',');
        if (nComma >= 0)
            m_strPrinter = m_strPrinter.Left(nComma);
    }
    if (m_strPrinter.IsEmpty()) {
        ShowTopmostMessage("No default printer installed.");
        return FALSE;
    }

    const CSettingsReader settings = Settings();
    m_nOrientation = settings.Orientation(m_strPrinter);
    m_nPaperSize = settings.PaperSize(m_strPrinter);
    m_nPrintColor = settings.PrintColor(m_strPrinter);
    m_nDaySwap = settings.DaySwap();

    for (const CTextElement& element : CTextElement::kAll)
        element.SetLook(settings.Look(element.pszName));
    m_nNoteSize = settings.NoteSize();
    m_nDateSize = settings.DateSize();
    m_nDateSwap = settings.DateSwap();
    m_options = settings.Options();

    m_strAllEvents.Empty();
    WriteSetting(CSettingsKeys::kMonthDoc, "");
    WriteSetting(CSettingsKeys::kYearDoc, "");
    return TRUE;
}

CSettingsReader CAlmanarkApp::Settings() {
    return CSettingsReader([this](const char* pszSection, const char* pszKey) {
        return GetProfileString(pszSection, pszKey, "");
    });
}

void CAlmanarkApp::WriteSetting(const CIntKey& key, int nValue, const char* pszSection) {
    WriteProfileInt(pszSection, key.pszName, nValue);
}

void CAlmanarkApp::WriteSetting(const CStringKey& key, const char* pszValue) {
    WriteProfileString(CSettingsKeys::kSection, key.pszName, pszValue);
}

void CAlmanarkApp::WriteLook(const char* pszElement, const CTextLook& look) {
    using Keys = CSettingsKeys;
    auto name = [&](const auto& key) {
        return CSettingsReader::LookKeyName(pszElement, key.pszName);
    };
    WriteProfileString(Keys::kSection, name(Keys::kLookFace), look.m_strFace);
    WriteProfileInt(Keys::kSection, name(Keys::kLookColor), (int)look.m_crColor);
    WriteProfileInt(Keys::kSection, name(Keys::kLookWeight), look.m_nWeight);
    WriteProfileInt(Keys::kSection, name(Keys::kLookItalic), look.m_bItalic);
}

void CAlmanarkApp::RegisterEventFileType() {
    CShellRegistration::RegisterEventFileType();
}

LONG CAlmanarkApp::DeleteRegistryKeys() {
    return CShellRegistration::DeleteRegistryKeys();
}
