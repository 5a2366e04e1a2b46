// The resources compiled into the program: every dialog template as the
// dialog manager builds it (controls, classes, styles, texts, positions and a
// layout in which nothing overlaps or is cut off), the menu, accelerators,
// strings and icons.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>
#include "resources/resource.h"

namespace {

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

// ---------------------------------------------------------------------------
// Template headers, read from the raw resource.

struct ItemInfo {
    DWORD style;
    int id, x, y, cx, cy;
};

struct TemplateInfo {
    bool bEx = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    int cx = 0;
    int cy = 0;
    std::string caption;
    int pointSize = 0;
    std::string face;
    std::vector<ItemInfo> items; // in creation order
};

std::string ReadWide(const WORD*& p) {
    std::string s;
    while (*p)
        s += static_cast<char>(*p++);
    ++p;
    return s;
}

void SkipNameOrOrdinal(const WORD*& p) {
    if (*p == 0xFFFF)
        p += 2;
    else
        ReadWide(p);
}

bool ReadTemplate(int id, TemplateInfo& info) {
    HRSRC res = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /*RT_DIALOG*/);
    if (!res)
        return false;
    const WORD* p = static_cast<const WORD*>(LockResource(LoadResource(Module(), res)));
    auto dword = [&p]() {
        DWORD v = p[0] | (DWORD(p[1]) << 16);
        p += 2;
        return v;
    };
    info.bEx = p[0] == 1 && p[1] == 0xFFFF;
    if (info.bEx) {
        p += 2;
        dword(); // help id
        info.exStyle = dword();
        info.style = dword();
    } else {
        info.style = dword();
        info.exStyle = dword();
    }
    int count = *p;
    p += 3; // item count, x, y
    info.cx = static_cast<short>(*p++);
    info.cy = static_cast<short>(*p++);
    SkipNameOrOrdinal(p); // menu
    SkipNameOrOrdinal(p); // class
    info.caption = ReadWide(p);
    if (info.style & DS_SETFONT) {
        info.pointSize = *p++;
        if (info.bEx)
            p += 2; // weight, italic, charset
        info.face = ReadWide(p);
    }
    for (int i = 0; i < count; ++i) {
        p = reinterpret_cast<const WORD*>((reinterpret_cast<UINT_PTR>(p) + 3) & ~UINT_PTR(3));
        ItemInfo item;
        if (info.bEx) {
            p += 4; // help id, extended style
            item.style = dword();
        } else {
            item.style = dword();
            p += 2; // extended style
        }
        item.x = static_cast<short>(*p++);
        item.y = static_cast<short>(*p++);
        item.cx = static_cast<short>(*p++);
        item.cy = static_cast<short>(*p++);
        item.id = info.bEx ? static_cast<int>(dword()) : static_cast<short>(*p++);
        SkipNameOrOrdinal(p); // class
        SkipNameOrOrdinal(p); // text
        WORD extra = *p++;
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + extra);
        info.items.push_back(item);
    }
    return true;
}

// ---------------------------------------------------------------------------
// A template created as the program creates it; child templates get a hidden
// top-level host.

INT_PTR CALLBACK PassiveProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

class Dialog {
public:
    explicit Dialog(int id) : m_id(id) {
        m_host = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr,
                                 nullptr, Module(), nullptr);
        m_hWnd = CreateDialogParamA(Module(), MAKEINTRESOURCEA(id), m_host, PassiveProc, 0);
    }
    ~Dialog() {
        if (m_hWnd)
            DestroyWindow(m_hWnd);
        DestroyWindow(m_host);
    }
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    operator HWND() const { return m_hWnd; }
    int TemplateId() const { return m_id; }

private:
    int m_id;
    HWND m_host = nullptr;
    HWND m_hWnd = nullptr;
};

std::string ClassOf(HWND h) {
    char buf[64] = "";
    GetClassNameA(h, buf, sizeof buf);
    return buf;
}

std::string TextOf(HWND h) {
    char buf[256] = "";
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

DWORD StyleOf(HWND h) {
    return static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE));
}

bool IsStaticId(HWND h) {
    int id = GetDlgCtrlID(h);
    return id == IDC_STATIC || id == 0xFFFF;
}

