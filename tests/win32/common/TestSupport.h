// Helpers shared by the Win32 test programs: temporary folders, scripted
// answers to message boxes and common dialogs, and message pumping.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <vector>

#include "framework/ModalSeam.h"
#include "framework/String.h"

// A fresh folder under the temporary folder, removed with its files again.
class CTempDir {
public:
    explicit CTempDir(const char* pszPrefix = "alm");
    ~CTempDir();
    const CString& Path() const { return m_strPath; } // ends in a backslash
    CString File(const char* pszName) const { return m_strPath + pszName; }

private:
    CString m_strPath;
};

// Answers every modal request while it lives and records what was asked.
// Message boxes get the queued answers in order, then the default answer.
class CScopedAnswers {
public:
    explicit CScopedAnswers(int nDefault = IDOK);
    ~CScopedAnswers();
    void Queue(int nAnswer) { m_answers.push_back(nAnswer); }
    // Handles common dialogs (file, font, print); returns the dialog result.
    void OnDialog(std::function<int(CModalRequest&)> fn) { m_dialogHandler = std::move(fn); }
    const std::vector<CModalRequest>& Asked() const { return m_asked; }
    std::vector<CString> Messages() const;
    bool WasAsked(const char* pszText) const;

private:
    int m_nDefault;
    std::deque<int> m_answers;
    std::vector<CModalRequest> m_asked;
    std::function<int(CModalRequest&)> m_dialogHandler;
};

// Dispatches what is waiting in the queue; a WM_QUIT is dropped.
void PumpMessages();
CString ReadWholeFile(const char* pszPath);
bool WriteWholeFile(const char* pszPath, const CString& strData);
bool FileExistsOnDisk(const char* pszPath);
