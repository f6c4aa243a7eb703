#pragma once

#include "core/store/dose_ledger.h"
#include "core/store/dose_periods.h"
#include "core/store/person_details.h"
#include "core/store/records.h"

#include <QDate>
#include <optional>
#include <vector>

namespace sarvo {

class DoseDatabase;
class Store;

// One person's dose of record for a year.
struct PersonDoses {
    long long index = -1;  // record index in the user file
    UserSummary person;    // names, department, UserNo, ED, DosimeterId as stored
    PersonDetails details; // the register data (empty when none are stored)
    PeriodDoses doses;     // µSv
    // The Dose of the person's latest History record when it is later than the person's latest
    // reading or clear row (a reading row by its History record number, a clear row by the time
    // it was written), otherwise 0. It counts in no period.
    double pending = 0.0;
    std::optional<QDate> lastReading; // the date of the latest History record of the person
    // Days from the latest reading to today; nothing without a reading.
    std::optional<qint64> daysSince;
    // The person holds a dosimeter and more than limits.overdueDays days have passed since the
    // latest reading (or there is none). As of today, whatever the year.
    bool overdue = false;
    DoseStatus status = DoseStatus::Ok;
    // Share of the annual limit reached by the year's dose (1.0 = the limit).
    double annualShare = 0.0;
};

// Every person's dose of record for `year`, in file order, with the limits and the open alerts:
// what the dose overview, `sarvo-tool doses` and the annual report show. One scan of each file.
struct DoseOverview {
    int year = 0;
    QDate today;
    QDate reference; // the last date the sums take in
    DoseLimits limits;
    std::vector<PersonDoses> persons;
    std::vector<Alert> openAlerts;
};
DoseOverview buildDoseOverview(Store& store, DoseDatabase& database, int year, const QDate& today);
// The overview without the persons who left (PersonDetails::hasLeft()); nobody else changes.
DoseOverview withoutPersonsWhoLeft(DoseOverview overview);

} // namespace sarvo