std::vector<HWND> Children(HWND dlg) {
    std::vector<HWND> out;
    for (HWND h = GetWindow(dlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        out.push_back(h);
    return out;
}

RECT RectIn(HWND dlg, HWND ctl) {
    RECT rc;
    GetWindowRect(ctl, &rc);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

int ButtonType(HWND h) {
    return StyleOf(h) & BS_TYPEMASK;
}
bool IsButtonOf(HWND h, int type) {
    return ClassOf(h) == "Button" && ButtonType(h) == type;
}
bool IsGroupBox(HWND h) {
    return IsButtonOf(h, BS_GROUPBOX);
}

// ---------------------------------------------------------------------------
// Expected controls.

enum { ANY = -1 };

struct Ctl {
    int id;           // IDC_STATIC: matched by class, kind and text
    const char* cls;  // window class
    int kind;         // button, static or combo type (masked), or ANY
    DWORD on;         // style bits the template must set
    DWORD off;        // style bits the template must not set
    const char* text; // nullptr: not compared
    int x, y, cx, cy; // dialog units; cx 0: not compared
};

int KindOf(HWND h) {
    std::string cls = ClassOf(h);
    if (cls == "Button")
        return ButtonType(h);
    if (cls == "Static")
        return StyleOf(h) & SS_TYPEMASK;
    if (cls == "ComboBox")
        return StyleOf(h) & 3;
    return ANY;
}

HWND FindControl(HWND dlg, const Ctl& c, std::set<HWND>& used) {
    if (c.id != IDC_STATIC) {
        HWND h = GetDlgItem(dlg, c.id);
        return h && GetParent(h) == dlg ? h : nullptr;
    }
    for (HWND h : Children(dlg)) {
        if (!used.count(h) && IsStaticId(h) && _stricmp(ClassOf(h).c_str(), c.cls) == 0 &&
            (c.kind == ANY || KindOf(h) == c.kind) && (!c.text || TextOf(h) == c.text)) {
            used.insert(h);
            return h;
        }
    }
    return nullptr;
}

int Scaled(HWND dlg, int dluX, int dluY) {
    RECT rc = {dluX, dluY, 0, 0};
    MapDialogRect(dlg, &rc);
    return dluX ? rc.left : rc.top;
}

// Every control of the table exists as described and the dialog has no other.
// Styles are read from the template: the controls change some of theirs at
// run time (a list box drops WS_VSCROLL while it needs no scroll bar).
void ExpectControls(const Dialog& dlg, const std::vector<Ctl>& table) {
    ASSERT_TRUE(dlg != nullptr);
    TemplateInfo info;
    ASSERT_TRUE(ReadTemplate(dlg.TemplateId(), info));
    std::vector<HWND> children = Children(dlg);
    ASSERT_EQ(info.items.size(), children.size());
    std::set<HWND> used;
    for (const Ctl& c : table) {
        SCOPED_TRACE(testing::Message() << "control " << c.id << " " << (c.text ? c.text : ""));
        HWND h = FindControl(dlg, c, used);
        ASSERT_TRUE(h != nullptr);
        used.insert(h);
        EXPECT_STRCASEEQ(c.cls, ClassOf(h).c_str());
        if (c.kind != ANY) {
            EXPECT_EQ(c.kind, KindOf(h));
        }
        const ItemInfo& item =
            info.items[std::find(children.begin(), children.end(), h) - children.begin()];
        EXPECT_EQ(GetDlgCtrlID(h) & 0xFFFF, item.id & 0xFFFF) << "not in template order";
        EXPECT_EQ(c.on, item.style & c.on);
        EXPECT_EQ(0u, item.style & c.off);
        if (c.text) {
            EXPECT_EQ(std::string(c.text), TextOf(h));
        }
        if (c.cx) {
            EXPECT_EQ(c.x, item.x);
            EXPECT_EQ(c.y, item.y);
            EXPECT_EQ(c.cx, item.cx);
            EXPECT_EQ(c.cy, item.cy);
            // Combo boxes and list boxes of whole lines choose their own height.
            RECT got = RectIn(dlg, h);
            EXPECT_EQ(Scaled(dlg, c.x, 0), got.left);
            EXPECT_EQ(Scaled(dlg, 0, c.y), got.top);
            EXPECT_EQ(Scaled(dlg, c.cx, 0), got.right - got.left);
        }
    }
    EXPECT_EQ(table.size(), children.size());
}

// ---------------------------------------------------------------------------
// Layout: what the user sees fits and nothing overlaps.

bool Shown(HWND h) {
    return (StyleOf(h) & WS_VISIBLE) != 0;
}

bool Intersect(const RECT& a, const RECT& b) {
    RECT r;
    return IntersectRect(&r, &a, &b) != 0;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Frames stacked one above the other may share their border line.
bool SharesEdge(const RECT& a, const RECT& b) {
    RECT r;
    IntersectRect(&r, &a, &b);
    return r.bottom - r.top <= 2 && r.left == std::max(a.left, b.left) &&
           r.right == std::min(a.right, b.right);
}

std::string Name(HWND h) {
    return std::to_string(GetDlgCtrlID(h) & 0xFFFF) + " \"" + TextOf(h) + "\"";
}

// Shown controls lie inside the dialog, do not overlap one another, and lie
// either wholly inside or wholly outside each shown group box.
// Up-down arrows stand on the border of the edit they belong to.
bool IsBuddyPair(HWND a, HWND b) {
    auto buddyOf = [](HWND h) {
        return ClassOf(h) == UPDOWN_CLASSA ? (HWND)SendMessageA(h, UDM_GETBUDDY, 0, 0) : nullptr;
    };
    return buddyOf(a) == b || buddyOf(b) == a;
}

void ExpectTidyLayout(HWND dlg) {
    RECT client;
    GetClientRect(dlg, &client);
    std::vector<HWND> shown;
    for (HWND h : Children(dlg))
        if (Shown(h))
            shown.push_back(h);
    for (size_t i = 0; i < shown.size(); ++i) {
        RECT a = RectIn(dlg, shown[i]);
        EXPECT_TRUE(Contains(client, a)) << Name(shown[i]) << " leaves the dialog";
        for (size_t j = i + 1; j < shown.size(); ++j) {
            RECT b = RectIn(dlg, shown[j]);
            bool ga = IsGroupBox(shown[i]), gb = IsGroupBox(shown[j]);
            if (!Intersect(a, b) || IsBuddyPair(shown[i], shown[j]))
                continue;
            if (ga && !gb) {
                EXPECT_TRUE(Contains(a, b)) << Name(shown[j]) << " straddles " << Name(shown[i]);
            } else if (gb && !ga) {
                EXPECT_TRUE(Contains(b, a)) << Name(shown[i]) << " straddles " << Name(shown[j]);
            } else if (ga && gb) {
                EXPECT_TRUE(Contains(a, b) || Contains(b, a) || SharesEdge(a, b))
                    << Name(shown[i]) << " crosses " << Name(shown[j]);
            } else {
                ADD_FAILURE() << Name(shown[i]) << " overlaps " << Name(shown[j]);
            }
        }
    }
}

// Width of the inked pixels and height of the line of the text in the
// control's font: a glyph's advance may end in blank columns that can be cut.
SIZE TextSize(HWND h, const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)));
    UINT prefix = (ClassOf(h) == "Static" && (StyleOf(h) & SS_NOPREFIX)) ? DT_NOPREFIX : 0;
    RECT rc = {0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &rc, DT_CALCRECT | DT_SINGLELINE | prefix);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = rc.right + 8;
    bi.bmiHeader.biHeight = -rc.bottom;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBmp = SelectObject(dc, bmp);
    RECT all = {0, 0, rc.right + 8, rc.bottom};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.c_str(), -1, &rc, DT_SINGLELINE | prefix);
    GdiFlush();
    int ink = 0;
    const DWORD* px = static_cast<const DWORD*>(bits);
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right + 8; ++x)
            if ((px[y * (rc.right + 8) + x] & 0xFFFFFF) != 0xFFFFFF)
                ink = std::max(ink, x + 1);
    SelectObject(dc, oldBmp);
    SelectObject(dc, oldFont);
    DeleteObject(bmp);
    DeleteDC(dc);
    return {ink, rc.bottom};
}

// The control shows text in full: room for the text beside a check box, inside
// a button's border, or in a group box's frame.
void ExpectTextFits(HWND h, const std::string& text) {
    SIZE t = TextSize(h, text);
    RECT rc;
    GetClientRect(h, &rc);
    int room = rc.right;
    std::string cls = ClassOf(h);
    if (cls == "Button") {
        int type = ButtonType(h);
        if (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON || type == BS_CHECKBOX ||
            type == BS_RADIOBUTTON)
            room -= GetSystemMetrics(SM_CXMENUCHECK) + 3;
        else if (type == BS_GROUPBOX)
            room -= 16;
        else
            room -= 8;
    }
    EXPECT_LE(t.cx, room) << "\"" << text << "\" is cut off in " << Name(h);
    if (!IsGroupBox(h)) {
        EXPECT_LE(t.cy, rc.bottom) << "\"" << text << "\" is too tall for " << Name(h);
    }
}

// Every text of the dialog, and the other texts the program gives controls
// while it runs, fit their controls.
void ExpectTextsFit(HWND dlg, const std::multimap<int, std::string>& runtimeTexts = {}) {
    for (HWND h : Children(dlg)) {
        std::string cls = ClassOf(h);
        if ((cls == "Button" || (cls == "Static" && KindOf(h) <= SS_RIGHT)) && !TextOf(h).empty())
            ExpectTextFits(h, TextOf(h));
    }
    for (const auto& [id, text] : runtimeTexts) {
        HWND h = GetDlgItem(dlg, id);
        ASSERT_TRUE(h != nullptr) << id;
        ExpectTextFits(h, text);
    }
}

