// Evaluation of event date texts for one day box of a month calendar.
// strAllEvents holds lines "date text<TAB>caption<CR><LF>"; strEaster is the
// shown year's Easter key (MakeEasterKey), empty before it is first made.
#pragma once
#include "framework/String.h"

// All captions for a day: annual, Easter, one-year, then calculated entries;
// the entries whose date texts are rules (CEventRule: days from Easter or
// Orthodox Easter, annual dates with the years since) go among them in the
// order of the list.
// strDay is the day without a leading zero; nWeekIndex and bLast are those of
// WeekdayOrdinal; nWeekday is the box's column (0 = Sunday).
CString EventCaptionsForDay(const CString& strAllEvents, const CString& strEaster, int nYear,
                            int nMonth, int nWeekday, const CString& strDay, const CString& strNote,
                            int nWeekIndex, bool bLast);
