#include <windows.h>
#include <commdlg.h>
#include <winspool.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>

#include "framework/FileDialog.h"
#include "framework/FontDialog.h"
#include "framework/ModalSeam.h"
#include "framework/PrintDialog.h"
#include "framework/TestFrame.h"

namespace {
// Every test answers the dialogs itself; none may reach a real one unless
// it removes the responder on purpose.
class CCommonDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        CModalSeam::SetResponder([this](CModalRequest& request) {
            m_kinds.push_back(request.kind);
            return m_answer ? m_answer(request) : 0;
        });
    }
    void TearDown() override { CModalSeam::SetResponder(nullptr); }

    std::function<int(CModalRequest&)> m_answer;
    std::vector<CModalRequest::Kind> m_kinds;
};

std::string FilterBytes(const OPENFILENAMEA* pOfn) {
    std::string s;
    const char* p = pOfn->lpstrFilter;
    while (p && *p) {
        s.append(p);
        s.push_back('|');
        p += strlen(p) + 1;
    }
    return s;
}

HGLOBAL MakeDevNames(const char* pszDriver, const char* pszDevice, const char* pszPort) {
    size_t cb = sizeof(DEVNAMES) + strlen(pszDriver) + strlen(pszDevice) + strlen(pszPort) + 3;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
    auto* p = static_cast<DEVNAMES*>(::GlobalLock(h));
    char* base = reinterpret_cast<char*>(p);
    WORD offset = sizeof(DEVNAMES);
    for (auto [pWord, psz] : {std::pair<WORD*, const char*>{&p->wDriverOffset, pszDriver},
                              {&p->wDeviceOffset, pszDevice},
                              {&p->wOutputOffset, pszPort}}) {
        *pWord = offset;
        strcpy(base + offset, psz);
        offset += (WORD)(strlen(psz) + 1);
    }
    ::GlobalUnlock(h);
    return h;
}

HGLOBAL MakeDevMode(const char* pszDevice, short nOrientation) {
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
    auto* p = static_cast<DEVMODEA*>(::GlobalLock(h));
    p->dmSize = sizeof(DEVMODEA);
    strncpy((char*)p->dmDeviceName, pszDevice, CCHDEVICENAME - 1);
    p->dmFields = DM_ORIENTATION;
    p->dmOrientation = nOrientation;
    ::GlobalUnlock(h);
    return h;
}

// Stands in for the print dialog: a printer named pszDevice and a fresh DC.
int AnswerPrinter(CModalRequest& request, const char* pszDevice, short nOrientation) {
    auto* pPd = static_cast<PRINTDLGA*>(request.pStruct);
    if (!pPd->hDevMode)
        pPd->hDevMode = MakeDevMode(pszDevice, nOrientation);
    if (!pPd->hDevNames)
        pPd->hDevNames = MakeDevNames("winspool", pszDevice, "CUPS:PDF");
    if (pPd->Flags & PD_RETURNDC)
        pPd->hDC = ::CreateCompatibleDC(nullptr);
    return 1;
}
} // namespace

// Closing a box activates its owner, which takes the focus; the control that
// had it gets it back, so that typing goes on there.
TEST_F(CCommonDialogTest, MessageBoxGivesTheFocusBack) {
    CTestFrame owner;
    ASSERT_TRUE(owner.Create(200, 100));
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20,
                                   owner.GetSafeHwnd(), nullptr, nullptr, nullptr);
    ::SetFocus(hEdit);
    m_answer = [&](CModalRequest&) {
        ::SetFocus(owner.GetSafeHwnd());
        return IDOK;
    };
    EXPECT_EQ(IDOK, AfxShowMessageBox(owner.GetSafeHwnd(), "Day Note full.", "Almanark", MB_OK));
    EXPECT_EQ(hEdit, ::GetFocus());
}

TEST_F(CCommonDialogTest, OpenDialogTakesFilterExtensionAndChosenPath) {
    CTestFrame owner;
    ASSERT_TRUE(owner.Create(100, 100));
    m_answer = [&](CModalRequest& request) {
        auto* pOfn = static_cast<OPENFILENAMEA*>(request.pStruct);
        EXPECT_EQ(request.hOwner, owner.GetSafeHwnd());
        EXPECT_EQ(FilterBytes(pOfn), "Bitmap files (*.bmp)|*.bmp|");
        EXPECT_STREQ(pOfn->lpstrDefExt, "bmp");
        EXPECT_STREQ(pOfn->lpstrFile, "*.bmp");
        EXPECT_EQ(pOfn->nFilterIndex, 1u);
        strcpy(pOfn->lpstrFile, "C:\\pictures\\Summer.Lake.bmp");
        return 1;
    };
    CFileDialog dlg(true, "bmp", "*.bmp", 0, "Bitmap files (*.bmp)|*.bmp||", &owner);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(m_kinds, std::vector<CModalRequest::Kind>{CModalRequest::fileOpen});
    EXPECT_EQ(dlg.GetPathName(), "C:\\pictures\\Summer.Lake.bmp");
    EXPECT_EQ(dlg.GetFileName(), "Summer.Lake.bmp");
    EXPECT_EQ(dlg.GetFileExt(), "bmp");
    EXPECT_EQ(dlg.GetFileTitle(), "Summer.Lake");
}