// The ids that keyboard navigation reaches from the first one of a group,
// in order, until it comes back round.
std::vector<int> GroupOf(HWND dlg, int firstId) {
    std::vector<int> ids;
    HWND first = GetDlgItem(dlg, firstId);
    HWND h = first;
    do {
        ids.push_back(GetDlgCtrlID(h));
        h = GetNextDlgGroupItem(dlg, h, FALSE);
    } while (h && h != first && ids.size() < 40);
    return ids;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

const DWORD kChildPage = WS_CHILD | DS_CONTROL;
const DWORD kNoFrame = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_POPUP | WS_BORDER | WS_THICKFRAME;

} // namespace

// ===========================================================================

TEST(DialogTemplates, HeadersGiveKindSizeCaptionAndFont) {
    struct Want {
        int id;
        bool bEx;
        DWORD on, off;
        int cx, cy; // 0: free
        const char* caption;
    };
    const DWORD popup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const Want wants[] = {
        {IDD_ABOUTBOX, false, popup, WS_CHILD, 0, 0, "About Almanark"},
        {IDD_PANELBAR, false, WS_CHILD, kNoFrame, 128, 225, ""},
        {IDD_CALENDAR_PAGE, false, kChildPage, kNoFrame, 128, 225, ""},
        {IDD_STYLE_PAGE, false, kChildPage, kNoFrame, 128, 225, ""},
        {IDD_IMAGE_PAGE, false, kChildPage, kNoFrame, 128, 225, ""},
        {IDD_EVENTS_PAGE, true, kChildPage, kNoFrame, 128, 227, ""},
        {IDD_INSERT_DATE, false, popup, WS_CHILD, 184, 192, "Insert Date"},
        {IDD_SPECIFIC_DATE, false, kChildPage, kNoFrame, 184, 133, ""},
        {IDD_CALCULATED_DATE, false, kChildPage, kNoFrame, 184, 131, ""},
        {IDD_HOLIDAYS, false, kChildPage, kNoFrame, 182, 133, ""},
        {IDD_OPTIONS, false, popup, WS_CHILD, 0, 0, "Options"},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(testing::Message() << "dialog " << w.id);
        TemplateInfo info;
        ASSERT_TRUE(ReadTemplate(w.id, info));
        EXPECT_EQ(w.bEx, info.bEx);
        EXPECT_EQ(w.on, info.style & w.on);
        EXPECT_EQ(0u, info.style & w.off);
        if (w.cx) {
            EXPECT_EQ(w.cx, info.cx);
            EXPECT_EQ(w.cy, info.cy);
        }
        EXPECT_EQ(w.caption, info.caption);
        EXPECT_EQ(8, info.pointSize);
        EXPECT_EQ("MS Sans Serif", info.face);
        // Only the Events page keeps its creation from its parent's notice.
        EXPECT_EQ(w.id == IDD_EVENTS_PAGE ? DWORD(WS_EX_NOPARENTNOTIFY) : 0u,
                  info.exStyle & WS_EX_NOPARENTNOTIFY);
    }
}

TEST(DialogTemplates, AboutBoxShowsIconVersionAndOk) {
    Dialog dlg(IDD_ABOUTBOX);
    ExpectControls(dlg,
                   {
                       {IDC_STATIC, "Static", SS_ICON, 0, 0, nullptr, 0, 0, 0, 0},
                       {IDC_STATIC, "Static", SS_LEFT, 0, 0, "Almanark Version 1.1", 0, 0, 0, 0},
                       {IDOK, "Button", BS_DEFPUSHBUTTON, WS_TABSTOP, 0, "OK", 0, 0, 0, 0},
                   });
    for (HWND h : Children(dlg)) {
        if (KindOf(h) == SS_ICON && ClassOf(h) == "Static") {
            EXPECT_TRUE(SendMessageA(h, STM_GETICON, 0, 0) != 0) << "no icon shown";
        }
    }
    ExpectTidyLayout(dlg);
    ExpectTextsFit(dlg);
}

TEST(DialogTemplates, PanelBarHoldsOnlyTheFixedWidthTabs) {
    Dialog dlg(IDD_PANELBAR);
    ExpectControls(dlg, {
                            {IDC_PANEL_TABS, WC_TABCONTROLA, ANY, TCS_FIXEDWIDTH | WS_TABSTOP, 0,
                             nullptr, 0, 0, 128, 225},
                        });
}

