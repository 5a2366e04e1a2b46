#include "dates/WeekLayout.h"

#include <algorithm>

#include "dates/DateCalc.h"

namespace {
int FloorMod(long n, int m) {
    return int((n % m + m) % m);
}

// The Gregorian year that holds a day number.
int YearOf(long nSerial) {
    const long z = nSerial + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    return int(yoe + era * 400 + (mp >= 10 ? 1 : 0));
}

int IsoWeekOfSerial(long nSerial) {
    // A week belongs to the year of its Thursday, and its number counts that Thursday's weeks.
    // 1 January 1970 was a Thursday, so nSerial + 3 counts weekdays from Monday.
    const long nThursday = nSerial - FloorMod(nSerial + 3, 7) + 3;
    return int((nThursday - DayNumber(YearOf(nThursday), 1, 1)) / 7 + 1);
}
} // namespace

CWeekLayout::CWeekLayout(int nYear, int nMonth, int nFirstWeekday)
    : m_nFirstWeekday(FloorMod(nFirstWeekday, 7)) {
    // A year from a damaged file stays within what the arithmetic holds.
    nYear = std::clamp(nYear, 1, 9999);
    if (nMonth < 1 || nMonth > 12)
        nMonth = 1;
    m_nFirstSerial = DayNumber(nYear, nMonth, 1);
    m_nDays = ::DaysInMonth(nYear, nMonth);
    m_nSundayColumn = WeekdayOf(nYear, nMonth, 1);
    m_nFirstColumn = FloorMod(m_nSundayColumn - m_nFirstWeekday, 7);
}

bool CWeekLayout::SlotToBox(int nSlot, int& nCol, int& nRow) {
    if (nSlot < 0 || nSlot >= kColumns * kRows)
        return false;
    nCol = nSlot % kColumns;
    nRow = nSlot / kColumns;
    return true;
}

int CWeekLayout::DayInBox(int nCol, int nRow) const {
    if (nCol < 0 || nCol >= kColumns || nRow < 0 || nRow >= kRows)
        return 0;
    const int nDay = nRow * kColumns + nCol - m_nFirstColumn + 1;
    return nDay >= 1 && nDay <= m_nDays ? nDay : 0;
}

bool CWeekLayout::FindDay(int nDay, int& nCol, int& nRow) const {
    return nDay >= 1 && nDay <= m_nDays && SlotToBox(m_nFirstColumn + nDay - 1, nCol, nRow);
}

bool CWeekLayout::RowHasDays(int nRow) const {
    return nRow >= 0 && nRow < kRows && nRow * kColumns < m_nFirstColumn + m_nDays &&
           nRow * kColumns + kColumns > m_nFirstColumn;
}

bool CWeekLayout::StoredBox(int nCol, int nRow, int& nStoredCol, int& nStoredRow) const {
    if (nCol < 0 || nCol >= kColumns || nRow < 0 || nRow >= kRows)
        return false;
    return SlotToBox(nRow * kColumns + nCol - m_nFirstColumn + m_nSundayColumn, nStoredCol,
                     nStoredRow);
}

bool CWeekLayout::ShownBox(int nStoredCol, int nStoredRow, int& nCol, int& nRow) const {
    if (nStoredCol < 0 || nStoredCol >= kColumns || nStoredRow < 0 || nStoredRow >= kRows)
        return false;
    return SlotToBox(nStoredRow * kColumns + nStoredCol - m_nSundayColumn + m_nFirstColumn, nCol,
                     nRow);
}

int CWeekLayout::WeekNumber(int nRow) const {
    const long nRowStart = m_nFirstSerial + nRow * kColumns - m_nFirstColumn;
    return IsoWeekOfSerial(nRowStart + FloorMod(1 - m_nFirstWeekday, 7));
}
