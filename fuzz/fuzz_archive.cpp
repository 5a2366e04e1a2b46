// Reads a self-describing sequence: after a buffer-size byte, each value is
// preceded by a byte that picks its kind. Every string read must also survive
// a store and reload unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/Archive.h"
#include "framework/MemFile.h"

namespace {
// Small archive buffers: an input holds many strings, and buffers of the
// default size, allocated and cleared for each, would take most of the time.
void CheckStringRoundTrip(const CString& s) {
    CMemFile file;
    CArchive out(&file, CArchive::store, 64);
    out.WriteString(s);
    out.Close();
    file.SeekToBegin();
    CArchive in(&file, CArchive::load, 64);
    if (in.ReadString() != s || file.GetLength() < (uint64_t)s.GetLength() + 1)
        abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    if (nSize < 1)
        return 0;
    int nBufSize = 64 + pData[0] * 16;
    CMemFile file(pData + 1, nSize - 1);
    CArchive ar(&file, CArchive::load, nBufSize);
    try {
        for (;;) {
            switch (ar.ReadByte() % 8) {
            case 0:
                ar.ReadInt();
                break;
            case 1:
                ar.ReadShort();
                break;
            case 2:
                ar.ReadDouble();
                break;
            case 3: {
                LOGFONT lf;
                ar.ReadFont(lf);
                break;
            }
            case 4:
            case 5:
                CheckStringRoundTrip(ar.ReadString());
                break;
            case 6: {
                // Direct reads from the file between archive reads.
                unsigned nRaw = ar.ReadByte();
                ar.Flush();
                uint64_t nPos = ar.GetFile()->GetPosition();
                unsigned char raw[255];
                unsigned nRead = ar.GetFile()->Read(raw, nRaw);
                if (ar.GetFile()->GetPosition() != nPos + nRead)
                    abort();
                break;
            }
            default: {
                unsigned char block[300];
                ar.Read(block, ar.ReadByte() + 45u);
                break;
            }
            }
        }
    } catch (const CArchiveException& e) {
        if (e.m_cause != CArchiveException::endOfFile)
            abort();
    }
    return 0;
}
