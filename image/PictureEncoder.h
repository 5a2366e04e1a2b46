// CPictureEncoder: writes 24-bit pixels as a PNG, JPEG or TIFF file through
// the platform's imaging codecs, with the resolution recorded in the file.
#pragma once
#include <windows.h>

class CPictureEncoder {
public:
    enum Format { png, jpeg, tiff };

    // The format a file name asks for by its extension; png for any other.
    static Format FormatOfName(const char* pszPath);
    // Writes nHeight rows of nWidth BGR pixels, top row first, nStride
    // bytes apart, at nDpi dots per inch, into a new file at pszPath and
    // flushes it to the disk. 0, or the system's error (ERROR_DISK_FULL
    // for a full disk); the caller removes what was written.
    static DWORD Write(const char* pszPath, Format format, UINT nWidth, UINT nHeight,
                       const BYTE* pRows, UINT nStride, int nDpi);
};
