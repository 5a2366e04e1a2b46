// CDib: the calendar's one picture, a device-independent bitmap taken from
// memory, from a picture file's stored form or from a document, drawn
// stretched with GDI.
#pragma once
#include <windows.h>
#include "framework/Archive.h"
#include "framework/File.h"
#include "framework/Size.h"
#include "image/DibFormat.h"

class CDib {
public:
    // Who frees the header block.
    enum { ownerNone = 0, ownerHeap = 1, ownerGlobal = 2 };

    CDib();
    CDib(const CDib&) = delete;
    CDib& operator=(const CDib&) = delete;
    ~CDib();

    // Uses a packed bitmap (information header, colour table, pixels). With
    // bMustFree the block is freed by Clear: as a global block when hGlobal is
    // given (pHeader is then its locked address), else with delete[].
    // nLength, when known, is how many bytes the block holds from pHeader.
    // A block given to free is freed also when it is rejected.
    BOOL AttachMemory(void* pHeader, BOOL bMustFree, HGLOBAL hGlobal,
                      uint64_t nLength = CDibFormat::kUnknownLength);
    BOOL Read(CFile* pFile);
    // Takes over a picture read from its stored form; with a read error, or
    // nothing read, says "Read error" and stays empty.
    BOOL AttachStored(CStoredDib& stored, CDibFormat::Error nError);
    BOOL Write(CFile* pFile);
    void Serialize(CArchive& ar);

    BOOL Draw(HDC hDC, int x, int y, int cx, int cy);
    UINT ApplyPalette(HDC hDC, BOOL bBackground);
    BOOL BuildPalette();
    BOOL BuildHalftonePalette(HDC hDC);

    CSize GetSize() const;
    // Exchanges the pictures of two objects.
    void Swap(CDib& other);
    // A new number for every picture attached or read; 0 while empty.
    unsigned GetSerial() const { return m_nSerial; }
    bool IsEmpty() const { return m_pHeader == nullptr; }
    void Clear();

    RGBQUAD* m_pColors;
    BYTE* m_pBits;
    BITMAPINFOHEADER* m_pHeader;
    HGLOBAL m_hHeaderGlobal;
    int m_nHeaderOwner;
    int m_nBitsOwner;
    DWORD m_dwBitsSize;
    int m_nColors;
    HPALETTE m_hPal;

private:
    void TakeNewSerial();

    unsigned m_nSerial = 0;
};
