#include "core/store/dose_overview.h"

#include "core/store/dose_database.h"
#include "core/store/store.h"

#include <map>
#include <unordered_map>

namespace sarvo {

namespace {

// What the overview keeps of a person's latest History record and latest reading or clear row.
struct Latest {
    long long history = -1;
    HistoryRecord reading;
    const LedgerRow* cut = nullptr; // the latest reading or clear row
};

QDateTime historyTime(const HistoryRecord& record) {
    return QDateTime(dateFromDays(record.HistDate), timeFromFraction(record.HistTime));
}

} // namespace

DoseOverview buildDoseOverview(Store& store, DoseDatabase& database, int year, const QDate& today) {
    DoseOverview overview;
    overview.year = year;
    overview.today = today;
    overview.reference = referenceDate(year, today);

    // One picture of all three: no writer in between.
    const DataLock lock = store.readLock();
    overview.limits = database.limits();
    overview.openAlerts = database.alerts(false);
    const std::vector<LedgerRow> ledger = database.ledger();
    std::map<std::int32_t, PersonDetails> details = database.personDetails();

    std::unordered_map<std::int32_t, size_t> byUserNo;
    store.forEachUserSummary([&](long long index, const UserSummary& person) {
        byUserNo.emplace(person.UserNo, overview.persons.size());
        PersonDoses row;
        row.index = index;
        row.person = person;
        if (const auto found = details.find(person.UserNo); found != details.end())
            row.details = found->second;
        else
            row.details.userNo = person.UserNo;
        overview.persons.push_back(std::move(row));
        return true;
    });
    std::vector<Latest> latest(overview.persons.size());
    const auto positionOf = [&](std::int32_t userNo) -> const size_t* {
        const auto found = byUserNo.find(userNo);
        return found == byUserNo.end() ? nullptr : &found->second;
    };

    store.forEachHistory([&](long long index, const HistoryRecord& record) {
        if (const size_t* at = positionOf(record.UserNo)) {
            latest[*at].history = index;
            latest[*at].reading = record;
        }
        return true;
    });
    for (const LedgerRow& row : ledger) {
        const size_t* at = positionOf(row.userNo);
        if (!at)
            continue;
        addToPeriods(overview.persons[*at].doses, row, year, overview.reference);
        if (row.kind == LedgerKind::Reading || row.kind == LedgerKind::Clear)
            latest[*at].cut = &row;
    }

    const long long annual = toMicroSv(overview.limits.annual);
    for (size_t k = 0; k < overview.persons.size(); ++k) {
        PersonDoses& row = overview.persons[k];
        const Latest& last = latest[k];
        if (last.history >= 0) {
            bool later = true;
            if (last.cut && last.cut->kind == LedgerKind::Reading)
                later = last.history > last.cut->historyRecord;
            else if (last.cut)
                later = historyTime(last.reading) >
                        QDateTime::fromString(last.cut->time, Qt::ISODateWithMs);
            row.pending = later ? last.reading.Dose : 0.0;
            row.lastReading = dateFromDays(last.reading.HistDate);
            row.daysSince = row.lastReading->daysTo(today);
        }
        row.overdue = row.person.DosimeterId != 0 &&
                      (!row.daysSince || *row.daysSince > overview.limits.overdueDays);
        row.status = doseStatus(row.doses, overview.limits);
        row.annualShare = annual > 0 ? static_cast<double>(row.doses.year) / annual : 0.0;
    }
    return overview;
}

DoseOverview withoutPersonsWhoLeft(DoseOverview overview) {
    std::erase_if(overview.persons, [](const PersonDoses& row) { return row.details.hasLeft(); });
    return overview;
}

} // namespace sarvo