TEST(DialogTemplates, CalendarPage) {
    Dialog dlg(IDD_CALENDAR_PAGE);
    const DWORD hidden = WS_VISIBLE;
    ExpectControls(
        dlg,
        {
            {IDC_MONTH, "ComboBox", CBS_DROPDOWNLIST, WS_TABSTOP, CBS_SORT, nullptr, 0, 0, 0, 0},
            {IDC_YEAR, "ComboBox", CBS_DROPDOWNLIST, WS_TABSTOP, CBS_SORT, nullptr, 0, 0, 0, 0},
            {IDC_DAY_NUMBERS_LABEL, "Static", ANY, 0, 0, "Day Numbers", 0, 0, 0, 0},
            {IDC_DAY_SWAP, "Button", BS_PUSHBUTTON, WS_TABSTOP, 0, "Right", 0, 0, 0, 0},
            {IDC_DAY_NOTES_GROUP, "Button", BS_GROUPBOX, 0, 0, "Day Notes", 0, 0, 0, 0},
            {IDC_NOTE, "Edit", ANY, ES_MULTILINE | ES_WANTRETURN | WS_BORDER | WS_TABSTOP, 0, "", 0,
             0, 0, 0},
            {IDC_NOTE_CANCEL, "Button", BS_PUSHBUTTON, 0, 0, "Cancel", 0, 0, 0, 0},
            {IDC_NOTE_ENTER, "Button", BS_PUSHBUTTON, 0, 0, "Enter", 0, 0, 0, 0},
            {IDC_FULL_TEXT, "Edit", ANY, ES_MULTILINE | ES_READONLY | WS_BORDER, hidden, "", 0, 0,
             0, 0},
            {IDC_DOC_KIND, "Button", BS_PUSHBUTTON, 0, 0, "Year", 0, 0, 0, 0},
            {IDC_ORIENTATION, "Button", BS_PUSHBUTTON, 0, 0, "Portrait", 0, 0, 0, 0},
            {IDC_CAL_FULL_WIDTH, "Button", BS_PUSHBUTTON, 0, 0, "Full Width", 0, 0, 0, 0},
            {IDC_CAL_HALF_WIDTH, "Button", BS_PUSHBUTTON, 0, 0, "Half Width", 0, 0, 0, 0},
            {IDC_CAL_FULL_HEIGHT, "Button", BS_PUSHBUTTON, 0, 0, "Full Height", 0, 0, 0, 0},
            {IDC_CAL_HALF_HEIGHT, "Button", BS_PUSHBUTTON, 0, 0, "Half Height", 0, 0, 0, 0},
            {IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, "Horizontal", 0, 0, 0, 0},
            {IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, "Vertical", 0, 0, 0, 0},
            {IDC_ARRANGE_GROUP, "Button", BS_GROUPBOX, 0, hidden, "Arrange", 0, 0, 0, 0},
            {IDC_ARRANGE_3X4, "Button", BS_AUTORADIOBUTTON, WS_GROUP, hidden, "3x4", 0, 0, 0, 0},
            {IDC_ARRANGE_4X3, "Button", BS_AUTORADIOBUTTON, 0, hidden, "4x3", 0, 0, 0, 0},
            {IDC_ARRANGE_2X6, "Button", BS_AUTORADIOBUTTON, 0, hidden, "2x6", 0, 0, 0, 0},
            {IDC_ARRANGE_6X2, "Button", BS_AUTORADIOBUTTON, 0, hidden, "6x2", 0, 0, 0, 0},
        });

    // The tall pop-up covers the note edit: same place, 156 units high, and
    // above every other control.
    RECT note = RectIn(dlg, GetDlgItem(dlg, IDC_NOTE));
    RECT full = RectIn(dlg, GetDlgItem(dlg, IDC_FULL_TEXT));
    RECT tall = {0, 0, 0, 156};
    MapDialogRect(dlg, &tall);
    EXPECT_EQ(note.left, full.left);
    EXPECT_EQ(note.top, full.top);
    EXPECT_EQ(note.right, full.right);
    EXPECT_EQ(tall.bottom, full.bottom - full.top);
    EXPECT_EQ(GetDlgItem(dlg, IDC_FULL_TEXT), GetWindow(dlg, GW_CHILD));
    RECT client;
    GetClientRect(dlg, &client);
    EXPECT_TRUE(Contains(client, full));

    const std::multimap<int, std::string> toggles = {
        {IDC_DAY_SWAP, "Left"}, {IDC_DOC_KIND, "Month"}, {IDC_ORIENTATION, "Landscape"}};
    {
        SCOPED_TRACE("month document");
        ExpectTidyLayout(dlg);
        ExpectTextsFit(dlg, toggles);
    }
    {
        SCOPED_TRACE("year document");
        for (int id : {IDC_NOTE_ENTER, IDC_MONTH, IDC_NOTE, IDC_DAY_NUMBERS_LABEL,
                       IDC_DAY_NOTES_GROUP, IDC_NOTE_CANCEL, IDC_DAY_SWAP})
            ShowWindow(GetDlgItem(dlg, id), SW_HIDE);
        for (int id = IDC_ARRANGE_GROUP; id <= IDC_ARRANGE_6X2; ++id)
            ShowWindow(GetDlgItem(dlg, id), SW_SHOW);
        EXPECT_EQ(Range(IDC_ARRANGE_3X4, IDC_ARRANGE_6X2), GroupOf(dlg, IDC_ARRANGE_3X4));
        ExpectTidyLayout(dlg);
        ExpectTextsFit(dlg, toggles);
    }
}