TEST_F(CCommonDialogTest, SaveDialogAndCancel) {
    m_answer = [](CModalRequest& request) {
        auto* pOfn = static_cast<OPENFILENAMEA*>(request.pStruct);
        // A filter ending in a single '|' still ends in two zeros.
        EXPECT_EQ(FilterBytes(pOfn), "Almanark Files (*.kal)|*.kal|");
        EXPECT_TRUE(pOfn->Flags & OFN_OVERWRITEPROMPT);
        return 0;
    };
    CFileDialog dlg(false, "kal", "June.kal", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    "Almanark Files (*.kal)|*.kal|");
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(m_kinds, std::vector<CModalRequest::Kind>{CModalRequest::fileSave});
    EXPECT_EQ(dlg.GetPathName(), "June.kal");

    // A name longer than the buffer is cut, never written past it.
    std::string strLong(20000, 'a');
    CFileDialog longName(true, nullptr, strLong.c_str());
    m_answer = [](CModalRequest& request) {
        auto* pOfn = static_cast<OPENFILENAMEA*>(request.pStruct);
        EXPECT_LT(strlen(pOfn->lpstrFile), (size_t)pOfn->nMaxFile);
        EXPECT_EQ(pOfn->lpstrFilter, nullptr);
        return 0;
    };
    EXPECT_EQ(longName.DoModal(), IDCANCEL);
    EXPECT_EQ(longName.GetPathName().GetLength(), (int)longName.m_ofn.nMaxFile - 1);
}

TEST_F(CCommonDialogTest, FontDialogWritesTheCallersLogfontOnOk) {
    LOGFONTA lf = {};
    lf.lfHeight = 18;
    strcpy(lf.lfFaceName, "Arial");
    CFontDialog dlg(&lf, CF_SCREENFONTS | CF_EFFECTS);
    dlg.m_cf.Flags ^= CF_SELECTSCRIPT | CF_SCALABLEONLY;
    dlg.m_cf.rgbColors = RGB(1, 2, 3);
    m_answer = [&](CModalRequest& request) {
        auto* pCf = static_cast<CHOOSEFONTA*>(request.pStruct);
        EXPECT_STREQ(pCf->lpLogFont->lfFaceName, "Arial");
        EXPECT_EQ(pCf->lpLogFont->lfHeight, 18);
        EXPECT_TRUE(pCf->Flags & CF_INITTOLOGFONTSTRUCT);
        EXPECT_TRUE(pCf->Flags & CF_SCALABLEONLY);
        EXPECT_EQ(pCf->rgbColors, RGB(1, 2, 3));
        strcpy(pCf->lpLogFont->lfFaceName, "Times New Roman");
        pCf->lpLogFont->lfWeight = FW_BOLD;
        pCf->lpLogFont->lfItalic = 1;
        pCf->rgbColors = RGB(200, 0, 0);
        return 1;
    };
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(m_kinds, std::vector<CModalRequest::Kind>{CModalRequest::font});
    EXPECT_STREQ(lf.lfFaceName, "Times New Roman");
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_EQ(dlg.GetColor(), RGB(200, 0, 0));
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);

    // Cancelled: whatever the dialog did to its record, the caller's stays.
    lf.lfHeight = 18;
    m_answer = [](CModalRequest& request) {
        auto* pCf = static_cast<CHOOSEFONTA*>(request.pStruct);
        EXPECT_STREQ(pCf->lpLogFont->lfFaceName, "Times New Roman");
        strcpy(pCf->lpLogFont->lfFaceName, "Courier New");
        pCf->lpLogFont->lfWeight = FW_THIN;
        return 0;
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_STREQ(lf.lfFaceName, "Times New Roman");
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfHeight, 18);
}

