// The weeks of one month as a calendar shows them, for any first day of the week: which date
// stands in which day box (column 0 to 6, week row 0 to 5), the weekday of each column and the
// ISO 8601 number of each week row. The document keeps day notes by box as a Sunday-first
// calendar places them; StoredBox and ShownBox translate between the two, by date, so that a
// note stays on its date whatever the first weekday.
#pragma once

class CWeekLayout {
public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 6;

    // nYear 1 to 9999 and nMonth 1 to 12 (others are brought into range); nFirstWeekday
    // 0 = Sunday .. 6 = Saturday, taken modulo 7.
    CWeekLayout(int nYear, int nMonth, int nFirstWeekday = 0);

    int FirstWeekday() const { return m_nFirstWeekday; }
    int DaysInMonth() const { return m_nDays; }
    // The column of the 1st.
    int FirstColumn() const { return m_nFirstColumn; }
    // 0 = Sunday .. 6 = Saturday.
    int WeekdayOfColumn(int nCol) const { return ((m_nFirstWeekday + nCol) % 7 + 7) % 7; }
    // The day of the month in a box; 0 for a box without one or outside the grid.
    int DayInBox(int nCol, int nRow) const;
    // False for a day the month does not have.
    bool FindDay(int nDay, int& nCol, int& nRow) const;
    // Whether any day of the month falls in week row nRow.
    bool RowHasDays(int nRow) const;

    // The box of a Sunday-first calendar of the same month that holds the date of the shown box
    // (nCol, nRow). Boxes before the 1st and after the last day count on into the months around
    // it, so the translation is the same both ways and the identity for Sunday first. False when
    // that date has no box there.
    bool StoredBox(int nCol, int nRow, int& nStoredCol, int& nStoredRow) const;
    // The shown box of a Sunday-first box: the inverse of StoredBox.
    bool ShownBox(int nStoredCol, int nStoredRow, int& nCol, int& nRow) const;

    // The ISO 8601 week of week row nRow: the week of the row's Monday (with Monday first, the
    // week holding the row's Thursday, which is the same one).
    int WeekNumber(int nRow) const;

private:
    // Boxes are numbered row by row: slot = row * 7 + column.
    static bool SlotToBox(int nSlot, int& nCol, int& nRow);

    int m_nFirstWeekday;
    int m_nFirstColumn;
    int m_nSundayColumn; // the column of the 1st in a Sunday-first calendar
    int m_nDays;
    long m_nFirstSerial; // day number of the 1st, counted from 1 January 1970
};
