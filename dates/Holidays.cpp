#include "dates/Holidays.h"

const Holiday g_aHolidays[HOLIDAY_COUNT] = {
    {"Jan 01", "New Year's Day"},
    {"Jan-Mon #3", "Martin Luther King Jr"},
    {"Feb 02", "Groundhog Day"},
    {"Feb 14", "Valentine's Day"},
    {"Feb-Mon #3", "Presidents Day"},
    {"Mar 17", "St. Patrick's Day"},
    {"Apr 01", "April Fool's Day"},
    {"EASTER", "Easter"},
    {"May 01", "May Day"},
    {"May-Sun #2", "Mother's Day"},
    {"May-Mon #L", "Memorial Day"},
    {"Jun 14", "Flag Day"},
    {"Jun-Sun #3", "Father's Day"},
    {"Jul 04", "Independence Day"},
    {"Sep-Mon #1", "Labor Day"},
    {"Oct-Mon #2", "Columbus Day"},
    {"Oct 31", "Halloween"},
    {"Nov 11", "Veterans Day"},
    {"Nov-Thu #4", "Thanksgiving Day"},
    {"Dec 25", "Christmas Day"},
};
