// Every message box and common dialog of the program is shown through these
// functions. Tests install a responder that answers instead of the user and
// records what was asked; the program itself always shows the real one.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <functional>
#include "framework/String.h"

struct CModalRequest {
    // dialog: one of the program's own modal dialogs, open and idle; pStruct
    // is its CDialog*, and it ends with the answer when the responder returns.
    enum Kind { messageBox, fileOpen, fileSave, font, print, printSetup, dialog };
    Kind kind;
    HWND hOwner;
    CString strText;    // message box text
    CString strCaption; // message box caption
    UINT nType;         // message box style
    void* pStruct;      // OPENFILENAMEA*, CHOOSEFONTA*, PRINTDLGA* or CDialog*
};

class CModalSeam {
public:
    // Returns the answer: a message-box result (IDOK, IDYES, ...) or, for a
    // common dialog, nonzero for OK after filling in the structure.
    using Responder = std::function<int(CModalRequest&)>;

    static void SetResponder(Responder responder) { Instance() = std::move(responder); }
    static bool HasResponder() { return static_cast<bool>(Instance()); }
    static int Answer(CModalRequest& request) { return Instance()(request); }

private:
    static Responder& Instance() {
        static Responder s_responder;
        return s_responder;
    }
};

int AfxShowMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType);
// The application's message box: caption is the program's name, owner the
// main window.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK);
BOOL AfxGetOpenFileName(OPENFILENAMEA* pOfn);
BOOL AfxGetSaveFileName(OPENFILENAMEA* pOfn);
BOOL AfxChooseFont(CHOOSEFONTA* pCf);
BOOL AfxPrintDlg(PRINTDLGA* pPd);
