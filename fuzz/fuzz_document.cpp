// Loads a calendar file through the document's own parse, which reads the
// whole file before the document takes anything. Every input either loads
// or ends in an archive error; a loaded calendar must store and reload to the same bytes, and its
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

// Face names fit their field; the records hold what the font engine can use.
void CheckFonts(const CCalendarFile& file) {
    for (const CCalendarFont* pFont :
         {&file.m_weekday, &file.m_notes, &file.m_title, &file.m_date}) {
        const LOGFONT& lf = pFont->m_lf;
        if (pFont->m_strFace.GetLength() >= LF_FACESIZE ||
            memchr(lf.lfFaceName, 0, LF_FACESIZE) == nullptr ||
            strcmp(lf.lfFaceName, pFont->m_strFace) != 0)
            abort();
        if (lf.lfWidth < -1024 || lf.lfWidth > 1024 || lf.lfHeight < -16384 ||
            lf.lfHeight > 16384 || lf.lfEscapement <= -3600 || lf.lfEscapement >= 3600 ||
            lf.lfOrientation <= -3600 || lf.lfOrientation >= 3600 || lf.lfWeight < 0 ||
            lf.lfWeight > 1000 || lf.lfItalic > 1 || lf.lfUnderline > 1 || lf.lfStrikeOut > 1)
            abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    CCalendarFile file;
    if (!Load(pData, nSize, file))
        return 0;
    CheckFonts(file);
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
