// CDialog: a dialog from a template, modal (DoModal) or modeless (Create).
// Its window is subclassed at WM_INITDIALOG, so WindowProc, OnCommand and
// OnNotify work as for any CWnd and their results reach the sender directly.
#pragma once
#include <windows.h>
#include <vector>
#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate = 0, CWnd* pParent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; IDOK, IDCANCEL or the code given to
    // EndDialog, -1 when the dialog could not be created.
    virtual INT_PTR DoModal();

    bool Create(UINT nIDTemplate, CWnd* pParent = nullptr);
    bool CreateIndirect(const DLGTEMPLATE* pTemplate, CWnd* pParent = nullptr);

    // Modal: ends DoModal with nResult. Modeless: destroys the window.
    void EndDialog(int nResult);
    UINT GetTemplateID() const { return m_nIDTemplate; }

    // Runs DoDataExchange; bSaveAndValidate reads the controls into members.
    bool UpdateData(bool bSaveAndValidate = true);
    // Binds ctrl to the control nID of this dialog until the dialog's window
    // is destroyed; false when there is no such control.
    bool BindControl(int nID, CWnd& ctrl);

    // Sends the messages of initialisation data (a template's RT_DLGINIT
    // resource) to the controls: records of WORD id, WORD message, DWORD byte
    // count and the bytes, passed as lParam, ended by a WORD 0. False when
    // the data is cut short.
    bool ExecuteDlgInit(const void* pData, size_t cbData);

    // Gives the keyboard message of the loop to the innermost visible
    // modeless dialog that contains its window; true when consumed.
    static bool PreTranslateModeless(MSG* pMsg);

    void CheckDlgButton(int nID, UINT nCheck) { ::CheckDlgButton(m_hWnd, nID, nCheck); }
    UINT IsDlgButtonChecked(int nID) const { return ::IsDlgButtonChecked(m_hWnd, nID); }
    void CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck) {
        ::CheckRadioButton(m_hWnd, nIDFirst, nIDLast, nIDCheck);
    }
    void SetDlgItemInt(int nID, UINT nValue, bool bSigned = true) {
        ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
    }
    UINT GetDlgItemInt(int nID, bool* pbTranslated = nullptr, bool bSigned = true) const;
    LRESULT SendDlgItemMessage(int nID, UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendDlgItemMessageA(m_hWnd, nID, nMsg, wParam, lParam);
    }
    void MapDialogRect(RECT* pRect) const { ::MapDialogRect(m_hWnd, pRect); }

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    // Runs the template's initialisation data, then binds the controls
    // (UpdateData(false)); TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Modal: end with IDOK after reading the controls. Modeless: nothing.
    virtual void OnOK();
    // Modal: end with IDCANCEL. Modeless top-level: destroy. Child dialogs
    // (pages) are never ended by Esc.
    virtual void OnCancel();

    static INT_PTR CALLBACK DlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    static void EnsureCommonControls();
    HWND OwnerForModal() const;
    bool CreateFromTemplate(const DLGTEMPLATE* pTemplate, UINT nIDTemplate, CWnd* pParent);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    // A template in memory that DoModal uses instead of the resource.
    const DLGTEMPLATE* m_pTemplate = nullptr;
    bool m_bModal = false;

private:
    // Modal, when a test has installed a responder: hands the dialog to it
    // once the dialog is shown and idle, and ends the dialog with its answer.
    // The program itself waits for the user.
    void AnswerThroughSeamWhenIdle();
    void AnswerThroughSeam();
    void ReleaseControls();
    void Unregister();

    std::vector<CWnd*> m_boundControls;
};
