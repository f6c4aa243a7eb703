#pragma once

#include <QString>
#include <QStringList>

namespace sarvo::registry {

// The central registry: a PostgreSQL database that every station pushes a copy of its records
// to. Everything lives in the schema "sarvo":
//
//   settings  (name, value)        schema_version, and the registry's limits and levels under
//                                  the names the station's database uses (annual_limit, ...)
//   stations  (name, role_name)    one row per station; role_name is its login role
//   persons   (station, user_no)   the person's four texts from the user file, dosimeter_id,
//                                  ed, and the register data: full_name, registry_id,
//                                  birth_date, category, site, left_on; digest
//   readings  (station, record)    one History record: hist_date, hist_time, dose, dose_sum,
//                                  user_no, dosimeter_id, checksum (of the record's 48 bytes)
//   ledger    (station, id)        one ledger row, the columns of the station's ledger
//   alerts    (station, id)        one alert, the columns of the station's alerts; digest
//
// Roles: sarvo_station (no login; every station role is a member) may read and add the rows of
// its own station only (row-level security on persons, readings, ledger and alerts, by
// stations.role_name = current_user); persons and alerts may also be updated, readings and
// ledger rows never; nobody but the owner deletes. sarvo_officer (no login; the officer's login
// role is made a member) reads everything. The owner (the role that ran `registry init`) sets
// the limits.
inline constexpr int kServerSchemaVersion = 1;
inline constexpr const char* kSchemaName = "sarvo";
inline constexpr const char* kStationGroupRole = "sarvo_station";
inline constexpr const char* kOfficerRole = "sarvo_officer";

// The statements that create schema version 1 in an empty database, in order. Roles and grants
// are not among them (they belong to the cluster, not the database).
QStringList schemaV1Statements();

// The login role of a station: "sarvo_station_" and the name in lower case. A station name is
// 1 to 32 characters of A-Z, a-z, 0-9, "_" and "-"; "-" becomes "_" in the role name.
bool validStationName(const QString& name);
QString stationRoleName(const QString& station);

} // namespace sarvo::registry
