// Loads a calendar file. Every input either loads or ends in an archive
// error; a loaded calendar must store and reload to the same bytes, and its
// picture's claimed bytes must all be there.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "document/CalendarFile.h"
#include "framework/MemFile.h"

namespace {
volatile unsigned g_nSink;

void Touch(const BYTE* p, size_t n) {
    unsigned nSum = 0;
    for (size_t i = 0; i < n; i++)
        nSum += p[i];
    g_nSink = nSum;
}

bool Load(const void* pData, size_t nSize, CCalendarFile& file) {
    CMemFile mem(pData, nSize);
    CArchive ar(&mem, CArchive::load);
    try {
        file.Load(ar);
    } catch (const CArchiveException&) {
        return false;
    }
    return true;
}

std::vector<unsigned char> Store(const CCalendarFile& file) {
    CMemFile mem;
    CArchive ar(&mem, CArchive::store);
    file.Store(ar);
    ar.Close();
    return mem.Data();
}

void CheckFaces(const CCalendarFile& file) {
    for (const CCalendarFont* pFont : {&file.m_weekday, &file.m_notes, &file.m_title, &file.m_date})
        if (pFont->m_strFace.GetLength() >= LF_FACESIZE ||
            memchr(pFont->m_lf.lfFaceName, 0, LF_FACESIZE) == nullptr ||
            strcmp(pFont->m_lf.lfFaceName, pFont->m_strFace) != 0)
            abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    CCalendarFile file;
    if (!Load(pData, nSize, file))
        return 0;
    CheckFaces(file);
    if (file.m_bHasImage) {
        const CStoredDib& dib = file.m_picture;
        if (!dib.pHeader ||
            CDibFormat::kInfoHeaderSize + 4 * (size_t)dib.metrics.nColors > dib.nHeaderBytes)
            abort();
        Touch(dib.pHeader.get(), dib.nHeaderBytes);
        Touch(dib.pBits.get(), dib.metrics.dwBitsSize);
    }

    std::vector<unsigned char> first = Store(file);
    CCalendarFile again;
    if (!Load(first.data(), first.size(), again))
        abort();
    if (Store(again) != first)
        abort();
    return 0;
}
