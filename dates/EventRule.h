// CEventRule: a date text of the forms that need more than a text match: days
// counted from Easter ("EASTER+1", "EASTER-2") or from Orthodox Easter
// ("OEASTER", "OEASTER+39"), and an annual date with the year it began
// ("Mar 14 *1879"), whose caption shows the years since. Every other date
// text parses to no rule and is matched as text.
#pragma once
#include "framework/String.h"

#include <string_view>

class CEventRule {
public:
    enum Kind { none, easter, orthodoxEaster, age };

    // The rule of a date text; none unless the whole text is one of the forms
    // above, written exactly (case, blanks, no leading zero in the days).
    static CEventRule Parse(std::string_view strDate);

    Kind GetKind() const { return m_kind; }
    bool IsNone() const { return m_kind == none; }
    // Days after Easter (negative: before) of the Easter forms.
    int GetOffset() const { return m_nOffset; }
    int GetMonth() const { return m_nMonth; }
    int GetDay() const { return m_nDay; }
    int GetYear() const { return m_nYear; }

    bool FallsOn(int nYear, int nMonth, int nDay) const;
    // The caption as the day box of a year shows it: with the years since in
    // parentheses for the annual form after its first year.
    CString CaptionIn(int nYear, const CString& strCaption) const;
    // The date text this rule was parsed from.
    CString Text() const;

    static CEventRule Easter(Kind kind, int nOffset);
    static CEventRule Age(int nMonth, int nDay, int nYear);

private:
    Kind m_kind = none;
    int m_nOffset = 0;
    int m_nMonth = 0, m_nDay = 0, m_nYear = 0;
};
