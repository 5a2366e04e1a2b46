// CFrameWnd: the main window with menu, accelerators and title, the layout
// of its bars (a status bar at the bottom, a bar docked at the right) and of
// the view, command routing (view, document, frame, application), closing
// with the save prompt, and files dropped from the shell.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include "framework/RuntimeClass.h"
#include "framework/Wnd.h"

class CView;
class CDocument;
class CPreviewView;

// Sent to the main frame at the start of each idle moment, so that the
// frame's window procedure also runs after input that went to other windows.
const UINT WM_IDLEUPDATECMDUI = 0x0363;

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;

    // Creates the window from resource nIDResource (menu, accelerators, icon).
    bool LoadFrame(UINT nIDResource, DWORD dwStyle = WS_OVERLAPPEDWINDOW);
    virtual bool PreCreateWindow(CREATESTRUCTA& cs);
    virtual int OnCreate(LPCREATESTRUCTA lpcs);
    virtual void RecalcLayout();
    virtual void OnClose();
    void OnUpdateFrameTitle();
    // Idle-time upkeep of bars (key indicators and the like).
    virtual void OnIdleUpdate() {}

    CView* GetActiveView() const { return m_pView; }
    // Print preview, while it stands in the view's place; null otherwise.
    CPreviewView* GetPreview() const { return m_pPreview; }
    void SetPreview(CPreviewView* pPreview) { m_pPreview = pPreview; }
    void SetStatusBarWindow(HWND hWnd) { m_hStatusBar = hWnd; }
    void SetRightBarWindow(HWND hWnd) { m_hRightBar = hWnd; }
    // Pane 0 of the status bar: the first line of string resource nID.
    void SetMessageText(UINT nID);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnCmdMsg(unsigned nID, int nCode) override;
    bool HandlesCommand(unsigned nID) const override;
    // Whether the view, the document, the frame or the application carries
    // out command nID.
    bool IsCommandAvailable(unsigned nID) const;
    bool PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;

    // Set by the document template before LoadFrame.
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pDocument = nullptr;
    UINT m_nIDResource = 0;

protected:
    bool OnCreateClient();
    void OnDropFiles(HDROP hDrop);
    void OnInitMenuPopup(HMENU hMenu);

    CView* m_pView = nullptr;
    HACCEL m_hAccel = nullptr;
    HWND m_hStatusBar = nullptr;
    HWND m_hRightBar = nullptr;
    CPreviewView* m_pPreview = nullptr;
};
