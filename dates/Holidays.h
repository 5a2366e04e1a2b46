// The built-in holiday table offered by the Insert Date dialog.
#pragma once

struct Holiday {
    const char* m_pszDate;
    const char* m_pszName;
};

const int HOLIDAY_COUNT = 20;
extern const Holiday g_aHolidays[HOLIDAY_COUNT];
