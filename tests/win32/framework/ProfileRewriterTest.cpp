// Profile files changed through a copy beside them.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/TestSupport.h"
#include "framework/ProfileRewriter.h"

namespace {

CString Value(const CString& strPath, const char* pszKey, const char* pszSection = "S") {
    char sz[64] = {0};
    GetPrivateProfileStringA(pszSection, pszKey, "<absent>", sz, sizeof sz, strPath);
    return sz;
}

bool SetValue(const CString& strPath, const char* pszValue) {
    return CProfileRewriter::Rewrite(strPath, [&](const CString& strCopy) {
        WritePrivateProfileStringA("S", "New", pszValue, strCopy);
    });
}

} // namespace

TEST(ProfileRewriter, WritesWholeOrRefusesAndLeavesNoCopy) {
    CTempDir dir("prw");
    struct Row {
        const char* pszName;
        bool bExisting, bReadOnly, bCopyBlocked; // a folder where the copy would go
        bool bInUse;                             // open elsewhere, shared for reading only
        bool bWritten;
    } rows[] = {
        {"plain.ini", true, false, false, false, true},
        {"new.ini", false, false, false, false, true},
        {"readonly.ini", true, true, false, false, false},
        {"inuse.ini", true, false, false, true, false},
        // As in a folder that takes no new files: the file itself is changed.
        {"nocopy.ini", true, false, true, false, true},
        {"nocopyinuse.ini", true, false, true, true, false},
    };
    for (const Row& row : rows) {
        const CString strPath = dir.File(row.pszName);
        if (row.bExisting)
            ASSERT_TRUE(WriteWholeFile(strPath, "[S]\r\nOld=1\r\n[T]\r\nKept=2\r\n"));
        if (row.bReadOnly)
            SetFileAttributesA(strPath, FILE_ATTRIBUTE_READONLY);
        if (row.bCopyBlocked)
            ASSERT_TRUE(CreateDirectoryA(strPath + ".tmp", nullptr));

        HANDLE hOther = row.bInUse ? CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                                   : INVALID_HANDLE_VALUE;
        EXPECT_EQ(row.bWritten, SetValue(strPath, "3")) << row.pszName;
        if (hOther != INVALID_HANDLE_VALUE)
            CloseHandle(hOther);
        EXPECT_EQ(row.bWritten ? "3" : "<absent>", Value(strPath, "New")) << row.pszName;
        if (row.bExisting) {
            EXPECT_EQ("1", Value(strPath, "Old")) << row.pszName;
            EXPECT_EQ("2", Value(strPath, "Kept", "T")) << row.pszName;
        }
        EXPECT_EQ(row.bCopyBlocked, FileExistsOnDisk(strPath + ".tmp")) << row.pszName;
        SetFileAttributesA(strPath, FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(strPath + ".tmp");
    }
}
