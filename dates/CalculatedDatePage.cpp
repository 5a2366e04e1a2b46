#include "dates/CalculatedDatePage.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "app/AlmanarkApp.h"
#include "dates/EventRule.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

namespace {

struct DateWord {
    int m_nIndex;
    const char* m_pszWord;
};

// The words of the radio buttons IDC_ORD_1ST .. IDC_CM_DECEMBER, in id order.
const DateWord s_aWords[] = {
    {1, "1st"},          {1, "2nd"},         {1, "3rd"},         {1, "4th"},
    {1, "Last"},         {2, " Monday "},    {2, " Tuesday "},   {2, " Wednesday "},
    {2, " Thursday "},   {2, " Friday "},    {2, " Saturday "},  {2, " Sunday "},
    {3, "in January"},   {3, "in February"}, {3, "in March"},    {3, "in April"},
    {3, "in May"},       {3, "in June"},     {3, "in July"},     {3, "in August"},
    {3, "in September"}, {3, "in October"},  {3, "in November"}, {3, "in December"}};

static_assert(IDC_CM_DECEMBER - IDC_ORD_1ST + 1 == sizeof s_aWords / sizeof s_aWords[0],
              "one word per radio button");

const int kMaxEasterDays = 99;

} // namespace

CCalculatedDatePage::CCalculatedDatePage() : CDatePage(IDD_CALCULATED_DATE) {}

void CCalculatedDatePage::DoDataExchange(CDataExchange* pDX) {
    CDatePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CM_JANUARY, m_radioJanuary);
    DDX_Control(pDX, IDC_WD_MONDAY, m_radioMonday);
    DDX_Control(pDX, IDC_ORD_1ST, m_radio1st);
    DDX_Control(pDX, IDC_EASTER, m_radioEaster);
    DDX_Control(pDX, IDC_ORTHODOX_EASTER, m_radioOrthodoxEaster);
    DDX_Control(pDX, IDC_EASTER_DAYS, m_editEasterDays);
}

BOOL CCalculatedDatePage::OnInitDialog() {
    CDatePage::OnInitDialog();
    m_radio1st.SetCheck(BST_CHECKED);
    m_radioMonday.SetCheck(BST_CHECKED);
    m_radioJanuary.SetCheck(BST_CHECKED);
    m_strText[1] = "1st";
    m_strText[2] = " Monday ";
    m_strText[3] = "in January";
    ComposeCalculatedDate();
    m_editEasterDays.LimitText(3);
    ::SendMessageA(GetDlgItem(IDC_EASTER_DAYS_SPIN), UDM_SETRANGE32, (WPARAM)-kMaxEasterDays,
                   kMaxEasterDays);
    ::SendMessageA(GetDlgItem(IDC_EASTER_DAYS_SPIN), UDM_SETPOS32, 0, 1);
    return TRUE;
}

bool CCalculatedDatePage::OnCmdMsg(unsigned nID, int nCode) {
    if (nCode == BN_CLICKED && nID >= IDC_ORD_1ST && nID <= IDC_CM_DECEMBER) {
        const DateWord& word = s_aWords[nID - IDC_ORD_1ST];
        if (IsFromEaster())
            LeaveEaster();
        else
            SetDateWord(word.m_nIndex, word.m_pszWord);
        return true;
    }
    // The number changes as the page is made, before Easter can be chosen.
    if ((nCode == BN_CLICKED && (nID == IDC_EASTER || nID == IDC_ORTHODOX_EASTER)) ||
        (nCode == EN_CHANGE && nID == IDC_EASTER_DAYS && IsFromEaster())) {
        OnEasterChange();
        return true;
    }
    return CDatePage::OnCmdMsg(nID, nCode);
}

// "in October", " Sunday ", "Last" give "Oct-Sun #L".
void CCalculatedDatePage::ComposeCalculatedDate() {
    m_strText[0] =
        m_strText[3].Mid(3, 3) + "-" + m_strText[2].Mid(1, 3) + " #" + m_strText[1].Left(1);
}

// The other two words come back from the pending date, which the dialog
// filled with this page's words when its tab was chosen.
void CCalculatedDatePage::SetDateWord(int nIndex, const char* pszWord) {
    theApp.m_strPendingWords[nIndex - 1] = pszWord;
    for (int i = 0; i < 3; ++i)
        m_strText[i + 1] = theApp.m_strPendingWords[i];
    ComposeCalculatedDate();
    theApp.m_strPendingDate = m_strText[0];
    Notify();
}

bool CCalculatedDatePage::IsFromEaster() const {
    return m_radioEaster.GetCheck() == BST_CHECKED ||
           m_radioOrthodoxEaster.GetCheck() == BST_CHECKED;
}

// "-2" from "Easter" is "EASTER-2", read "2 days before Easter"; no days is
// the Sunday itself.
void CCalculatedDatePage::OnEasterChange() {
    m_editEasterDays.EnableWindow(true);
    ::EnableWindow(GetDlgItem(IDC_EASTER_DAYS_SPIN), true);
    const int nOffset =
        std::max(-kMaxEasterDays, std::min(kMaxEasterDays, atoi(m_editEasterDays.GetWindowText())));
    const int nDays = std::abs(nOffset);
    const bool bOrthodox = m_radioOrthodoxEaster.GetCheck() == BST_CHECKED;
    m_strText[0] =
        CEventRule::Easter(bOrthodox ? CEventRule::orthodoxEaster : CEventRule::easter, nOffset)
            .Text();
    m_strText[1] =
        nDays == 0 ? CString() : CString::FromInt(nDays) + (nDays == 1 ? " day" : " days");
    m_strText[2] = nDays == 0 ? CString() : nOffset < 0 ? CString(" before ") : CString(" after ");
    m_strText[3] = bOrthodox ? "Orthodox Easter" : "Easter";
    Publish();
    Notify();
}

void CCalculatedDatePage::LeaveEaster() {
    m_radioEaster.SetCheck(BST_UNCHECKED);
    m_radioOrthodoxEaster.SetCheck(BST_UNCHECKED);
    m_editEasterDays.EnableWindow(false);
    ::EnableWindow(GetDlgItem(IDC_EASTER_DAYS_SPIN), false);
    for (unsigned nID = IDC_ORD_1ST; nID <= IDC_CM_DECEMBER; ++nID) {
        const DateWord& word = s_aWords[nID - IDC_ORD_1ST];
        if (::IsDlgButtonChecked(m_hWnd, nID) == BST_CHECKED)
            m_strText[word.m_nIndex] = word.m_pszWord;
    }
    ComposeCalculatedDate();
    Publish();
    Notify();
}
