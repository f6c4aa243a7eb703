#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace sarvo {

// The dose of record. A person's accumulated dose ED lives in the user file; every change of it
// also leaves one row in the dose ledger of the embedded database, written in the same operation
// under the data directory's write lock. Rows are never changed or deleted: a correction is a new
// manual row. For every row, edAfter == edBefore + dose.
enum class LedgerKind {
    Reading, // a reading's dose added to ED on the officer's Yes
    Clear,   // ED set back to 0 (dose = minus the ED cleared)
    Manual,  // an assessed dose entered by hand, with its reason; negative for a correction
    Opening, // the ED a person already had when the ledger was created
};
QString ledgerKindName(LedgerKind kind); // "reading", "clear", "manual", "opening"
std::optional<LedgerKind> ledgerKindFromName(const QString& name);

struct LedgerRow {
    long long id = 0;
    QString time; // when it was written: ISO 8601, local time with its offset, milliseconds
    QDate date;   // the date that decides its periods
    std::int32_t userNo = 0;
    std::int64_t dosimeterId = 0;
    LedgerKind kind = LedgerKind::Manual;
    double dose = 0.0; // mSv
    double edBefore = 0.0;
    double edAfter = 0.0;
    long long historyRecord = -1; // the History record number (from 0) of a reading, else -1
    QString user;                 // the operating-system user who wrote it
    QString reason;               // required for a manual row
};

// A level reached by a period dose. Kinds: "investigation" (year), "monthly", "limit" (year),
// "five_year_limit".
enum class AlertKind { Investigation, Monthly, Limit, FiveYearLimit };
QString alertKindName(AlertKind kind);
std::optional<AlertKind> alertKindFromName(const QString& name);

// One alert per person, kind and period: a later drop and rise in the same period does not
// raise it again.
struct Alert {
    long long id = 0;
    QString time; // when it was raised, as LedgerRow::time
    std::int32_t userNo = 0;
    AlertKind kind = AlertKind::Investigation;
    QString period;         // "2026", "2026-03" or "2022-2026"
    double dose = 0.0;      // the period dose when it was raised, mSv
    double level = 0.0;     // the level reached, mSv
    long long ledgerId = 0; // the entry that raised it
    QString acknowledgedBy;
    QString acknowledgedAt;
    QString note;
    bool open() const { return acknowledgedAt.isEmpty(); }
};

// The limits and levels the statuses and alerts are judged by, in mSv.
struct DoseLimits {
    double annual = 20.0;
    double fiveYear = 100.0;
    double investigation = 6.0;
    std::optional<double> monthly; // off by default
    int overdueDays = 35;
    friend bool operator==(const DoseLimits&, const DoseLimits&) = default;
};

// The limits as stored in a settings table of name and value (the station's database and the
// central registry alike): "annual_limit", "five_year_limit", "investigation_level",
// "monthly_level" (a number or "off") and "overdue_days".
std::vector<std::pair<QString, QString>> limitSettings(const DoseLimits& limits);
// Takes one setting into `limits`; a name that is not a limit's, or a value that is not a
// number, changes nothing (a monthly level that is not a number turns it off).
void applyLimitSetting(DoseLimits& limits, const QString& name, const QString& value);

} // namespace sarvo
