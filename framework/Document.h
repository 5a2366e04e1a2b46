// CDocument: the data of one open file, with its path, title and modified
// flag, the save prompt, and opening and saving through CArchive. Saving
// writes a temporary file beside the target and renames it over the target,
// so that a failed save never damages the old file.
#pragma once
#include <windows.h>
#include "framework/AfxRes.h"
#include "framework/CmdTarget.h"
#include "framework/String.h"

class CArchive;
class CView;
class CSingleDocTemplate;

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(const char* pszPathName);
    virtual BOOL OnSaveDocument(const char* pszPathName);
    virtual void DeleteContents() {}
    virtual void Serialize(CArchive& ar) { (void)ar; }
    // Called when OnOpenDocument has opened an empty file, which it does not
    // serialize: the document is then emptied and unmodified.
    virtual void OnOpenEmptyFile() {}
    // Asks "Save changes to %1?" for a modified document; false on Cancel or
    // a failed save.
    virtual BOOL SaveModified();
    bool OnCmdMsg(unsigned nID, int nCode) override;
    bool HandlesCommand(unsigned nID) const override {
        return nID == ID_FILE_SAVE || nID == ID_FILE_SAVE_AS;
    }

    BOOL DoSave(const char* pszPathName, bool bReplace = true);
    BOOL DoFileSave();

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(const char* pszPathName, bool bAddToMRU = true);
    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const char* pszTitle);
    void UpdateFrameTitle();

    // The name of the temporary file a save of pszPathName writes first.
    static CString TempSavePath(const char* pszPathName);

    CSingleDocTemplate* m_pDocTemplate = nullptr;
    CView* m_pView = nullptr;

protected:
    // Shows the message that fits the error of a failed open or save.
    void ReportSaveLoadException(const char* pszPathName, int nFileCause, bool bArchiveEof,
                                 bool bSaving);
    // A temporary file left by an interrupted save of pszPathName: offers to
    // remove it, or keeps it.
    void CheckLeftoverSave(const char* pszPathName);

    CString m_strPathName;
    CString m_strTitle;
    bool m_bModified = false;
};
