#include "app/HelpDialog.h"

#include "resources/resource.h"

CHelpDialog::CHelpDialog(CWnd* pParent) : CDialog(IDD_HELP, pParent) {}

CString CHelpDialog::LoadHelpText() {
    HMODULE hModule = ::GetModuleHandleA(nullptr);
    HRSRC hRes = ::FindResourceA(hModule, MAKEINTRESOURCEA(IDR_HELPTEXT), (LPCSTR)RT_RCDATA);
    HGLOBAL hData = hRes ? ::LoadResource(hModule, hRes) : nullptr;
    const char* pText = hData ? static_cast<const char*>(::LockResource(hData)) : nullptr;
    if (!pText)
        return CString();
    CString strText(pText, (int)::SizeofResource(hModule, hRes));
    strText.Remove('\r');
    strText.Replace("\n", "\r\n");
    return strText;
}

BOOL CHelpDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_HELP_TEXT, LoadHelpText());
    return TRUE;
}
