#include "framework/Document.h"

#include <io.h>
#include <commdlg.h>

#include "framework/Archive.h"
#include "framework/DeferredLibrary.h"
#include "framework/DocTemplate.h"
#include "framework/File.h"
#include "framework/FrameWnd.h"
#include "framework/ModalSeam.h"
#include "framework/WinApp.h"

namespace {
const char kFailedToOpen[] = "Failed to open document.";
const char kFailedToSave[] = "Failed to save document.";
const char kUnexpectedFormat[] = "Unexpected file format.";
const char kDiskFull[] = "Destination disk drive is full.";
const char kCannotFind[] =
    "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";

// Replaces "%1" in a framework message.
CString FormatMessage1(const char* pszFormat, const char* pszArg) {
    CString strText(pszFormat);
    strText.Replace("%1", pszArg);
    return strText;
}

bool FileExistsA(const char* pszPath) {
    return ::GetFileAttributesA(pszPath) != INVALID_FILE_ATTRIBUTES;
}

// Makes sure the bytes of an open stream are on the disk, not in a cache.
void SyncToDisk(CFile& file) {
    file.Flush();
    HANDLE hFile = (HANDLE)_get_osfhandle(_fileno(file.GetStream()));
    if (hFile != INVALID_HANDLE_VALUE && !::FlushFileBuffers(hFile)) {
        DWORD dwError = ::GetLastError();
        throw CFileException(dwError == ERROR_DISK_FULL || dwError == ERROR_HANDLE_DISK_FULL
                                 ? CFileException::diskFull
                                 : CFileException::hardIO,
                             file.GetFilePath(), (int)dwError);
    }
}
} // namespace

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(false);
    return TRUE;
}

CString CDocument::TempSavePath(const char* pszPathName) {
    return CString(pszPathName) + ".tmp";
}

void CDocument::CheckLeftoverSave(const char* pszPathName) {
    CString strTemp = TempSavePath(pszPathName);
    if (!FileExistsA(strTemp))
        return;
    CString strText;
    strText.Format("A save of this calendar was interrupted and left an unfinished copy:\n%s\n\n"
                   "The calendar itself was not changed by it. Delete the unfinished copy?",
                   (const char*)strTemp);
    if (AfxMessageBox(strText, MB_YESNO | MB_ICONQUESTION) == IDYES)
        ::DeleteFileA(strTemp);
}

