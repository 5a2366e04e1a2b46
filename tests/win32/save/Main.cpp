// The save tests, and one-shot modes for the end-to-end scripts, which run
// single saves and opens under strace, on a full disk and in read-only
// folders:
//   --save PATH SIZE TAG [CHUNK]  saves a payload document at PATH
//   --open PATH yes|no      opens PATH, answering the left-over prompt
//   --hold FILE SECONDS     stays alive while FILE exists (at most SECONDS),
//                           keeping the Wine server up between the runs
//   --save-calendar PATH WIDTH TAG
//                           saves a real calendar whose picture is WIDTH
//                           pixels square, 24 bits, its bytes and notes from TAG
//   --open-calendar PATH yes|no
//                           opens a real calendar; prints its tag and the
//                           picture's width, checking every pixel
// Every message box is answered through the seam (OK, or the given answer)
// and its text printed as "message: TEXT", line breaks as "|".
#include <gtest/gtest.h>

#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "document/AlmanarkDoc.h"
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

BYTE PixelByte(DWORD nIndex, DWORD nTag) {
    return (BYTE)((nIndex * 7 + nTag * 13) >> 2);
}

int SaveCalendarOnce(const char* pszPath, const char* pszWidth, const char* pszTag) {
    AnswerPrinting(IDOK);
    LONG nWidth = (LONG)strtoul(pszWidth, nullptr, 10);
    DWORD nTag = (DWORD)strtoul(pszTag, nullptr, 10);
    DWORD dwBits = (DWORD)((24 * nWidth + 31) / 32 * 4 * nWidth);
    BYTE* pPacked = new BYTE[40 + dwBits]();
    BITMAPINFOHEADER header = {40, nWidth, nWidth, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    memcpy(pPacked, &header, sizeof header);
    for (DWORD i = 0; i < dwBits; ++i)
        pPacked[40 + i] = PixelByte(i, nTag);
    CAlmanarkDoc doc;
    if (!doc.m_dib.AttachMemory(pPacked, TRUE, nullptr, 40 + dwBits))
        return 4;
    doc.m_bHasImage = 1;
    doc.m_strImageFile = "picture.bmp";
    doc.m_strTitle = "Tag " + CString::FromInt((int)nTag);
    bool bSaved = doc.OnSaveDocument(pszPath);
    printf(bSaved ? "saved\n" : "not saved\n");
    return bSaved ? 0 : 3;
}

int OpenCalendarOnce(const char* pszPath, const char* pszAnswer) {
    AnswerPrinting(strcmp(pszAnswer, "yes") == 0 ? IDYES : IDNO);
    CAlmanarkDoc doc;
    if (!doc.OnOpenDocument(pszPath) || !doc.m_bHasImage) {
        printf("not opened\n");
        return 3;
    }
    DWORD nTag = (DWORD)atoi(doc.m_strTitle.Mid(4));
    for (DWORD i = 0; i < doc.m_dib.m_dwBitsSize; ++i)
        if (doc.m_dib.m_pBits[i] != PixelByte(i, nTag)) {
            printf("picture differs at %lu\n", (unsigned long)i);
            return 3;
        }
    printf("opened calendar %lu %ld\n", (unsigned long)nTag, (long)doc.m_dib.GetSize().cx);
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
    if (argc == 5 && strcmp(argv[1], "--save-calendar") == 0)
        return SaveCalendarOnce(argv[2], argv[3], argv[4]);
    if (argc == 4 && strcmp(argv[1], "--open-calendar") == 0)
        return OpenCalendarOnce(argv[2], argv[3]);
    if (argc == 4 && strcmp(argv[1], "--hold") == 0)
        return Hold(argv[2], argv[3]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
