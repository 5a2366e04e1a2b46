// Starts the real application object in this process, in a fresh start-up
// folder, and tears its window down again after the test.
#pragma once
#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "app/AlmanarkApp.h"

// Sets a WIN.INI value for the length of a test and restores it.
class CScopedSystemProfile {
public:
    CScopedSystemProfile(const char* pszSection, const char* pszKey, const char* pszValue);
    ~CScopedSystemProfile();

private:
    CString m_strSection, m_strKey, m_strOld;
    bool m_bHadValue;
};

class CAppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs the start-up with the raw command line after the program name.
    BOOL Start(const char* pszCmdLine = "");
    void Close();
    // Only the settings step of the start-up, on this test's INI file.
    BOOL LoadSettingsOnly();
    CString Ini() const { return m_dir.File("Almanark.ini"); }
    CString IniValue(const char* pszSection, const char* pszKey) const;
    void SetIniValue(const char* pszSection, const char* pszKey, const char* pszValue) const;

    CTempDir m_dir{"app"};
    CScopedAnswers m_answers{IDOK};
    char m_szOldDir[MAX_PATH] = {0};
};

// The program started without arguments for each test, its frame gone after it.
class CStartedAppFixture : public CAppFixture {
protected:
    void SetUp() override {
        CAppFixture::SetUp();
        ASSERT_TRUE(Start());
    }
    void TearDown() override {
        CAppFixture::TearDown();
        // The page tests of a program run without a frame between tests.
        theApp.m_pFrame = nullptr;
    }
};

CString RegDefault(const char* pszKey, bool* pbExists = nullptr);
void RegSetDefault(const char* pszKey, const char* pszValue);
