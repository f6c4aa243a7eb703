#pragma once

#include "core/store/dose_ledger.h"
#include "core/store/dose_periods.h"
#include "core/text/dose_tables.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace sarvo::registry {

class RegistryConnection;

// What the registry holds, read back across stations, and its own limits and levels. Every
// function reads through `connection` (any role that may read: the officer's, the owner's) and
// throws RegistryError when the server refuses or fails.

// The registry's limits and levels, stored in sarvo.settings under the names the station's
// database uses; a value not set there is the default (DoseLimits{}).
DoseLimits registryLimits(RegistryConnection& connection);
// Stores all five values in one transaction. Only the owner of the registry may: a refusal of
// the server is a RegistryError that says so.
void setRegistryLimits(RegistryConnection& connection, const DoseLimits& limits);
// The same for the limits `change` makes of the stored ones, read and stored in one transaction
// that keeps them locked; the limits as stored.
DoseLimits changeRegistryLimits(RegistryConnection& connection,
                                const std::function<DoseLimits(const DoseLimits&)>& change);

// One person of one station as pushed.
struct RegistryPerson {
    QString station;
    std::int32_t userNo = 0;
    QString registryId;
    QString fullName;
    QString lastName, firstName, middleName, department;
    QString category; // "", "A", "B", "unclassified"
    std::int64_t dosimeterId = 0;
    double ed = 0.0;
    QDate left;
};
// Every person, by station and UserNo.
std::vector<RegistryPerson> registryPersons(RegistryConnection& connection);

// One History record of one station as pushed.
struct RegistryReading {
    QString station;
    long long record = 0;
    QDate date;
    QTime time;
    double dose = 0.0;
    double doseSum = 0.0;
    std::int32_t userNo = 0;
    std::int64_t dosimeterId = 0;
};
// Every reading, or those dated in `year`, by station and record number.
std::vector<RegistryReading> registryReadings(RegistryConnection& connection,
                                              std::optional<int> year = std::nullopt);

// One worker's dose of record for a year across stations. A worker is a registry number; a
// person without one is a worker of its own, "station:user_no".
struct WorkerDoses {
    QString worker;
    // The register's full name, or "last first middle" when no station gives one; of the
    // station whose ledger has the latest entry of the worker.
    QString fullName;
    QStringList stations; // sorted
    PeriodDoses doses;    // µSv, from the ledger rows of every station of the worker
    DoseStatus status = DoseStatus::Ok;
};
struct RegistryDoses {
    int year = 0;
    QDate reference; // the last date the sums take in
    DoseLimits limits;
    std::vector<WorkerDoses> workers; // by worker
};
RegistryDoses registryDoses(RegistryConnection& connection, int year, const QDate& today);

// The tables `sarvo-tool registry persons|readings|doses` print, in the forms of the station's
// dose tables:
//   station,user_no,registry_id,full_name,last_name,first_name,middle_name,department,category,
//     dosimeter_id,ed,left
//   station,record,date,time,dose,dose_sum,user_no,dosimeter_id
//   worker,full_name,stations,year,year_dose,five_year,status  (stations joined by ";" in CSV,
//     by a space in plain text)
DoseTable registryPersonsTable(const std::vector<RegistryPerson>& persons, TableForm form);
DoseTable registryReadingsTable(const std::vector<RegistryReading>& readings, TableForm form);
DoseTable registryDosesTable(const RegistryDoses& doses, TableForm form);

} // namespace sarvo::registry