TEST(DialogTemplates, CalendarPageMonthListComesFromInitialisationData) {
    HRSRC res =
        FindResourceA(Module(), MAKEINTRESOURCEA(IDD_CALENDAR_PAGE), MAKEINTRESOURCEA(RT_DLGINIT));
    ASSERT_TRUE(res != nullptr);
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(Module(), res)));
    const BYTE* end = p + SizeofResource(Module(), res);

    Dialog dlg(IDD_CALENDAR_PAGE);
    int records = 0;
    while (p + 2 <= end) {
        WORD id = *reinterpret_cast<const WORD*>(p);
        if (id == 0)
            break;
        ASSERT_LE(p + 8, end);
        WORD msg = *reinterpret_cast<const WORD*>(p + 2);
        DWORD len = *reinterpret_cast<const DWORD*>(p + 4);
        const char* data = reinterpret_cast<const char*>(p + 8);
        ASSERT_LE(p + 8 + len, end);
        EXPECT_EQ(IDC_MONTH, id);
        EXPECT_EQ(CB_ADDSTRING, msg);
        EXPECT_EQ(strlen(data) + 1, len) << data;
        SendDlgItemMessageA(dlg, id, msg, 0, reinterpret_cast<LPARAM>(data));
        p += 8 + len;
        ++records;
    }
    EXPECT_EQ(12, records);

    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    ASSERT_EQ(12, SendDlgItemMessageA(dlg, IDC_MONTH, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < 12; ++i) {
        char buf[32] = "";
        SendDlgItemMessageA(dlg, IDC_MONTH, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
        EXPECT_STREQ(months[i], buf) << "index " << i;
    }
}

TEST(DialogTemplates, StylePage) {
    Dialog dlg(IDD_STYLE_PAGE);
    ExpectControls(
        dlg, {
                 {IDC_WEEKDAY_GROUP, "Button", BS_GROUPBOX, 0, 0, "Days of the Week", 0, 0, 0, 0},
                 {IDC_WEEKDAY_FONT, "Button", BS_PUSHBUTTON, WS_TABSTOP, 0, "Font", 0, 0, 0, 0},
                 {IDC_NOTES_GROUP, "Button", BS_GROUPBOX, 0, 0, "Day Notes", 0, 0, 0, 0},
                 {IDC_NOTES_FONT, "Button", BS_PUSHBUTTON, 0, 0, "Font", 0, 0, 0, 0},
                 {IDC_NOTES_LARGE, "Button", BS_AUTOCHECKBOX, WS_TABSTOP, 0, "Large", 0, 0, 0, 0},
                 {IDC_TITLE_GROUP, "Button", BS_GROUPBOX, 0, 0, "Title", 0, 0, 0, 0},
                 {IDC_TITLE, "Edit", ANY, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, ES_MULTILINE, "",
                  0, 0, 0, 0},
                 {IDC_TITLE_FONT, "Button", BS_PUSHBUTTON, 0, 0, "Font", 0, 0, 0, 0},
                 {IDC_TITLE_LARGE, "Button", BS_AUTOCHECKBOX, 0, 0, "Large", 0, 0, 0, 0},
                 {IDC_DATE_GROUP, "Button", BS_GROUPBOX, 0, 0, "Month and Year", 0, 0, 0, 0},
                 {IDC_DATE_LEFT, "Button", BS_AUTORADIOBUTTON, WS_GROUP | WS_TABSTOP, 0, "Left", 0,
                  0, 0, 0},
                 {IDC_DATE_RIGHT, "Button", BS_AUTORADIOBUTTON, 0, 0, "Right", 0, 0, 0, 0},
                 {IDC_DATE_CENTER, "Button", BS_AUTORADIOBUTTON, 0, 0, "Center", 0, 0, 0, 0},
                 {IDC_DATE_SPLIT, "Button", BS_AUTORADIOBUTTON, 0, 0, "Split", 0, 0, 0, 0},
                 {IDC_DATE_SWAP, "Button", BS_PUSHBUTTON, 0, 0, "Swap", 0, 0, 0, 0},
                 {IDC_DATE_FONT, "Button", BS_PUSHBUTTON, 0, 0, "Font", 0, 0, 0, 0},
                 {IDC_DATE_LARGE, "Button", BS_AUTOCHECKBOX, 0, 0, "Large", 0, 0, 0, 0},
             });
    EXPECT_EQ(Range(IDC_DATE_LEFT, IDC_DATE_SPLIT), GroupOf(dlg, IDC_DATE_LEFT));
    ExpectTidyLayout(dlg);
    ExpectTextsFit(dlg, {{IDC_WEEKDAY_GROUP, "Months"},
                         {IDC_NOTES_GROUP, "Days"},
                         {IDC_DATE_GROUP, "Year and Month"},
                         {IDC_DATE_GROUP, "Year"}});
}

TEST(DialogTemplates, ImagePage) {
    Dialog dlg(IDD_IMAGE_PAGE);
    ExpectControls(
        dlg, {
                 {IDC_STATIC, "Static", SS_LEFT, 0, 0, "Bitmap filename:", 0, 0, 0, 0},
                 {IDC_IMAGE_FILE, "Static", SS_CENTER, SS_SUNKEN | SS_NOPREFIX, 0, "", 0, 0, 0, 0},
                 {IDC_IMAGE_NEW, "Button", BS_PUSHBUTTON, WS_TABSTOP, 0, "New", 0, 0, 0, 0},
                 {IDC_IMAGE_DELETE, "Button", BS_PUSHBUTTON, WS_TABSTOP, 0, "Delete", 0, 0, 0, 0},
                 {IDC_IMAGE_SHOWS_THROUGH, "Button", BS_AUTOCHECKBOX, WS_TABSTOP, 0,
                  "Image shows through calendar", 0, 0, 0, 0},
                 {IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, "Image Position", 0, 0, 0, 0},
                 {IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, "Horizontal", 0, 0, 0, 0},
                 {IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, "Vertical", 0, 0, 0, 0},
                 {IDC_IMG_FULL_WIDTH, "Button", BS_PUSHBUTTON, 0, 0, "Full Width", 0, 0, 0, 0},
                 {IDC_IMG_FILL_WIDTH, "Button", BS_PUSHBUTTON, 0, 0, "Fill", 0, 0, 0, 0},
                 {IDC_IMG_CENTER_H, "Button", BS_PUSHBUTTON, 0, 0, "Center", 0, 0, 0, 0},
                 {IDC_IMG_FULL_HEIGHT, "Button", BS_PUSHBUTTON, 0, 0, "Full Height", 0, 0, 0, 0},
                 {IDC_IMG_FILL_HEIGHT, "Button", BS_PUSHBUTTON, 0, 0, "Fill", 0, 0, 0, 0},
                 {IDC_IMG_CENTER_V, "Button", BS_PUSHBUTTON, 0, 0, "Center", 0, 0, 0, 0},
             });
    // Horizontal buttons sit in the "Horizontal" box, vertical ones in "Vertical".
    std::map<std::string, RECT> boxes;
    for (HWND h : Children(dlg))
        if (IsGroupBox(h))
            boxes[TextOf(h)] = RectIn(dlg, h);
    for (int id : {IDC_IMG_FULL_WIDTH, IDC_IMG_FILL_WIDTH, IDC_IMG_CENTER_H})
        EXPECT_TRUE(Contains(boxes["Horizontal"], RectIn(dlg, GetDlgItem(dlg, id)))) << id;
    for (int id : {IDC_IMG_FULL_HEIGHT, IDC_IMG_FILL_HEIGHT, IDC_IMG_CENTER_V})
        EXPECT_TRUE(Contains(boxes["Vertical"], RectIn(dlg, GetDlgItem(dlg, id)))) << id;
    EXPECT_TRUE(Contains(boxes["Image Position"], boxes["Horizontal"]));
    EXPECT_TRUE(Contains(boxes["Image Position"], boxes["Vertical"]));
    ExpectTidyLayout(dlg);
    ExpectTextsFit(dlg, {{IDC_IMAGE_FILE, "no image loaded"}});
}

TEST(DialogTemplates, EventsPage) {
    Dialog dlg(IDD_EVENTS_PAGE);
    const DWORD list = LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_USETABSTOPS | WS_BORDER | WS_VSCROLL |
                       WS_HSCROLL | WS_TABSTOP;
    ExpectControls(
        dlg,
        {
            {IDC_STATIC, "Static", SS_LEFT, 0, 0, "Event File (type name)", 6, 7, 116, 8},
            {IDC_EVENT_FILE, "ComboBox", CBS_DROPDOWN, CBS_SORT | CBS_AUTOHSCROLL | WS_TABSTOP, 0,
             nullptr, 6, 16, 79, 62},
            {IDC_FILE_BUTTON, "Button", BS_PUSHBUTTON, WS_TABSTOP, 0, "Delete", 90, 16, 31, 12},
            {IDC_STATIC, "Static", SS_LEFT, 0, 0, "Date", 16, 33, 16, 8},
            {IDC_STATIC, "Static", SS_LEFT, 0, 0, "Caption", 73, 33, 24, 8},
            {IDC_DATE_LIST, "ListBox", ANY, list, LBS_SORT | LBS_MULTIPLESEL, nullptr, 5, 42, 118,
             122},
            {IDC_INSERT_DATE, "Button", BS_PUSHBUTTON, 0, 0, "Insert Date", 5, 167, 50, 13},
            {IDC_REMOVE_DATE, "Button", BS_PUSHBUTTON, 0, 0, "Remove Date", 72, 167, 50, 13},
            {IDC_SORT_LIST, "ListBox", ANY, LBS_SORT, WS_VISIBLE, nullptr, 40, 206, 48, 9},
        });
    ExpectTidyLayout(dlg);
    ExpectTextsFit(dlg, {{IDC_FILE_BUTTON, "Load"}, {IDC_FILE_BUTTON, "Save"}});
}

TEST(DialogTemplates, InsertDateDialog) {
    Dialog dlg(IDD_INSERT_DATE);
    ExpectControls(
        dlg, {
                 {IDC_HEADING, "Static", SS_CENTER, 0, 0, "", 0, 0, 184, 11},
                 {IDC_DATE_TABS, WC_TABCONTROLA, ANY, WS_TABSTOP, 0, nullptr, 0, 11, 184, 143},
                 {IDC_STATIC, "Static", SS_LEFT, 0, 0, "Caption", 5, 162, 24, 8},
                 {IDC_CAPTION, "Edit", ANY, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 37, 159,
                  136, 12},
                 {IDOK, "Button", BS_DEFPUSHBUTTON, WS_TABSTOP, 0, "OK", 8, 176, 36, 12},
                 {IDCANCEL, "Button", BS_PUSHBUTTON, WS_TABSTOP, 0, "Cancel", 74, 176, 37, 12},
                 {IDC_APPLY, "Button", BS_PUSHBUTTON, WS_TABSTOP, 0, "Apply", 138, 176, 37, 12},
             });
    ExpectTidyLayout(dlg);
    ExpectTextsFit(dlg, {{IDC_HEADING, "Last Wednesday in September"},
                         {IDC_HEADING, "Independence Day (Jul 04)"}});
}

TEST(DialogTemplates, OptionsDialog) {
    Dialog dlg(IDD_OPTIONS);
    const DWORD tab = WS_TABSTOP;
    ExpectControls(
        dlg,
        {
            {IDC_STATIC, "Static", SS_LEFT, 0, 0, "&First day of the week:", 0, 0, 0, 0},
            {IDC_FIRST_WEEKDAY, "ComboBox", CBS_DROPDOWNLIST, tab, 0, nullptr, 0, 0, 0, 0},
            {IDC_WEEK_NUMBERS, "Button", BS_AUTOCHECKBOX, tab, 0, "Show &week numbers", 0, 0, 0, 0},
            {IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, "Names of months and weekdays", 0, 0, 0, 0},
            {IDC_NAMES_ENGLISH, "Button", BS_AUTORADIOBUTTON, tab | WS_GROUP, 0, "&English", 0, 0,
             0, 0},
            {IDC_NAMES_LOCAL, "Button", BS_AUTORADIOBUTTON, 0, WS_GROUP,
             "In the &system's language", 0, 0, 0, 0},
            {IDOK, "Button", BS_DEFPUSHBUTTON, tab | WS_GROUP, 0, "OK", 0, 0, 0, 0},
            {IDCANCEL, "Button", BS_PUSHBUTTON, tab, 0, "Cancel", 0, 0, 0, 0},
        });
    ExpectTidyLayout(dlg);
    ExpectTextsFit(dlg);
}

TEST(DialogTemplates, SpecificDatePage) {
    Dialog dlg(IDD_SPECIFIC_DATE);
    const DWORD list = LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP;
    const DWORD multi = LBS_EXTENDEDSEL | LBS_MULTIPLESEL | LBS_SORT;
    ExpectControls(
        dlg, {
                 {IDC_STATIC, "Static", SS_CENTER, 0, 0, "Month", 17, 12, 48, 11},
                 {IDC_STATIC, "Static", SS_CENTER, 0, 0, "Day", 82, 12, 37, 11},
                 {IDC_STATIC, "Static", SS_CENTER, 0, 0, "Year", 133, 13, 36, 10},
                 {IDC_SPEC_MONTH, "ListBox", ANY, list, multi, nullptr, 12, 28, 58, 47},
                 {IDC_SPEC_DAY, "ListBox", ANY, list, multi, nullptr, 85, 28, 32, 46},
                 {IDC_SPEC_YEAR, "ListBox", ANY, list, multi, nullptr, 133, 28, 36, 49},
                 {IDC_TODAY, "Button", BS_PUSHBUTTON, WS_TABSTOP, 0, "Today", 20, 103, 40, 12},
                 {IDC_ANNUAL, "Button", BS_AUTOCHECKBOX, WS_TABSTOP, 0, "Annual", 111, 104, 37, 10},
                 // Beyond the first release: ages on birthdays.
                 {IDC_YEARS_SINCE, "Button", BS_AUTOCHECKBOX, WS_TABSTOP | WS_DISABLED, 0,
                  "Show years since", 76, 117, 70, 10},
                 {IDC_SINCE_YEAR, "Edit", ANY, ES_NUMBER | WS_BORDER | WS_TABSTOP | WS_DISABLED, 0,
                  "", 148, 116, 24, 11},
             });
    ExpectTidyLayout(dlg);
    ExpectTextsFit(dlg);
}

TEST(DialogTemplates, CalculatedDatePage) {
    Dialog dlg(IDD_CALCULATED_DATE);
    struct Radio {
        int id;
        const char* text;
        int x, y, cx;
    };
    const Radio radios[] = {
        {IDC_ORD_1ST, "1st", 13, 8, 26},
        {IDC_ORD_2ND, "2nd", 45, 8, 25},
        {IDC_ORD_3RD, "3rd", 80, 8, 27},
        {IDC_ORD_4TH, "4th", 114, 8, 27},
        {IDC_ORD_LAST, "Last", 144, 8, 26},
        {IDC_WD_MONDAY, "Monday", 13, 29, 41},
        {IDC_WD_TUESDAY, "Tuesday", 13, 40, 43},
        {IDC_WD_WEDNESDAY, "Wednesday", 13, 51, 53},
        {IDC_WD_THURSDAY, "Thursday", 71, 29, 45},
        {IDC_WD_FRIDAY, "Friday", 71, 40, 35},
        {IDC_WD_SATURDAY, "Saturday", 71, 51, 43},
        {IDC_WD_SUNDAY, "Sunday", 125, 29, 39},
        {IDC_CM_JANUARY, "January", 13, 74, 40},
        {IDC_CM_FEBRUARY, "February", 13, 85, 43},
        {IDC_CM_MARCH, "March", 13, 96, 35},
        {IDC_CM_APRIL, "April", 13, 107, 30},
        {IDC_CM_MAY, "May", 71, 75, 29},
        {IDC_CM_JUNE, "June", 71, 86, 31},
        {IDC_CM_JULY, "July", 71, 97, 28},
        {IDC_CM_AUGUST, "August", 71, 108, 37},
        {IDC_CM_SEPTEMBER, "September", 125, 75, 48},
        {IDC_CM_OCTOBER, "October", 125, 86, 40},
        {IDC_CM_NOVEMBER, "November", 125, 97, 48},
        {IDC_CM_DECEMBER, "December", 125, 108, 48},
    };
    std::vector<Ctl> table = {
        {IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, "", 6, 0, 169, 21},
        {IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, "", 6, 21, 169, 44},
        {IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, "", 6, 64, 169, 60},
    };
    for (const Radio& r : radios) {
        bool first = r.id == IDC_ORD_1ST || r.id == IDC_WD_MONDAY || r.id == IDC_CM_JANUARY;
        table.push_back({r.id, "Button", BS_AUTORADIOBUTTON,
                         first ? DWORD(WS_GROUP | WS_TABSTOP) : 0u, first ? 0u : DWORD(WS_GROUP),
                         r.text, r.x, r.y, r.cx, 10});
    }
    // Beyond the first release: days counted from Easter, beside the weekdays.
    // The arrows take their place at the number's right and narrow it.
    const DWORD days = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | WS_DISABLED;
    table.insert(
        table.end(),
        {{IDC_ORTHODOX_EASTER, "Button", BS_AUTORADIOBUTTON, WS_GROUP | WS_TABSTOP, 0,
          "Orthodox Easter", 107, 40, 66, 10},
         {IDC_EASTER, "Button", BS_AUTORADIOBUTTON, 0, WS_GROUP, "Easter", 115, 52, 31, 10},
         {IDC_EASTER_DAYS, "Edit", ANY, WS_GROUP | WS_TABSTOP | WS_DISABLED, ES_NUMBER, "", 0, 0, 0,
          0},
         {IDC_EASTER_DAYS_SPIN, UPDOWN_CLASSA, ANY, days, 0, nullptr, 0, 0, 0, 0}});
    ExpectControls(dlg, table);

    // Four groups: arrow keys and auto radio buttons stay within one.
    EXPECT_EQ(Range(IDC_ORD_1ST, IDC_ORD_LAST), GroupOf(dlg, IDC_ORD_1ST));
    EXPECT_EQ(Range(IDC_WD_MONDAY, IDC_WD_SUNDAY), GroupOf(dlg, IDC_WD_MONDAY));
    EXPECT_EQ(Range(IDC_CM_JANUARY, IDC_CM_DECEMBER), GroupOf(dlg, IDC_CM_JANUARY));
    EXPECT_EQ((std::vector<int>{IDC_ORTHODOX_EASTER, IDC_EASTER}),
              GroupOf(dlg, IDC_ORTHODOX_EASTER));

    ExpectTidyLayout(dlg);
    ExpectTextsFit(dlg);
}

TEST(DialogTemplates, HolidaysPage) {
    Dialog dlg(IDD_HOLIDAYS);
    ExpectControls(dlg, {
                            {IDC_STATIC, "Static", SS_CENTER, 0, 0, "Date", 12, 2, 29, 11},
                            {IDC_STATIC, "Static", SS_CENTER, 0, 0, "Name", 79, 3, 29, 9},
                            {IDC_HOLIDAY_LIST, "ListBox", ANY,
                             LBS_EXTENDEDSEL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY |
                                 WS_VSCROLL | WS_TABSTOP,
                             LBS_SORT, nullptr, 10, 14, 160, 91},
                        });
    ExpectTidyLayout(dlg);
    ExpectTextsFit(dlg);
}

// ===========================================================================

TEST(MainFrameResources, MenuHasFileAndHelpWithTheirCommands) {
    HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(menu != nullptr);
    struct Item {
        UINT id; // 0: separator
        const char* text;
        bool grayed;
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> want = {
        {"&File",
         {{ID_FILE_NEW, "&New\tCtrl+N", false},
          {ID_FILE_OPEN, "&Open...\tCtrl+O", false},
          {ID_FILE_SAVE, "&Save\tCtrl+S", false},
          {ID_FILE_SAVE_AS, "Save &As...", false},
          {0, "", false},
          {ID_FILE_PRINT, "&Print...\tCtrl+P", false},
          {ID_FILE_PRINT_PREVIEW, "Print Pre&view", false},
          {ID_FILE_PRINT_SETUP, "P&rint Setup...", false},
          {0, "", false},
          {ID_FILE_MRU_FILE1, "Recent File", true},
          {0, "", false},
          {ID_APP_EXIT, "E&xit", false}}},
        {"&Tools", {{ID_TOOLS_OPTIONS, "&Options...", false}}},
        {"&Help",
         {{ID_HELP_FINDER, "&Help Topics", false},
          {0, "", false},
          {ID_APP_ABOUT, "&About Almanark...", false}}},
    };
    ASSERT_EQ(static_cast<int>(want.size()), GetMenuItemCount(menu));
    for (size_t m = 0; m < want.size(); ++m) {
        char title[64] = "";
        GetMenuStringA(menu, m, title, sizeof title, MF_BYPOSITION);
        EXPECT_STREQ(want[m].first, title);
        HMENU sub = GetSubMenu(menu, m);
        ASSERT_TRUE(sub != nullptr);
        const auto& items = want[m].second;
        ASSERT_EQ(static_cast<int>(items.size()), GetMenuItemCount(sub)) << title;
        for (size_t i = 0; i < items.size(); ++i) {
            SCOPED_TRACE(testing::Message() << title << " item " << i);
            char text[64] = "";
            MENUITEMINFOA mii = {};
            mii.cbSize = sizeof mii;
            mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
            mii.dwTypeData = text;
            mii.cch = sizeof text;
            ASSERT_TRUE(GetMenuItemInfoA(sub, i, TRUE, &mii));
            EXPECT_EQ(items[i].id == 0, (mii.fType & MFT_SEPARATOR) != 0);
            if (items[i].id) {
                EXPECT_EQ(items[i].id, mii.wID);
                EXPECT_STREQ(items[i].text, text);
                EXPECT_EQ(items[i].grayed, (mii.fState & MFS_GRAYED) != 0);
            }
        }
    }
    DestroyMenu(menu);
}

TEST(MainFrameResources, AcceleratorsAreExactlyTheListedKeys) {
    HACCEL accel = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(accel != nullptr);
    int n = CopyAcceleratorTableA(accel, nullptr, 0);
    std::vector<ACCEL> table(n);
    CopyAcceleratorTableA(accel, table.data(), n);
    std::set<std::tuple<int, int, int>> got;
    for (const ACCEL& a : table)
        got.insert({a.fVirt & (FVIRTKEY | FSHIFT | FCONTROL | FALT), a.key, a.cmd});
    const int ctrl = FVIRTKEY | FCONTROL, shift = FVIRTKEY | FSHIFT, alt = FVIRTKEY | FALT;
    const std::set<std::tuple<int, int, int>> want = {
        {ctrl, 'N', ID_FILE_NEW},        {ctrl, 'O', ID_FILE_OPEN},
        {ctrl, 'S', ID_FILE_SAVE},       {ctrl, 'P', ID_FILE_PRINT},
        {ctrl, 'Z', ID_EDIT_UNDO},       {alt, VK_BACK, ID_EDIT_UNDO},
        {ctrl, 'X', ID_EDIT_CUT},        {shift, VK_DELETE, ID_EDIT_CUT},
        {ctrl, 'C', ID_EDIT_COPY},       {ctrl, VK_INSERT, ID_EDIT_COPY},
        {ctrl, 'V', ID_EDIT_PASTE},      {shift, VK_INSERT, ID_EDIT_PASTE},
        {FVIRTKEY, VK_F6, ID_NEXT_PANE}, {shift, VK_F6, ID_PREV_PANE},
        {FVIRTKEY, VK_F1, ID_HELP},      {shift, VK_F1, ID_CONTEXT_HELP},
    };
    EXPECT_EQ(want, got);
    EXPECT_EQ(want.size(), table.size()) << "a key is bound twice";
}

TEST(MainFrameResources, StringsOfTheProgramAndFramework) {
    const std::pair<UINT, const char*> strings[] = {
        {IDR_MAINFRAME, "Almanark\n\nAlmana\nAlmanark Files (*.kal)\n.kal\nAlmanark.Document\n"
                        "Almanark Document"},
        {AFX_IDS_APP_TITLE, "Almanark"},
        {AFX_IDS_IDLEMESSAGE, "Ready"},
        {AFX_IDS_UNTITLED, "Untitled"},
        {AFX_IDP_ASK_TO_SAVE, "Save changes to %1?"},
        {AFX_IDP_FAILED_TO_OPEN_DOC, "Failed to open document."},
        {AFX_IDP_FAILED_TO_SAVE_DOC, "Failed to save document."},
        {AFX_IDP_FAILED_INVALID_FORMAT, "Unexpected file format."},
        {AFX_IDP_FILE_NOT_FOUND, "%1\nCannot find this file.\nPlease verify that the correct path "
                                 "and file name are given."},
        {AFX_IDP_FAILED_DISK_FULL, "Destination disk drive is full."},
        {ID_INDICATOR_CAPS, "CAP"},
        {ID_INDICATOR_NUM, "NUM"},
        {ID_INDICATOR_SCRL, "SCRL"},
    };
    for (const auto& [id, text] : strings) {
        char buf[512] = "";
        EXPECT_GT(LoadStringA(Module(), id, buf, sizeof buf), 0) << id;
        EXPECT_STREQ(text, buf) << id;
    }
}

TEST(MainFrameResources, EveryMenuCommandHasAStatusPrompt) {
    HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    for (int m = 0; m < GetMenuItemCount(menu); ++m) {
        HMENU sub = GetSubMenu(menu, m);
        for (int i = 0; i < GetMenuItemCount(sub); ++i) {
            UINT id = GetMenuItemID(sub, i);
            if (id == 0)
                continue;
            char buf[256] = "";
            EXPECT_GT(LoadStringA(Module(), id, buf, sizeof buf), 0) << id;
            // The prompt is the part before any "\n" (a short name follows it).
            std::string prompt = std::string(buf).substr(0, std::string(buf).find('\n'));
            EXPECT_GE(prompt.size(), 10u) << id;
        }
    }
    DestroyMenu(menu);
}

// ===========================================================================
// Icons.

namespace {

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
    reinterpret_cast<std::vector<int>*>(param)->push_back(
        IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name)) : -1);
    return TRUE;
}

