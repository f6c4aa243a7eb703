#include "core/text/hist_filter.h"

#include "core/store/store.h"

namespace sarvo {

bool HistFilter::passes(double histDate, double histTime) const {
    // Written as "no bound or within", so that a damaged value (NaN) never passes a bound.
    if (DateOn && !(isNoBound(DateTo) || histDate <= DateTo))
        return false;
    if (DateOn && !(isNoBound(DateFrom) || histDate >= DateFrom))
        return false;
    if (TimeOn && !(isNoBound(TimeTo) || histTime <= TimeTo))
        return false;
    if (TimeOn && !(isNoBound(TimeFrom) || histTime >= TimeFrom))
        return false;
    return true;
}

HistFilter& histFilter() {
    static HistFilter filter;
    return filter;
}

bool isShown(const HistoryRecord& record, std::int32_t userNo, const HistFilter& filter) {
    return record.UserNo != 0 && record.UserNo == userNo && filter.passes(record);
}

void forEachShownReading(Store& store, std::int32_t userNo, const HistFilter& filter,
                         const std::function<bool(const HistoryRecord&)>& visit) {
    if (userNo == 0)
        return;
    store.forEachHistoryOf(userNo, [&](long long, const HistoryRecord& record) {
        return !isShown(record, userNo, filter) || visit(record);
    });
}

std::vector<HistoryRecord> shownReadings(Store& store, std::int32_t userNo,
                                         const HistFilter& filter) {
    std::vector<HistoryRecord> records;
    forEachShownReading(store, userNo, filter, [&](const HistoryRecord& record) {
        records.push_back(record);
        return true;
    });
    return records;
}

} // namespace sarvo
