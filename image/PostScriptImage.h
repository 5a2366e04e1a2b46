// CPostScriptImage: a 24-bit picture as the PostScript that draws it, made
// once and sent to a PostScript printer for every page that shows it. A
// PostScript driver encodes the pixels it is given again for every page;
// for a photograph at a printer's resolution that is most of the page's
// time, so a run of months sends the one encoding instead. The pixels are
// run-length and ASCII85 encoded, as the drivers write them. Portable.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class CPostScriptImage {
public:
    // Encodes cx x cy pixels of three bytes, blue first, in rows nStride
    // bytes apart from the bottom row up: the bits of a 24-bit DIB.
    void Encode(const uint8_t* pBits, int cx, int cy, size_t nStride);
    bool IsEmpty() const { return m_strBody.empty(); }
    void Clear();
    // What precedes the body to draw the picture into the rectangle of
    // cxDest x cyDest whose top-left corner is (x, y), in a driver's page
    // coordinates: device pixels, y growing downwards.
    std::string Head(int x, int y, int cxDest, int cyDest) const;
    // The encoded pixels and the end of the drawing, the same on every page.
    const std::string& Body() const { return m_strBody; }

private:
    int m_cx = 0;
    int m_cy = 0;
    std::string m_strBody;
};
