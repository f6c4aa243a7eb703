#include "core/registry/registry_schema.h"

#include <QRegularExpression>

namespace sarvo::registry {

QStringList schemaV1Statements() {
    return {
        QStringLiteral("CREATE SCHEMA IF NOT EXISTS sarvo"),
        QStringLiteral("CREATE TABLE sarvo.settings (name VARCHAR(64) PRIMARY KEY, "
                       "value VARCHAR(255) NOT NULL)"),
        QStringLiteral("CREATE TABLE sarvo.stations (name VARCHAR(32) PRIMARY KEY, "
                       "role_name VARCHAR(63) NOT NULL UNIQUE, "
                       "created_at TIMESTAMP WITH TIME ZONE NOT NULL DEFAULT now())"),
        QStringLiteral(
            "CREATE TABLE sarvo.persons (station VARCHAR(32) NOT NULL REFERENCES sarvo.stations, "
            "user_no INTEGER NOT NULL, last_name TEXT NOT NULL, first_name TEXT NOT NULL, "
            "middle_name TEXT NOT NULL, department TEXT NOT NULL, dosimeter_id BIGINT NOT NULL, "
            "ed DOUBLE PRECISION NOT NULL, full_name TEXT NOT NULL, registry_id TEXT NOT NULL, "
            "birth_date DATE, category VARCHAR(12) NOT NULL, site TEXT NOT NULL, left_on DATE, "
            "digest BIGINT NOT NULL, PRIMARY KEY (station, user_no))"),
        QStringLiteral("CREATE INDEX persons_registry_id ON sarvo.persons (registry_id) "
                       "WHERE registry_id <> ''"),
        QStringLiteral(
            "CREATE TABLE sarvo.readings (station VARCHAR(32) NOT NULL REFERENCES sarvo.stations, "
            "record BIGINT NOT NULL, hist_date DATE, hist_time TIME(3), "
            "dose DOUBLE PRECISION NOT NULL, dose_sum DOUBLE PRECISION NOT NULL, "
            "user_no INTEGER NOT NULL, dosimeter_id BIGINT NOT NULL, checksum BIGINT NOT NULL, "
            "PRIMARY KEY (station, record))"),
        QStringLiteral(
            "CREATE TABLE sarvo.ledger (station VARCHAR(32) NOT NULL REFERENCES sarvo.stations, "
            "id BIGINT NOT NULL, written_at VARCHAR(40) NOT NULL, period_date DATE NOT NULL, "
            "user_no INTEGER NOT NULL, dosimeter_id BIGINT NOT NULL, kind VARCHAR(16) NOT NULL, "
            "dose DOUBLE PRECISION NOT NULL, ed_before DOUBLE PRECISION NOT NULL, "
            "ed_after DOUBLE PRECISION NOT NULL, history_record BIGINT, "
            "os_user VARCHAR(255) NOT NULL, reason TEXT NOT NULL, checksum BIGINT NOT NULL, "
            "PRIMARY KEY (station, id))"),
        QStringLiteral("CREATE INDEX ledger_person ON sarvo.ledger (station, user_no)"),
        QStringLiteral(
            "CREATE TABLE sarvo.alerts (station VARCHAR(32) NOT NULL REFERENCES sarvo.stations, "
            "id BIGINT NOT NULL, raised_at VARCHAR(40) NOT NULL, user_no INTEGER NOT NULL, "
            "kind VARCHAR(20) NOT NULL, period VARCHAR(9) NOT NULL, "
            "dose DOUBLE PRECISION NOT NULL, level DOUBLE PRECISION NOT NULL, "
            "ledger_id BIGINT NOT NULL, acknowledged_by VARCHAR(255) NOT NULL, "
            "acknowledged_at VARCHAR(40) NOT NULL, note TEXT NOT NULL, digest BIGINT NOT NULL, "
            "PRIMARY KEY (station, id))"),
    };
}

bool validStationName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]{1,32}$"));
    return pattern.match(name).hasMatch();
}

QString stationRoleName(const QString& station) {
    return QStringLiteral("sarvo_station_") +
           station.toLower().replace(QLatin1Char('-'), QLatin1Char('_'));
}

} // namespace sarvo::registry
