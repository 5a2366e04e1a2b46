// The save tests, and one-shot modes for the end-to-end scripts, which run
// single saves and opens under strace, on a full disk and in read-only
// folders:
//   --save PATH SIZE TAG [CHUNK]  saves a payload document at PATH
//   --open PATH yes|no      opens PATH, answering the left-over prompt
//   --hold FILE SECONDS     stays alive while FILE exists (at most SECONDS),
//                           keeping the Wine server up between the runs
// Every message box is answered through the seam (OK, or the given answer)
// and its text printed as "message: TEXT", line breaks as "|".
#include <gtest/gtest.h>

#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/ModalSeam.h"
#include "save/PayloadDoc.h"

namespace {
void AnswerPrinting(int nAnswer) {
    CModalSeam::SetResponder([nAnswer](CModalRequest& request) {
        if (request.kind != CModalRequest::messageBox)
            return 0;
        CString strText = request.strText;
        strText.Replace("\n", "|");
        printf("message: %s\n", (const char*)strText);
        fflush(stdout);
        return nAnswer;
    });
}

int SaveOnce(const char* pszPath, const char* pszSize, const char* pszTag, const char* pszChunk) {
    AnswerPrinting(IDOK);
    CPayloadDoc doc((uint32_t)strtoul(pszSize, nullptr, 10), (uint32_t)strtoul(pszTag, nullptr, 10),
                    pszChunk ? (unsigned)strtoul(pszChunk, nullptr, 10) : 1000);
    doc.SetModifiedFlag(true);
    bool bSaved = doc.OnSaveDocument(pszPath);
    printf(bSaved ? "saved\n" : "not saved\n");
    return bSaved ? 0 : 3;
}

int OpenOnce(const char* pszPath, const char* pszAnswer) {
    AnswerPrinting(strcmp(pszAnswer, "yes") == 0 ? IDYES : IDNO);
    CPayloadDoc doc;
    if (!doc.OnOpenDocument(pszPath)) {
        printf("not opened\n");
        return 3;
    }
    printf("opened %u %u\n", doc.m_nSize, doc.m_nTag);
    return 0;
}

int Hold(const char* pszFile, const char* pszSeconds) {
    DWORD dwEnd = ::GetTickCount() + 1000 * (DWORD)strtoul(pszSeconds, nullptr, 10);
    printf("holding\n");
    fflush(stdout);
    while (::GetFileAttributesA(pszFile) != INVALID_FILE_ATTRIBUTES &&
           (int)(dwEnd - ::GetTickCount()) > 0)
        ::Sleep(50);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if ((argc == 5 || argc == 6) && strcmp(argv[1], "--save") == 0)
        return SaveOnce(argv[2], argv[3], argv[4], argc == 6 ? argv[5] : nullptr);
    if (argc == 4 && strcmp(argv[1], "--open") == 0)
        return OpenOnce(argv[2], argv[3]);
    if (argc == 4 && strcmp(argv[1], "--hold") == 0)
        return Hold(argv[2], argv[3]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
