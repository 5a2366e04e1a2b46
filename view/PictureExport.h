// CPictureExport: File Save as Picture. The printing pass draws the page
// into a bitmap of the paper's size at 150, 300 or 600 dots per inch, with
// no grey surround, margin bands or trackers, and the bitmap is written as
// PNG, JPEG or TIFF through a temporary file renamed into place, as
// calendars are saved.
#pragma once
#include <cstdint>

#include "framework/Size.h"
#include "framework/String.h"

class CAlmanarkView;

class CPictureExport {
public:
    static const int kDefaultDpi = 300;

    explicit CPictureExport(CAlmanarkView& view) : m_view(view) {}
    // The resolution dialog, the file dialog, then the picture.
    void Run();
    // The paper's size in inches times nDpi; empty without a printer.
    CSize PixelSize(int nDpi) const;
    // The refusal of a picture past CPictureDecoder::kMaxPixelBytes; empty
    // when it fits.
    static CString TooLarge(const CSize& size);
    // Draws the page and writes it to strPath; false after a message.
    bool Save(const CString& strPath, int nDpi);

private:
    // The bytes of the 24-bit rows of a picture of that size.
    static uint64_t PixelBytes(const CSize& size);
    // The calendar's name, a file name for the picture.
    CString DefaultName() const;
    // Writes the rows through the temporary file; false after a message.
    bool WriteFile(const CString& strPath, const CSize& size, const void* pRows, int nDpi);

    CAlmanarkView& m_view;
};