// The icon drawn on a magenta ground, as 32-bit pixels.
std::vector<DWORD> Render(HICON icon, int size) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = size;
    bi.bmiHeader.biHeight = -size;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    std::fill_n(static_cast<DWORD*>(bits), size * size, 0x00FF00FF);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<DWORD> px(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + size * size);
    for (DWORD& p : px)
        p &= 0xFFFFFF;
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return px;
}

HICON LoadIconSized(int id, int size) {
    return static_cast<HICON>(
        LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

} // namespace

TEST(Icons, ExactlyThreeGroupsInTheOrderOfTheirIndexes) {
    std::vector<int> ids;
    EnumResourceNamesA(Module(), MAKEINTRESOURCEA(14) /*RT_GROUP_ICON*/, CollectName,
                       reinterpret_cast<LONG_PTR>(&ids));
    EXPECT_EQ((std::vector<int>{IDR_MAINFRAME, IDI_DOCUMENT, IDI_EVENTFILE}), ids);

    // The shell finds them by index: 0, 1, 2.
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    EXPECT_EQ(3u, reinterpret_cast<UINT_PTR>(ExtractIconA(Module(), path, UINT(-1))));
    const int byIndex[] = {IDR_MAINFRAME, IDI_DOCUMENT, IDI_EVENTFILE};
    for (int i = 0; i < 3; ++i) {
        HICON extracted = ExtractIconA(Module(), path, i);
        HICON loaded = LoadIconSized(byIndex[i], 32);
        ASSERT_TRUE(extracted && loaded) << i;
        EXPECT_EQ(Render(loaded, 32), Render(extracted, 32)) << "index " << i;
        DestroyIcon(extracted);
        DestroyIcon(loaded);
    }
}

TEST(Icons, EachHas16And32And48PixelImagesWithAlpha) {
    for (int id : {IDR_MAINFRAME, IDI_DOCUMENT, IDI_EVENTFILE}) {
        HRSRC res = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));
        ASSERT_TRUE(res != nullptr) << id;
        const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(Module(), res)));
        int count = *reinterpret_cast<const WORD*>(dir + 4);
        std::set<int> sizes;
        for (int i = 0; i < count; ++i) {
            const BYTE* e = dir + 6 + 14 * i;
            EXPECT_EQ(e[0], e[1]) << id;
            EXPECT_EQ(32, *reinterpret_cast<const WORD*>(e + 6)) << id << " bits";
            sizes.insert(e[0]);
        }
        EXPECT_EQ((std::set<int>{16, 32, 48}), sizes) << id;

        for (int size : {16, 32}) {
            SCOPED_TRACE(testing::Message() << "icon " << id << " at " << size);
            HICON icon = LoadIconSized(id, size);
            ASSERT_TRUE(icon != nullptr);
            ICONINFO info;
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP bm;
            GetObjectA(info.hbmColor, sizeof bm, &bm);
            EXPECT_EQ(size, bm.bmWidth);
            EXPECT_EQ(size, bm.bmHeight);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            // Transparent around the page, drawn in the middle.
            std::vector<DWORD> px = Render(icon, size);
            int covered = 0;
            for (DWORD p : px)
                covered += p != 0xFF00FF;
            EXPECT_EQ(0xFF00FFu, px[size - 1]) << "top right corner";
            EXPECT_NE(0xFF00FFu, px[size / 2 * size + size / 2]) << "centre";
            EXPECT_GT(covered, size * size / 2);
            EXPECT_LT(covered, size * size);
            DestroyIcon(icon);
        }
    }
}