BOOL CDocument::OnOpenDocument(const char* pszPathName) {
    CFile file;
    CFileException fe;
    if (!file.Open(pszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
        ReportSaveLoadException(pszPathName, fe.m_cause, false, false);
        return FALSE;
    }
    CheckLeftoverSave(pszPathName);
    DeleteContents();
    SetModifiedFlag(true); // dirty while the contents are half replaced
    bool bEmpty = false;
    try {
        bEmpty = file.GetLength() == 0;
        if (!bEmpty) {
            CArchive ar(&file, CArchive::load, 4096);
            Serialize(ar);
            ar.Close();
        }
        file.Close();
    } catch (const CArchiveException& e) {
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(pszPathName, 0, e.m_cause == CArchiveException::endOfFile, false);
        return FALSE;
    } catch (const CFileException& e) {
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(pszPathName, e.m_cause, e.m_cause == CFileException::endOfFile,
                                false);
        return FALSE;
    } catch (...) {
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(pszPathName, CFileException::genericException, false, false);
        return FALSE;
    }
    SetModifiedFlag(false);
    if (bEmpty)
        OnOpenEmptyFile();
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* pszPathName) {
    // The rename would replace a read-only file where the platform lets it
    // (Wine does); a read-only file is refused as Windows refuses it.
    DWORD dwAttrib = ::GetFileAttributesA(pszPathName);
    if (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)) {
        ReportSaveLoadException(pszPathName, CFileException::accessDenied, false, true);
        return FALSE;
    }
    CString strTemp = TempSavePath(pszPathName);
    CFile file;
    CFileException fe;
    if (!file.Open(strTemp, CFile::modeCreate | CFile::modeReadWrite | CFile::shareDenyWrite,
                   &fe)) {
        ReportSaveLoadException(pszPathName, fe.m_cause, false, true);
        return FALSE;
    }
    try {
        CArchive ar(&file, CArchive::store, 4096);
        Serialize(ar);
        ar.Close();
        SyncToDisk(file);
        file.Close();
    } catch (const CFileException& e) {
        file.Abort();
        ::DeleteFileA(strTemp);
        ReportSaveLoadException(pszPathName, e.m_cause, false, true);
        return FALSE;
    } catch (...) {
        file.Abort();
        ::DeleteFileA(strTemp);
        ReportSaveLoadException(pszPathName, CFileException::genericException, false, true);
        return FALSE;
    }
    // One rename: the target is always either the old file or the new one.
    if (!::MoveFileExA(strTemp, pszPathName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD dwError = ::GetLastError();
        ::DeleteFileA(strTemp);
        ReportSaveLoadException(pszPathName,
                                dwError == ERROR_DISK_FULL ? CFileException::diskFull
                                                           : CFileException::accessDenied,
                                false, true);
        return FALSE;
    }
    SetModifiedFlag(false);
    return TRUE;
}

void CDocument::ReportSaveLoadException(const char* pszPathName, int nFileCause, bool bArchiveEof,
                                        bool bSaving) {
    CString strText;
    if (bArchiveEof)
        strText = kUnexpectedFormat;
    else if (nFileCause == CFileException::diskFull)
        strText = kDiskFull;
    else if (!bSaving &&
             (nFileCause == CFileException::fileNotFound || nFileCause == CFileException::badPath))
        strText = FormatMessage1(kCannotFind, pszPathName);
    else
        strText = bSaving ? kFailedToSave : kFailedToOpen;
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CDocument::SaveModified() {
    if (!IsModified())
        return TRUE;
    CString strName = m_strTitle;
    if (strName.IsEmpty())
        strName = "Untitled";
    CString strPrompt = FormatMessage1("Save changes to %1?", strName);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave() {
    DWORD dwAttrib = ::GetFileAttributesA(m_strPathName);
    // A read-only or missing file goes through Save As.
    if (m_strPathName.IsEmpty() ||
        (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(const char* pszPathName, bool bReplace) {
    CString strNewName = pszPathName ? pszPathName : "";
    if (strNewName.IsEmpty()) {
        strNewName = m_strPathName;
        if (strNewName.IsEmpty() && m_pDocTemplate) {
            strNewName = m_pDocTemplate->GetDocString(CSingleDocTemplate::fileNewName);
            strNewName += m_pDocTemplate->GetDocString(CSingleDocTemplate::filterExt);
        }
        CWinApp* pApp = AfxGetApp();
        if (!pApp || !pApp->DoPromptFileName(strNewName, false))
            return FALSE;
    }
    if (!OnSaveDocument(strNewName))
        return FALSE;
    if (bReplace)
        SetPathName(strNewName);
    return TRUE;
}

bool CDocument::OnCmdMsg(unsigned nID, int nCode) {
    if (nCode != 0 && nCode != 1)
        return false;
    if (nID == ID_FILE_SAVE) {
        DoFileSave();
        return true;
    }
    if (nID == ID_FILE_SAVE_AS) {
        DoSave(nullptr);
        return true;
    }
    return false;
}

void CDocument::SetPathName(const char* pszPathName, bool bAddToMRU) {
    char szFull[MAX_PATH * 2] = {0};
    char* pszFilePart = nullptr;
    DWORD n = ::GetFullPathNameA(pszPathName, sizeof szFull, szFull, &pszFilePart);
    m_strPathName = (n > 0 && n < sizeof szFull) ? CString(szFull) : CString(pszPathName);
    char szTitle[MAX_PATH] = {0};
    if (CDeferredLibrary::CommonDialogs().Call<decltype(::GetFileTitleA)>(
            "GetFileTitleA", short(-1), m_strPathName.c_str(), szTitle, WORD(sizeof szTitle)) == 0)
        SetTitle(szTitle);
    else
        SetTitle(m_strPathName.Mid(m_strPathName.ReverseFind('\\') + 1));
    if (bAddToMRU && AfxGetApp())
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::SetTitle(const char* pszTitle) {
    m_strTitle = pszTitle;
    UpdateFrameTitle();
}

void CDocument::UpdateFrameTitle() {
    if (m_pDocTemplate && m_pDocTemplate->GetFrame())
        m_pDocTemplate->GetFrame()->OnUpdateFrameTitle();
}