TEST_F(CCommonDialogTest, PrintDialogDefaultsAndOwnership) {
    CPrintDialog dlg(false);
    EXPECT_TRUE(dlg.m_pd.Flags & PD_RETURNDC);
    EXPECT_EQ(dlg.GetDevMode(), nullptr);
    EXPECT_EQ(dlg.GetDeviceName(), "");

    // Return-default mode shows no dialog: it reads the real default
    // printer even while a responder answers the dialogs.
    bool bAsked = false;
    m_answer = [&bAsked](CModalRequest&) {
        bAsked = true;
        return 0;
    };
    char szDevice[256] = {0};
    ::GetProfileStringA("windows", "device", "", szDevice, sizeof szDevice);
    CString strDefault(szDevice);
    strDefault = strDefault.Left(strDefault.Find(','));
    ASSERT_TRUE(dlg.GetDefaults());
    EXPECT_FALSE(bAsked);
    EXPECT_FALSE(dlg.m_pd.Flags & PD_RETURNDEFAULT);
    EXPECT_EQ(dlg.GetDeviceName(), strDefault);
    ASSERT_NE(dlg.GetDevMode(), nullptr);
    EXPECT_EQ(CString((const char*)dlg.GetDevMode()->dmDeviceName), strDefault.Left(31));
    HDC hFirstDC = dlg.GetPrinterDC();
    ASSERT_NE(hFirstDC, nullptr);

    // Defaults again: fresh handles, the old DC goes.
    ASSERT_TRUE(dlg.GetDefaults());
    EXPECT_NE(dlg.GetPrinterDC(), hFirstDC);
    EXPECT_EQ(::GetObjectType(hFirstDC), 0u);

    // A cancelled setup dialog keeps the DC and settings.
    HDC hDC = dlg.GetPrinterDC();
    dlg.m_pd.Flags |= PD_PRINTSETUP;
    m_answer = [](CModalRequest& request) {
        auto* pPd = static_cast<PRINTDLGA*>(request.pStruct);
        pPd->hDC = ::CreateCompatibleDC(nullptr); // left behind by a cancelled dialog
        return 0;
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.GetPrinterDC(), hDC);
    EXPECT_NE(::GetObjectType(hDC), 0u);
    EXPECT_EQ(m_kinds.back(), CModalRequest::printSetup);

    // Confirmed: the settings change in place and the new DC replaces the old.
    m_answer = [](CModalRequest& request) {
        auto* pPd = static_cast<PRINTDLGA*>(request.pStruct);
        EXPECT_NE(pPd->hDevMode, nullptr);
        auto* pDevMode = static_cast<DEVMODEA*>(::GlobalLock(pPd->hDevMode));
        pDevMode->dmOrientation = DMORIENT_LANDSCAPE;
        ::GlobalUnlock(pPd->hDevMode);
        return AnswerPrinter(request, "PDF", DMORIENT_LANDSCAPE);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetDevMode()->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_NE(dlg.GetPrinterDC(), hDC);
    EXPECT_EQ(::GetObjectType(hDC), 0u);
}

TEST_F(CCommonDialogTest, DeviceNamesOutsideTheirBlockAreIgnored) {
    CPrintDialog dlg(true);
    EXPECT_TRUE(dlg.m_pd.Flags & PD_PRINTSETUP);
    EXPECT_FALSE(dlg.m_pd.Flags & PD_RETURNDC);
    dlg.m_pd.hDevNames = MakeDevNames("winspool", "PDF", "CUPS:PDF");
    auto* pNames = static_cast<DEVNAMES*>(::GlobalLock(dlg.m_pd.hDevNames));
    pNames->wDeviceOffset = 60000;
    pNames->wOutputOffset = 2;
    ::GlobalUnlock(dlg.m_pd.hDevNames);
    EXPECT_EQ(dlg.GetDriverName(), "winspool");
    EXPECT_EQ(dlg.GetDeviceName(), "");
    EXPECT_EQ(dlg.GetPortName(), "");
    EXPECT_EQ(dlg.CreatePrinterDC(), nullptr);
}

// The real dialogs, without a responder: they must end by themselves.
namespace {
int CALLBACK CollectFace(const LOGFONTA* pLf, const TEXTMETRICA*, DWORD dwType, LPARAM lParam) {
    auto* pFace = reinterpret_cast<CString*>(lParam);
    if ((dwType & TRUETYPE_FONTTYPE) && pLf->lfFaceName[0] != '@') {
        *pFace = pLf->lfFaceName;
        return 0;
    }
    return 1;
}

CString FirstTrueTypeFace() {
    CString strFace;
    HDC hDC = ::GetDC(nullptr);
    ::EnumFontFamiliesA(hDC, nullptr, &CollectFace, (LPARAM)&strFace);
    ::ReleaseDC(nullptr, hDC);
    return strFace;
}
} // namespace

TEST(CommonDialogReal, FontDialogRunsOnInitDialogInsideTheRealDialog) {
    CModalSeam::SetResponder(nullptr);
    class CProbeFontDialog : public CFontDialog {
    public:
        using CFontDialog::CFontDialog;
        bool m_bHadSizeList = false, m_bSizeListHidden = false;
        CString m_strFaceShown;

    protected:
        BOOL OnInitDialog() override {
            CFontDialog::OnInitDialog();
            HWND hSizeList = GetDlgItem(1138);
            m_bHadSizeList = hSizeList != nullptr;
            ::ShowWindow(hSizeList, SW_HIDE);
            ::ShowWindow(GetDlgItem(1090), SW_HIDE);
            m_bSizeListHidden = !::IsWindowVisible(hSizeList);
            LOGFONTA lf = {};
            SendMessage(WM_CHOOSEFONT_GETLOGFONT, 0, (LPARAM)&lf);
            m_strFaceShown = lf.lfFaceName;
            PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
            return TRUE;
        }
    };
    LOGFONTA lf = {};
    lf.lfHeight = 18;
    lf.lfWeight = FW_NORMAL;
    strcpy(lf.lfFaceName, FirstTrueTypeFace().c_str());
    ASSERT_NE(lf.lfFaceName[0], 0);
    const LOGFONTA lfBefore = lf;
    CProbeFontDialog dlg(&lf, CF_SCREENFONTS | CF_EFFECTS);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.m_bHadSizeList);
    EXPECT_TRUE(dlg.m_bSizeListHidden);
    EXPECT_EQ(dlg.m_strFaceShown, lfBefore.lfFaceName);
    EXPECT_EQ(memcmp(&lf, &lfBefore, sizeof lf), 0);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

TEST(CommonDialogReal, PrinterDefaultsOfTheSystem) {
    CModalSeam::SetResponder(nullptr);
    DWORD cbNeeded = 0, nPrinters = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &cbNeeded, &nPrinters);
    if (cbNeeded == 0)
        GTEST_SKIP() << "no printer installed";
    CPrintDialog dlg(false);
    ASSERT_TRUE(dlg.GetDefaults());
    CString strDevice = dlg.GetDeviceName();
    EXPECT_FALSE(strDevice.IsEmpty());
    ASSERT_NE(dlg.GetDevMode(), nullptr);
    EXPECT_STREQ((const char*)dlg.GetDevMode()->dmDeviceName, strDevice.Left(31).c_str());
    ASSERT_NE(dlg.GetPrinterDC(), nullptr);
    EXPECT_GT(::GetDeviceCaps(dlg.GetPrinterDC(), PHYSICALWIDTH), 0);
    HDC hOld = dlg.GetPrinterDC();
    int cxPrintable = ::GetDeviceCaps(hOld, HORZRES);
    HDC hNew = dlg.CreatePrinterDC();
    ASSERT_NE(hNew, nullptr);
    EXPECT_EQ(::GetObjectType(hOld), 0u);
    EXPECT_EQ(::GetDeviceCaps(hNew, HORZRES), cxPrintable);
}

