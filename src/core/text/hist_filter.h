#pragma once

#include "core/store/records.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace sarvo {

class Store;

// A bound equal to this value is not applied (bit pattern C197D783FC000000).
inline constexpr double NoBound = -99999999.0;

inline bool isNoBound(double bound) {
    return bound == NoBound;
}

// The date and time filter of the history views: a range of dates and a range of times of
// day, each switched on and off on its own. Both ends of both ranges are inclusive; the time
// range applies to the time of day on every date. A bound is NoBound or, for dates, a whole
// day count (days since 30 December 1899) and, for times, a fraction of a day in whole minutes.
// The bounds of a switched-off range keep their values and apply again when it is switched on.
struct HistFilter {
    bool DateOn = false;
    bool TimeOn = false;
    double DateFrom = 0.0;
    double DateTo = 0.0;
    double TimeFrom = 0.0;
    double TimeTo = 0.0;

    // The filter test: true when a reading of that date and time of day passes.
    bool passes(double histDate, double histTime) const;
    bool passes(const HistoryRecord& record) const {
        return passes(record.HistDate, record.HistTime);
    }

    friend bool operator==(const HistFilter&, const HistFilter&) = default;
};

// The program's one filter, read by the history table, the chart, the text export and the
// printout and written by the filter dialog and by applying the captions (which switch both
// ranges off). It lives until the program ends; nothing of it is saved.
HistFilter& histFilter();

// True when a History record is listed for the person `userNo`: it belongs to that person
// (its UserNo is not 0 and equals userNo) and passes the filter.
bool isShown(const HistoryRecord& record, std::int32_t userNo, const HistFilter& filter);

// Reads the history file from record 0 to its end and calls `visit` for every record shown
// for `userNo` (isShown), in file order, which is the order of arrival; `visit` returns false
// to stop early. Every listing of a person's readings (table, chart, export, printout) takes
// its rows from here. A failure of the store throws StoreError after the records before it
// were visited.
void forEachShownReading(Store& store, std::int32_t userNo, const HistFilter& filter,
                         const std::function<bool(const HistoryRecord&)>& visit);

// The records forEachShownReading visits, collected.
std::vector<HistoryRecord> shownReadings(Store& store, std::int32_t userNo,
                                         const HistFilter& filter);

} // namespace sarvo
