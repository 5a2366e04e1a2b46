#include <gtest/gtest.h>

#include <windows.h>
#include <vector>

#include "common/TestSupport.h"
#include "framework/Archive.h"
#include "save/PayloadDoc.h"

namespace {
const char kFailedToSave[] = "Failed to save document.";
const char kDiskFull[] = "Destination disk drive is full.";

// Writes half of its content, then fails as a disk that has run out of room.
class CFullDiskDoc : public CPayloadDoc {
public:
    using CPayloadDoc::CPayloadDoc;
    void Serialize(CArchive& ar) override {
        CPayloadDoc half(m_nSize / 2, m_nTag);
        half.Serialize(ar);
        ar.Flush();
        throw CFileException(CFileException::diskFull, "", 112);
    }
};

class SaveTest : public testing::Test {
protected:
    // The bytes a save of CPayloadDoc(nSize, nTag) writes, saved elsewhere.
    CString Expected(uint32_t nSize, uint32_t nTag) {
        CString strPath = m_refs.File("ref.kal");
        CPayloadDoc doc(nSize, nTag);
        EXPECT_TRUE(doc.OnSaveDocument(strPath));
        return ReadWholeFile(strPath);
    }
    void SaveOld(const CString& strPath) {
        CPayloadDoc doc(30000, 1);
        ASSERT_TRUE(doc.OnSaveDocument(strPath));
        m_strOld = ReadWholeFile(strPath);
        ASSERT_EQ(30016, m_strOld.GetLength());
    }
    // The old file is there, whole, and no temporary file is left beside it.
    void ExpectOldKept(const CString& strPath) {
        EXPECT_TRUE(ReadWholeFile(strPath) == m_strOld) << "the old file changed";
        EXPECT_FALSE(FileExistsOnDisk(CDocument::TempSavePath(strPath)));
        CPayloadDoc reopened;
        EXPECT_TRUE(reopened.OnOpenDocument(strPath));
        EXPECT_EQ(30000u, reopened.m_nSize);
        EXPECT_EQ(1u, reopened.m_nTag);
    }

    CTempDir m_dir{"save"};
    CTempDir m_refs{"saveref"};
    CScopedAnswers m_answers;
    CString m_strOld;
};

TEST_F(SaveTest, SaveReplacesTheOldFileWholeAndLeavesNoTemp) {
    CString strPath = m_dir.File("cal.kal");
    SaveOld(strPath);
    CPayloadDoc doc(50000, 2);
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.OnSaveDocument(strPath));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(ReadWholeFile(strPath) == Expected(50000, 2));
    EXPECT_FALSE(FileExistsOnDisk(CDocument::TempSavePath(strPath)));
    EXPECT_TRUE(m_answers.Messages().empty());

    // A shorter calendar keeps nothing of the longer one it replaces.
    CPayloadDoc shorter(700, 3);
    ASSERT_TRUE(shorter.OnSaveDocument(strPath));
    EXPECT_TRUE(ReadWholeFile(strPath) == Expected(700, 3));
    CPayloadDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(strPath));
    EXPECT_EQ(700u, reopened.m_nSize);
    EXPECT_EQ(3u, reopened.m_nTag);
}

TEST_F(SaveTest, TornFileIsNotTakenForACalendar) {
    // The check the interrupted-save tests rely on: a cut file fails to open.
    CString strPath = m_dir.File("cal.kal");
    SaveOld(strPath);
    ASSERT_TRUE(WriteWholeFile(strPath, m_strOld.Left(20000)));
    CPayloadDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(strPath));
    EXPECT_EQ(std::vector<CString>{"Unexpected file format."}, m_answers.Messages());
}

TEST_F(SaveTest, LeftoverTempOfACrashedSaveIsOverwritten) {
    CString strPath = m_dir.File("cal.kal");
    SaveOld(strPath);
    CString strTemp = CDocument::TempSavePath(strPath);
    ASSERT_TRUE(WriteWholeFile(strTemp, CString('x', 90000)));
    CPayloadDoc doc(5000, 4);
    ASSERT_TRUE(doc.OnSaveDocument(strPath));
    EXPECT_TRUE(ReadWholeFile(strPath) == Expected(5000, 4));
    EXPECT_FALSE(FileExistsOnDisk(strTemp));
    EXPECT_TRUE(m_answers.Messages().empty());
}

