#include "view/NoteLines.h"

#include "framework/Dc.h"

namespace {
// Options DrawText gives its lines; any other means a call this class does
// not repeat faithfully.
const UINT kLineOptions = ETO_CLIPPED | ETO_OPAQUE | ETO_RTLREADING;

RECT Offset(RECT rc, int dx, int dy) {
    ::OffsetRect(&rc, dx, dy);
    return rc;
}
} // namespace

bool CNoteLines::IsPlain(CDC& dc) {
    return ::GetMapMode(dc) == MM_TEXT && ::GetTextCharacterExtra(dc) == 0 &&
           ::GetTextAlign(dc) == (TA_LEFT | TA_TOP | TA_NOUPDATECP) && ::GetLayout(dc) == 0 &&
           ::GetGraphicsMode(dc) == GM_COMPATIBLE;
}

void CNoteLines::Forget() {
    m_lines.clear();
    m_bRecorded = m_bTried = false;
}

bool CNoteLines::Record(CDC& dc, const CString& strText, const CRect& rcText, UINT nFormat) {
    Forget();
    m_bTried = true;
    if (!IsPlain(dc))
        return false;
    HDC hRecorder = ::CreateEnhMetaFileA(dc, nullptr, nullptr, nullptr);
    if (!hRecorder)
        return false;
    const HGDIOBJ hOldFont = ::SelectObject(hRecorder, ::GetCurrentObject(dc, OBJ_FONT));
    RECT rc = rcText;
    ::DrawTextA(hRecorder, strText, strText.GetLength(), &rc, nFormat);
    ::SelectObject(hRecorder, hOldFont);
    const HENHMETAFILE hRecording = ::CloseEnhMetaFile(hRecorder);
    m_bRecorded = hRecording && ::EnumEnhMetaFile(nullptr, hRecording, TakeRecord, this, nullptr);
    if (hRecording)
        ::DeleteEnhMetaFile(hRecording);
    if (!m_bRecorded)
        m_lines.clear();
    m_ptRecorded = {rcText.left, rcText.top};
    return m_bRecorded;
}

int CALLBACK CNoteLines::TakeRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int,
                                    LPARAM lParam) {
    return reinterpret_cast<CNoteLines*>(lParam)->Take(*pRecord) ? 1 : 0;
}

// Text lines and the selection of the recorder's font are all a plain
// DrawText leaves; anything else stops the enumeration and the recording
// is not used.
bool CNoteLines::Take(const ENHMETARECORD& record) {
    switch (record.iType) {
    case EMR_HEADER:
    case EMR_EOF:
    case EMR_EXTCREATEFONTINDIRECTW:
    case EMR_SELECTOBJECT:
    case EMR_DELETEOBJECT:
        return true;
    case EMR_EXTTEXTOUTW:
        break;
    default:
        return false;
    }
    const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW&>(record).emrtext;
    if ((text.fOptions & ~kLineOptions) != 0 || text.offString + text.nChars * 2 > record.nSize)
        return false;
    Line line;
    line.ptOrigin = {text.ptlReference.x, text.ptlReference.y};
    line.nOptions = text.fOptions;
    line.rcClip = {text.rcl.left, text.rcl.top, text.rcl.right, text.rcl.bottom};
    const auto* pChars =
        reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(&record) + text.offString);
    line.str.assign(pChars, text.nChars);
    m_lines.push_back(std::move(line));
    return true;
}

void CNoteLines::Draw(CDC& dc, const CRect& rcText) const {
    const int dx = rcText.left - m_ptRecorded.x, dy = rcText.top - m_ptRecorded.y;
    for (const Line& line : m_lines) {
        const RECT rcClip = Offset(line.rcClip, dx, dy);
        ::ExtTextOutW(dc, line.ptOrigin.x + dx, line.ptOrigin.y + dy, line.nOptions,
                      line.nOptions & (ETO_CLIPPED | ETO_OPAQUE) ? &rcClip : nullptr,
                      line.str.data(), UINT(line.str.size()), nullptr);
    }
}
