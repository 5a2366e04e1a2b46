// COptions: the user's preferences of the Options dialog. They belong to the
// user, not to a calendar: they live in Almanark.ini (section "Almanark") and
// never in a .kal file. Their defaults draw the calendar as a user in the
// United States expects it.
#pragma once

struct COptions {
    int m_nFirstWeekday = 0;     // 0 = Sunday, 1 = Monday ... 6 = Saturday
    bool m_bWeekNumbers = false; // ISO 8601 week numbers in the month grid
    bool m_bLocalNames = false;  // month and weekday names of the user's locale
};