TEST_F(SaveTest, OpeningOffersToDeleteTheLeftoverTemp) {
    CString strPath = m_dir.File("cal.kal");
    SaveOld(strPath);
    CString strTemp = CDocument::TempSavePath(strPath);
    ASSERT_TRUE(WriteWholeFile(strTemp, "half a calendar"));

    m_answers.Queue(IDNO);
    CPayloadDoc kept;
    ASSERT_TRUE(kept.OnOpenDocument(strPath));
    EXPECT_EQ(30000u, kept.m_nSize);
    ASSERT_EQ(1u, m_answers.Asked().size());
    const CModalRequest& prompt = m_answers.Asked()[0];
    EXPECT_EQ(MB_YESNO, prompt.nType & MB_TYPEMASK);
    EXPECT_NE(-1, prompt.strText.Find(strTemp)) << prompt.strText.c_str();
    EXPECT_EQ("half a calendar", ReadWholeFile(strTemp));

    m_answers.Queue(IDYES);
    CPayloadDoc cleaned;
    ASSERT_TRUE(cleaned.OnOpenDocument(strPath));
    EXPECT_EQ(30000u, cleaned.m_nSize);
    EXPECT_EQ(2u, m_answers.Asked().size());
    EXPECT_FALSE(FileExistsOnDisk(strTemp));
    EXPECT_TRUE(ReadWholeFile(strPath) == m_strOld);

    CPayloadDoc quiet;
    ASSERT_TRUE(quiet.OnOpenDocument(strPath));
    EXPECT_EQ(2u, m_answers.Asked().size()) << "asked without a left-over";
}

TEST_F(SaveTest, ReadOnlyFileIsNotReplaced) {
    CString strPath = m_dir.File("cal.kal");
    SaveOld(strPath);
    ASSERT_TRUE(::SetFileAttributesA(strPath, FILE_ATTRIBUTE_READONLY));
    CPayloadDoc doc(50000, 2);
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.OnSaveDocument(strPath));
    EXPECT_EQ(std::vector<CString>{kFailedToSave}, m_answers.Messages());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(0u, ::GetFileAttributesA(strPath) & FILE_ATTRIBUTE_READONLY);
    ExpectOldKept(strPath);

    // File Save does not write over it either.
    doc.SetPathName(strPath, false);
    EXPECT_FALSE(doc.DoFileSave());
    ExpectOldKept(strPath);
}

TEST_F(SaveTest, FileHeldOpenByAnotherProgramIsKept) {
    CString strPath = m_dir.File("cal.kal");
    SaveOld(strPath);
    HANDLE hOther = ::CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hOther);
    CPayloadDoc doc(50000, 2);
    EXPECT_FALSE(doc.OnSaveDocument(strPath));
    EXPECT_EQ(std::vector<CString>{kFailedToSave}, m_answers.Messages());
    ExpectOldKept(strPath);
    ::CloseHandle(hOther);

    EXPECT_TRUE(doc.OnSaveDocument(strPath));
    EXPECT_TRUE(ReadWholeFile(strPath) == Expected(50000, 2));
}

TEST_F(SaveTest, TempNameTakenByAFolderFailsTheSave) {
    CString strPath = m_dir.File("cal.kal");
    SaveOld(strPath);
    CString strTemp = CDocument::TempSavePath(strPath);
    ASSERT_TRUE(::CreateDirectoryA(strTemp, nullptr));
    CPayloadDoc doc(50000, 2);
    EXPECT_FALSE(doc.OnSaveDocument(strPath));
    EXPECT_EQ(std::vector<CString>{kFailedToSave}, m_answers.Messages());
    EXPECT_TRUE(ReadWholeFile(strPath) == m_strOld);
    DWORD dwAttrib = ::GetFileAttributesA(strTemp);
    EXPECT_TRUE(dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_DIRECTORY))
        << "someone else's folder was removed";
}

TEST_F(SaveTest, DiskFullDuringTheSaveKeepsTheOldFile) {
    CString strPath = m_dir.File("cal.kal");
    SaveOld(strPath);
    CFullDiskDoc doc(50000, 2);
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.OnSaveDocument(strPath));
    EXPECT_EQ(std::vector<CString>{kDiskFull}, m_answers.Messages());
    EXPECT_TRUE(doc.IsModified());
    ExpectOldKept(strPath);
}

TEST_F(SaveTest, SaveIntoAMissingFolderLeavesNothing) {
    CString strPath = m_dir.File("gone\\cal.kal");
    CPayloadDoc doc(500, 2);
    EXPECT_FALSE(doc.OnSaveDocument(strPath));
    EXPECT_EQ(std::vector<CString>{kFailedToSave}, m_answers.Messages());
    EXPECT_FALSE(FileExistsOnDisk(m_dir.File("gone")));
}
} // namespace
