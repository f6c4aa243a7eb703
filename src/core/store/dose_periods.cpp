#include "core/store/dose_periods.h"

#include <algorithm>
#include <cmath>

namespace sarvo {

long long toMicroSv(double mSv) {
    return std::llround(mSv * 1000.0);
}

double fromMicroSv(long long microSv) {
    return static_cast<double>(microSv) / 1000.0;
}

QDate referenceDate(int year, const QDate& today) {
    return year == today.year() ? today : QDate(year, 12, 31);
}

void addToPeriods(PeriodDoses& doses, const LedgerRow& row, int year, const QDate& reference) {
    if (row.kind != LedgerKind::Reading && row.kind != LedgerKind::Manual)
        return;
    const QDate& date = row.date;
    if (!date.isValid() || date > reference)
        return;
    const long long dose = toMicroSv(row.dose);
    if (date.year() == year) {
        doses.year += dose;
        doses.months[date.month() - 1] += dose;
    }
    if (date.year() >= year - 4 && date.year() <= year)
        doses.fiveYear += dose;
    // QDate::addYears takes 29 February back to 28 February.
    if (date > reference.addYears(-1))
        doses.rolling12 += dose;
}

PeriodDoses periodDoses(std::span<const LedgerRow> rows, int year, const QDate& reference) {
    PeriodDoses doses;
    for (const LedgerRow& row : rows)
        addToPeriods(doses, row, year, reference);
    return doses;
}

DoseStatus doseStatus(const PeriodDoses& doses, const DoseLimits& limits) {
    if (doses.year >= toMicroSv(limits.annual) || doses.fiveYear >= toMicroSv(limits.fiveYear))
        return DoseStatus::Limit;
    if (doses.year >= toMicroSv(limits.investigation))
        return DoseStatus::Investigation;
    if (limits.monthly) {
        const long long monthly = toMicroSv(*limits.monthly);
        if (std::any_of(doses.months.begin(), doses.months.end(),
                        [&](long long dose) { return dose >= monthly; }))
            return DoseStatus::Investigation;
    }
    return DoseStatus::Ok;
}

QString doseStatusName(DoseStatus status) {
    switch (status) {
    case DoseStatus::Limit:
        return QStringLiteral("limit");
    case DoseStatus::Investigation:
        return QStringLiteral("investigation");
    case DoseStatus::Ok:
        break;
    }
    return QStringLiteral("ok");
}

} // namespace sarvo