TEST(Icons, TheThreeLookDifferentAtEverySize) {
    for (int size : {16, 32}) {
        std::vector<std::vector<DWORD>> images;
        for (int id : {IDR_MAINFRAME, IDI_DOCUMENT, IDI_EVENTFILE}) {
            HICON icon = LoadIconSized(id, size);
            images.push_back(Render(icon, size));
            DestroyIcon(icon);
        }
        for (int a = 0; a < 3; ++a)
            for (int b = a + 1; b < 3; ++b) {
                int differ = 0;
                for (int i = 0; i < size * size; ++i)
                    differ += images[a][i] != images[b][i];
                EXPECT_GT(differ, size * size / 5)
                    << "icons " << a << " and " << b << " at " << size;
            }
    }
}

TEST(Manifest, SelectsVersion6OfTheCommonControls) {
    // Version 6 buttons draw through the visual-styles library while a theme
    // is active; the older ones never open a theme.
    HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
    ASSERT_TRUE(uxtheme != nullptr);
    auto getWindowTheme = reinterpret_cast<HANDLE(WINAPI*)(HWND)>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "GetWindowTheme")));
    auto isThemeActive = reinterpret_cast<BOOL(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
    ASSERT_TRUE(getWindowTheme && isThemeActive);
    if (!isThemeActive()) {
        FreeLibrary(uxtheme);
        GTEST_SKIP() << "no visual style is active";
    }
    Dialog dlg(IDD_ABOUTBOX);
    EXPECT_TRUE(getWindowTheme(GetDlgItem(dlg, IDOK)) != nullptr);
    FreeLibrary(uxtheme);
}
