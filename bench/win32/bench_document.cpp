// Saves and opens a calendar holding a 4000 x 3000 24-bit picture (36 MB)
// and copies a file of the same size, and prints the times and the ratios.
// The save and the open should each take at most 1.5 times the copy.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/AlmanarkApp.h"
#include "bench/win32/BenchClock.h"
#include "document/AlmanarkDoc.h"
#include "framework/ModalSeam.h"

namespace {
const LONG kWidth = 4000, kHeight = 3000;
const int kRounds = 9;

void Put(BYTE* p, DWORD n, int nBytes) {
    for (int i = 0; i < nBytes; ++i)
        p[i] = (BYTE)(n >> (8 * i));
}

// A packed 24-bit picture with varied pixels, so nothing is sparse.
BYTE* NewPicture(size_t& nLength) {
    DWORD dwBits = (DWORD)((24 * kWidth + 31) / 32 * 4 * kHeight);
    nLength = 40 + (size_t)dwBits;
    BYTE* p = new BYTE[nLength]();
    Put(p, 40, 4);
    Put(p + 4, (DWORD)kWidth, 4);
    Put(p + 8, (DWORD)kHeight, 4);
    Put(p + 12, 1, 2);
    Put(p + 14, 24, 2);
    DWORD x = 12345;
    for (DWORD i = 0; i < dwBits; ++i) {
        x = x * 1103515245u + 12345u;
        p[40 + i] = (BYTE)(x >> 16);
    }
    return p;
}

// Copies by reading and writing 1 MB blocks, as a plain program would.
bool CopyByBlocks(const char* pszFrom, const char* pszTo) {
    HANDLE hIn =
        ::CreateFileA(pszFrom, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    HANDLE hOut = ::CreateFileA(pszTo, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    bool bOK = hIn != INVALID_HANDLE_VALUE && hOut != INVALID_HANDLE_VALUE;
    std::vector<char> buf(1 << 20);
    DWORD nRead = 0, nWritten = 0;
    while (bOK && ::ReadFile(hIn, buf.data(), (DWORD)buf.size(), &nRead, nullptr) && nRead > 0)
        bOK = ::WriteFile(hOut, buf.data(), nRead, &nWritten, nullptr) && nWritten == nRead;
    if (hIn != INVALID_HANDLE_VALUE)
        ::CloseHandle(hIn);
    if (hOut != INVALID_HANDLE_VALUE)
        ::CloseHandle(hOut);
    return bOK;
}

// A save ends with its bytes on the disk; this is the copy that does too.
bool CopyAndFlush(const char* pszFrom, const char* pszTo) {
    if (!::CopyFileA(pszFrom, pszTo, FALSE))
        return false;
    HANDLE h = ::CreateFileA(pszTo, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    bool bOK = ::FlushFileBuffers(h) != 0;
    ::CloseHandle(h);
    return bOK;
}

} // namespace

int main() {
    CModalSeam::SetResponder([](CModalRequest& request) {
        fprintf(stderr, "unexpected message: %s\n", request.strText.c_str());
        return IDOK;
    });
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strDir = CString(szTemp) + "bench_document\\";
    ::CreateDirectoryA(strDir, nullptr);
    CString strDoc = strDir + "big.kal", strOpened = strDir + "opened.kal";
    CString strCopy = strDir + "copy.kal", strBlocks = strDir + "blocks.kal";

    CAlmanarkDoc doc;
    size_t nLength;
    BYTE* pPicture = NewPicture(nLength);
    if (!doc.m_dib.AttachMemory(pPicture, TRUE, nullptr, nLength))
        return 1;
    doc.m_bHasImage = 1;

    std::vector<double> save, open, copy, flushed, blocks;
    for (int i = 0; i < kRounds; ++i) {
        double t0 = BenchNow();
        if (!doc.OnSaveDocument(strDoc))
            return 1;
        double t1 = BenchNow();
        save.push_back(t1 - t0);
        {
            CAlmanarkDoc opened;
            double t2 = BenchNow();
            if (!opened.OnOpenDocument(strDoc) ||
                opened.m_dib.m_dwBitsSize != doc.m_dib.m_dwBitsSize)
                return 1;
            open.push_back(BenchNow() - t2);
        }
        theApp.m_pDoc = &doc;
        double t3 = BenchNow();
        if (!::CopyFileA(strDoc, strCopy, FALSE))
            return 1;
        double t4 = BenchNow();
        if (!CopyByBlocks(strDoc, strBlocks))
            return 1;
        double t5 = BenchNow();
        if (!CopyAndFlush(strDoc, strCopy))
            return 1;
        double t6 = BenchNow();
        copy.push_back(t4 - t3);
        blocks.push_back(t5 - t4);
        flushed.push_back(t6 - t5);
    }

    WIN32_FILE_ATTRIBUTE_DATA fad;
    ::GetFileAttributesExA(strDoc, GetFileExInfoStandard, &fad);
    double dCopy = MedianOf(copy);
    printf("calendar file: %lu bytes, median of %d rounds\n", (unsigned long)fad.nFileSizeLow,
           kRounds);
    double dFlushed = MedianOf(flushed);
    printf("save                 %7.1f ms  %.2f x copy  %.2f x copy with flush\n",
           1000 * MedianOf(save), MedianOf(save) / dCopy, MedianOf(save) / dFlushed);
    printf("open                 %7.1f ms  %.2f x copy\n", 1000 * MedianOf(open),
           MedianOf(open) / dCopy);
    printf("CopyFile             %7.1f ms\n", 1000 * dCopy);
    printf("CopyFile with flush  %7.1f ms\n", 1000 * dFlushed);
    printf("1 MB block copy      %7.1f ms\n", 1000 * MedianOf(blocks));
    for (const CString& s : {strDoc, strOpened, strCopy, strBlocks})
        ::DeleteFileA(s);
    ::RemoveDirectoryA(strDir);
    return 0;
}
