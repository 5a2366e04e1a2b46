#include "common/AppFixture.h"

#include <vector>

#include "framework/DocTemplate.h"
#include "framework/FrameWnd.h"

CScopedSystemProfile::CScopedSystemProfile(const char* pszSection, const char* pszKey,
                                           const char* pszValue)
    : m_strSection(pszSection), m_strKey(pszKey) {
    char sz[512] = {0};
    ::GetProfileStringA(pszSection, pszKey, "\x01", sz, sizeof sz);
    m_bHadValue = strcmp(sz, "\x01") != 0;
    m_strOld = m_bHadValue ? sz : "";
    ::WriteProfileStringA(pszSection, pszKey, pszValue);
}

CScopedSystemProfile::~CScopedSystemProfile() {
    ::WriteProfileStringA(m_strSection, m_strKey, m_bHadValue ? m_strOld.c_str() : nullptr);
}

void CAppFixture::SetUp() {
    // Wherever an earlier program left the pointer, over the view it would
    // put the view's hover hints into the status bar: park it in a corner.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    ::GetCurrentDirectoryA(MAX_PATH, m_szOldDir);
    ASSERT_TRUE(::SetCurrentDirectoryA(m_dir.Path()));
}

void CAppFixture::TearDown() {
    Close();
    ::SetCurrentDirectoryA(m_szOldDir);
}

BOOL CAppFixture::Start(const char* pszCmdLine) {
    theApp.m_lpCmdLine = pszCmdLine;
    theApp.m_nCmdShow = SW_SHOWNORMAL;
    BOOL bResult = theApp.InitInstance();
    PumpMessages();
    return bResult;
}

BOOL CAppFixture::LoadSettingsOnly() {
    theApp.SetProfileName(Ini());
    theApp.m_strEventFileArg.Empty();
    return theApp.LoadSettings();
}

void CAppFixture::Close() {
    if (theApp.m_pMainWnd && theApp.m_pMainWnd->GetSafeHwnd())
        theApp.m_pMainWnd->DestroyWindow();
    PumpMessages();
}

CString CAppFixture::IniValue(const char* pszSection, const char* pszKey) const {
    char sz[1024] = {0};
    ::GetPrivateProfileStringA(pszSection, pszKey, "<none>", sz, sizeof sz, Ini());
    return sz;
}

void CAppFixture::SetIniValue(const char* pszSection, const char* pszKey,
                              const char* pszValue) const {
    ::WritePrivateProfileStringA(pszSection, pszKey, pszValue, Ini());
}

CString RegDefault(const char* pszKey, bool* pbExists) {
    HKEY hKey = nullptr;
    bool bExists = ::RegOpenKeyExA(HKEY_CLASSES_ROOT, pszKey, 0, KEY_READ, &hKey) == ERROR_SUCCESS;
    if (pbExists)
        *pbExists = bExists;
    CString strValue;
    if (bExists) {
        char sz[1024] = {0};
        DWORD cb = sizeof sz;
        if (::RegQueryValueExA(hKey, nullptr, nullptr, nullptr, (BYTE*)sz, &cb) == ERROR_SUCCESS)
            strValue = sz;
        ::RegCloseKey(hKey);
    }
    return strValue;
}

void RegSetDefault(const char* pszKey, const char* pszValue) {
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, pszKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                          nullptr) == ERROR_SUCCESS) {
        ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, (const BYTE*)pszValue,
                         (DWORD)strlen(pszValue) + 1);
        ::RegCloseKey(hKey);
    }
}
