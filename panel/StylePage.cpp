#include "panel/StylePage.h"

#include <cstring>
#include <memory>

#include "app/AlmanarkApp.h"
#include "app/TextElement.h"
#include "document/AlmanarkDoc.h"
#include "framework/DataExchange.h"
#include "panel/FontDlg.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
using Keys = CSettingsKeys;
const int kMaxTitle = 32;
// The dialog opens at this height; the page layout sizes the text later.
const LONG kDialogFontHeight = 18;
const char kDel = 127;

const struct {
    unsigned nID;
    int nStyle;
} kDateStyles[] = {
    {IDC_DATE_LEFT, 0}, {IDC_DATE_CENTER, 1}, {IDC_DATE_RIGHT, 2}, {IDC_DATE_SPLIT, -1}};
} // namespace

CStylePage::CStylePage() : CPanelPage(IDD_STYLE_PAGE) {}

void CStylePage::DoDataExchange(CDataExchange* pDX) {
    CPanelPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE, m_editTitle);
    DDX_Control(pDX, IDC_NOTES_LARGE, m_btnNotesLarge);
    DDX_Control(pDX, IDC_TITLE_LARGE, m_btnTitleLarge);
    DDX_Control(pDX, IDC_DATE_LARGE, m_btnDateLarge);
}

BOOL CStylePage::OnInitDialog() {
    CPanelPage::OnInitDialog();
    m_editTitle.LimitText(kMaxTitle);
    return TRUE;
}

bool CStylePage::OnCmdMsg(unsigned nID, int nCode) {
    if (nID == IDC_TITLE && nCode == EN_CHANGE) {
        OnTitleChange();
        return true;
    }
    if (nCode != BN_CLICKED)
        return CPanelPage::OnCmdMsg(nID, nCode);
    for (const auto& style : kDateStyles) {
        if (style.nID == nID) {
            OnDateStyle(style.nStyle);
            return true;
        }
    }
    if (const CTextElement* pElement = ElementOfButton(nID)) {
        OnFont(*pElement);
        return true;
    }
    switch (nID) {
    case IDC_NOTES_LARGE:
    case IDC_TITLE_LARGE:
    case IDC_DATE_LARGE:
        OnLarge(nID);
        return true;
    case IDC_DATE_SWAP:
        OnSwap();
        return true;
    }
    return CPanelPage::OnCmdMsg(nID, nCode);
}

void CStylePage::CheckDateStyleRadio() {
    if (!m_hWnd)
        return;
    for (const auto& radio : kDateStyles)
        CheckDlgButton(radio.nID,
                       radio.nStyle == theApp.m_nDateStyle ? BST_CHECKED : BST_UNCHECKED);
}

void CStylePage::ShowDocumentKind(bool bYearDoc) {
    if (!m_hWnd)
        return;
    SetDlgItemText(IDC_WEEKDAY_GROUP, bYearDoc ? "Months" : "Days of the Week");
    SetDlgItemText(IDC_NOTES_GROUP, bYearDoc ? "Days" : "Day Notes");
    SetDlgItemText(IDC_DATE_GROUP, bYearDoc             ? "Year"
                                   : theApp.m_nDateSwap ? "Year and Month"
                                                        : "Month and Year");
    for (int nID : {IDC_DATE_SPLIT, IDC_DATE_SWAP, IDC_NOTES_LARGE})
        ::EnableWindow(GetDlgItem(nID), !bYearDoc);
}

void CStylePage::ShowTitle(const CString& strTitle) {
    m_bTitleEdited = false;
    if (!m_editTitle.GetSafeHwnd())
        return;
    m_bShowingTitle = true;
    m_editTitle.SetWindowText(strTitle);
    m_bShowingTitle = false;
}

// ---- fonts ----

const CTextElement* CStylePage::ElementOfButton(unsigned nID) {
    for (const CTextElement& element : CTextElement::kAll)
        if (element.nFontButton == nID)
            return &element;
    return nullptr;
}

void CStylePage::OnFont(const CTextElement& element) {
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    if (!pDoc)
        return;
    LOGFONT& lf = pDoc->*element.plf;
    lf.lfHeight = kDialogFontHeight;
    auto pDlg = std::make_unique<CFontDlg>(&lf, CF_SCREENFONTS | CF_EFFECTS, nullptr, nullptr);
    pDlg->m_cf.Flags |= CF_SELECTSCRIPT | CF_SCALABLEONLY;
    pDlg->m_cf.rgbColors = theApp.*element.pcrColor;
    if (pDlg->DoModal() != IDOK)
        return;
    const CTextLook look = {CString(lf.lfFaceName, (int)strnlen(lf.lfFaceName, LF_FACESIZE)),
                            pDlg->GetColor(), lf.lfWeight, lf.lfItalic};
    element.SetLook(look);
    theApp.MarkModified();
    theApp.InvalidateView();
    theApp.WriteLook(element.pszName, look);
}

// ---- title, sizes and the heading ----

void CStylePage::OnTitleChange() {
    if (m_bShowingTitle)
        return;
    CString strTitle = m_editTitle.GetWindowText();
    const int nDel = strTitle.Find(kDel);
    if (nDel >= 0) {
        // Ctrl+Backspace types a DEL; putting the text back notifies again.
        strTitle.Delete(nDel);
        m_editTitle.SetWindowText(strTitle);
        m_editTitle.SetSel(nDel, nDel);
        return;
    }
    m_bTitleEdited = true;
    theApp.MarkModified();
    InvalidateTitle();
}

void CStylePage::OnLarge(unsigned nID) {
    const int nLarge = IsDlgButtonChecked(nID) == BST_CHECKED ? 1 : 0;
    if (nID == IDC_NOTES_LARGE) {
        theApp.m_nNoteSize = nLarge;
        theApp.WriteSetting(Keys::kNoteSize, nLarge);
    } else if (nID == IDC_DATE_LARGE) {
        theApp.m_nDateSize = nLarge;
        theApp.WriteSetting(Keys::kDateSize, nLarge);
    } else if (theApp.m_pDoc) {
        // The title's size belongs to the calendar alone.
        theApp.m_pDoc->m_bTitleLarge = nLarge;
    }
    theApp.MarkModified();
    theApp.InvalidateView();
}

void CStylePage::OnDateStyle(int nStyle) {
    theApp.m_nDateStyle = nStyle;
    theApp.MarkModified();
    InvalidateTitle();
    theApp.WriteSetting(Keys::kDateStyle, nStyle);
}

void CStylePage::OnSwap() {
    theApp.m_nDateSwap = theApp.m_nDateSwap ? 0 : 1;
    SetDlgItemText(IDC_DATE_GROUP, theApp.m_nDateSwap ? "Year and Month" : "Month and Year");
    theApp.MarkModified();
    InvalidateTitle();
    theApp.WriteSetting(Keys::kDateSwap, theApp.m_nDateSwap);
}

void CStylePage::InvalidateTitle() {
    CAlmanarkView* pView = theApp.m_pView;
    if (!pView || !pView->GetSafeHwnd())
        return;
    const CRect& rc = pView->m_rectTitle;
    pView->InvalidateRect(rc.IsRectEmpty() ? nullptr : &rc);
}