// The defaults are read from the spooler without the common dialogs'
// library; they must be what the print dialog's return-default mode gives:
// the same names, the same device mode byte for byte, the same page.
TEST(CommonDialogReal, PrinterDefaultsAsTheDialogGivesThem) {
    CModalSeam::SetResponder(nullptr);
    PRINTDLGA pd = {sizeof pd};
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!::PrintDlgA(&pd))
        GTEST_SKIP() << "no default printer";
    CPrintDialog dlg(false);
    ASSERT_TRUE(dlg.GetDefaults());
    auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(pd.hDevNames));
    const char* pszNames = reinterpret_cast<const char*>(pNames);
    EXPECT_EQ(dlg.GetDriverName(), pszNames + pNames->wDriverOffset);
    EXPECT_EQ(dlg.GetDeviceName(), pszNames + pNames->wDeviceOffset);
    EXPECT_EQ(dlg.GetPortName(), pszNames + pNames->wOutputOffset);
    auto* pOwnNames = static_cast<const DEVNAMES*>(::GlobalLock(dlg.m_pd.hDevNames));
    EXPECT_EQ(pOwnNames->wDefault, pNames->wDefault);
    ::GlobalUnlock(dlg.m_pd.hDevNames);
    ::GlobalUnlock(pd.hDevNames);

    auto* pMode = static_cast<const DEVMODEA*>(::GlobalLock(pd.hDevMode));
    ASSERT_EQ(::GlobalSize(dlg.m_pd.hDevMode) >= pMode->dmSize + pMode->dmDriverExtra, true);
    EXPECT_EQ(memcmp(dlg.GetDevMode(), pMode, pMode->dmSize + pMode->dmDriverExtra), 0);
    ::GlobalUnlock(pd.hDevMode);

    for (int nCap : {PHYSICALWIDTH, PHYSICALHEIGHT, HORZRES, VERTRES, PHYSICALOFFSETX,
                     PHYSICALOFFSETY, LOGPIXELSX, NUMCOLORS})
        EXPECT_EQ(::GetDeviceCaps(dlg.GetPrinterDC(), nCap), ::GetDeviceCaps(pd.hDC, nCap)) << nCap;
    ::DeleteDC(pd.hDC);
    ::GlobalFree(pd.hDevMode);
    ::GlobalFree(pd.hDevNames);
}
