#include "core/registry/registry_views.h"

#include "core/registry/registry_connection.h"
#include "core/text/dose_texts.h"
#include "core/text/text_forms.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <map>
#include <utility>

namespace sarvo::registry {

namespace {

// The server's words for a failure ("ERROR:  permission denied for table settings\n(42501)"
// gives "permission denied for table settings"), else the driver's.
QString errorText(const QSqlError& error) {
    QString server = error.databaseText().section(QLatin1Char('\n'), 0, 0).trimmed();
    if (server.startsWith(QLatin1String("ERROR:")))
        server = server.mid(6).trimmed();
    return server.isEmpty() ? error.text().trimmed() : server;
}

RegistryError queryError(const QSqlError& error) {
    return RegistryError(
        QCoreApplication::translate("sarvo::Registry", "The registry could not be read: %1")
            .arg(errorText(error)));
}

// A query run at once; RegistryError when the server refuses or fails it.
QSqlQuery run(RegistryConnection& connection, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery query(connection.db());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw queryError(query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw queryError(query.lastError());
    return query;
}

} // namespace

namespace {

// The limits of the rows of `SELECT name, value FROM sarvo.settings`.
DoseLimits limitsOf(QSqlQuery& q) {
    DoseLimits limits;
    while (q.next())
        applyLimitSetting(limits, q.value(0).toString(), q.value(1).toString());
    return limits;
}

} // namespace

DoseLimits registryLimits(RegistryConnection& connection) {
    connection.requireSchema();
    QSqlQuery q = run(connection, QStringLiteral("SELECT name, value FROM sarvo.settings"));
    return limitsOf(q);
}

DoseLimits changeRegistryLimits(RegistryConnection& connection,
                                const std::function<DoseLimits(const DoseLimits&)>& change) {
    connection.requireSchema();
    QSqlDatabase db = connection.db();
    const auto refused = [&db](const QSqlError& error) {
        db.rollback();
        return RegistryError(QCoreApplication::translate(
                                 "sarvo::Registry",
                                 "The registry refused to store the limits (only the owner of "
                                 "the registry may set them): %1")
                                 .arg(errorText(error)));
    };
    if (!db.transaction())
        throw refused(db.lastError());
    // The rows stay locked until the commit: a change made meanwhile is read, not lost.
    QSqlQuery stored(db);
    stored.setForwardOnly(true);
    if (!stored.exec(QStringLiteral("SELECT name, value FROM sarvo.settings FOR UPDATE")))
        throw refused(stored.lastError());
    const DoseLimits limits = change(limitsOf(stored));
    for (const auto& [name, value] : limitSettings(limits)) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO sarvo.settings (name, value) VALUES (?, ?) "
                                 "ON CONFLICT (name) DO UPDATE SET value = EXCLUDED.value"));
        q.addBindValue(name);
        q.addBindValue(value);
        if (!q.exec())
            throw refused(q.lastError());
    }
    if (!db.commit())
        throw refused(db.lastError());
    return limits;
}

void setRegistryLimits(RegistryConnection& connection, const DoseLimits& limits) {
    changeRegistryLimits(connection, [&limits](const DoseLimits&) { return limits; });
}

std::vector<RegistryPerson> registryPersons(RegistryConnection& connection) {
    connection.requireSchema();
    std::vector<RegistryPerson> persons;
    QSqlQuery q = run(connection,
                      QStringLiteral("SELECT station, user_no, registry_id, full_name, last_name, "
                                     "first_name, middle_name, department, category, "
                                     "dosimeter_id, ed, left_on FROM sarvo.persons "
                                     "ORDER BY station, user_no"));
    while (q.next()) {
        RegistryPerson p;
        p.station = q.value(0).toString();
        p.userNo = q.value(1).toInt();
        p.registryId = q.value(2).toString();
        p.fullName = q.value(3).toString();
        p.lastName = q.value(4).toString();
        p.firstName = q.value(5).toString();
        p.middleName = q.value(6).toString();
        p.department = q.value(7).toString();
        p.category = q.value(8).toString();
        p.dosimeterId = q.value(9).toLongLong();
        p.ed = q.value(10).toDouble();
        p.left = q.value(11).toDate();
        persons.push_back(std::move(p));
    }
    return persons;
}

std::vector<RegistryReading> registryReadings(RegistryConnection& connection,
                                              std::optional<int> year) {
    connection.requireSchema();
    QString sql = QStringLiteral("SELECT station, record, hist_date, hist_time, dose, dose_sum, "
                                 "user_no, dosimeter_id FROM sarvo.readings");
    QVariantList values;
    if (year) {
        sql += QStringLiteral(" WHERE hist_date >= ? AND hist_date <= ?");
        values << QDate(*year, 1, 1) << QDate(*year, 12, 31);
    }
    sql += QStringLiteral(" ORDER BY station, record");
    QSqlQuery q = run(connection, sql, values);
    std::vector<RegistryReading> readings;
    while (q.next()) {
        RegistryReading r;
        r.station = q.value(0).toString();
        r.record = q.value(1).toLongLong();
        r.date = q.value(2).toDate();
        r.time = q.value(3).toTime();
        r.dose = q.value(4).toDouble();
        r.doseSum = q.value(5).toDouble();
        r.userNo = q.value(6).toInt();
        r.dosimeterId = q.value(7).toLongLong();
        readings.push_back(std::move(r));
    }
    return readings;
}

RegistryDoses registryDoses(RegistryConnection& connection, int year, const QDate& today) {
    RegistryDoses result;
    result.year = year;
    result.reference = referenceDate(year, today);
    result.limits = registryLimits(connection);

    struct Worker {
        WorkerDoses doses;
        bool namedByRegister = false;
    };
    std::map<QString, Worker> workers;
    using PersonKey = std::pair<QString, std::int32_t>;
    std::map<PersonKey, QString> workerOf;
    const auto ownKey = [](const QString& station, std::int32_t userNo) {
        return station + QLatin1Char(':') + QString::number(userNo);
    };
    const auto workerFor = [&](const QString& key, const QString& station) -> WorkerDoses& {
        WorkerDoses& worker = workers[key].doses;
        worker.worker = key;
        if (!worker.stations.contains(station))
            worker.stations << station;
        return worker;
    };

    // Persons by their latest ledger entry, so that the name of the latest comes last.
    QSqlQuery persons =
        run(connection,
            QStringLiteral("SELECT p.station, p.user_no, p.registry_id, p.full_name, p.last_name, "
                           "p.first_name, p.middle_name, (SELECT max(l.period_date) FROM "
                           "sarvo.ledger l WHERE l.station = p.station AND l.user_no = p.user_no) "
                           "AS latest FROM sarvo.persons p ORDER BY latest NULLS FIRST, p.station, "
                           "p.user_no"));
    while (persons.next()) {
        const QString station = persons.value(0).toString();
        const std::int32_t userNo = persons.value(1).toInt();
        const QString registryId = persons.value(2).toString().trimmed();
        const QString key = registryId.isEmpty() ? ownKey(station, userNo) : registryId;
        workerOf[{station, userNo}] = key;
        Worker& worker = workers[key];
        workerFor(key, station);
        const QString fullName = persons.value(3).toString().trimmed();
        if (!fullName.isEmpty()) {
            worker.doses.fullName = fullName;
            worker.namedByRegister = true;
        } else if (!worker.namedByRegister) {
            worker.doses.fullName =
                joinedName(persons.value(4).toString(), persons.value(5).toString(),
                           persons.value(6).toString());
        }
    }

    // The rows that count in a period of the year: the year and the four before it.
    QSqlQuery rows = run(connection,
                         QStringLiteral("SELECT station, user_no, period_date, kind, dose FROM "
                                        "sarvo.ledger WHERE kind IN ('reading', 'manual') AND "
                                        "period_date >= ? AND period_date <= ?"),
                         {QDate(year - 4, 1, 1), result.reference});
    while (rows.next()) {
        const QString station = rows.value(0).toString();
        const std::int32_t userNo = rows.value(1).toInt();
        LedgerRow row;
        row.date = rows.value(2).toDate();
        row.kind = ledgerKindFromName(rows.value(3).toString()).value_or(LedgerKind::Opening);
        row.dose = rows.value(4).toDouble();
        const auto known = workerOf.find({station, userNo});
        const QString key = known != workerOf.end() ? known->second : ownKey(station, userNo);
        addToPeriods(workerFor(key, station).doses, row, year, result.reference);
    }

    result.workers.reserve(workers.size());
    for (auto& [key, worker] : workers) {
        worker.doses.stations.sort();
        worker.doses.status = doseStatus(worker.doses.doses, result.limits);
        result.workers.push_back(std::move(worker.doses));
    }
    return result;
}

DoseTable registryPersonsTable(const std::vector<RegistryPerson>& persons, TableForm form) {
    const TableCells forms(form);
    DoseTable table;
    table.header =
        columnNames({"station", "user_no", "registry_id", "full_name", "last_name", "first_name",
                     "middle_name", "department", "category", "dosimeter_id", "ed", "left"});
    table.rows.reserve(persons.size());
    for (const RegistryPerson& p : persons)
        table.rows.push_back({p.station, QString::number(p.userNo), p.registryId, p.fullName,
                              p.lastName, p.firstName, p.middleName, p.department, p.category,
                              identifierDisplayText(p.dosimeterId), forms.number(p.ed),
                              forms.date(p.left)});
    return table;
}

DoseTable registryReadingsTable(const std::vector<RegistryReading>& readings, TableForm form) {
    const TableCells forms(form);
    DoseTable table;
    table.header = columnNames(
        {"station", "record", "date", "time", "dose", "dose_sum", "user_no", "dosimeter_id"});
    table.rows.reserve(readings.size());
    for (const RegistryReading& r : readings)
        table.rows.push_back({r.station, QString::number(r.record), forms.date(r.date),
                              forms.time(r.time), forms.number(r.dose), forms.number(r.doseSum),
                              QString::number(r.userNo), identifierDisplayText(r.dosimeterId)});
    return table;
}

DoseTable registryDosesTable(const RegistryDoses& doses, TableForm form) {
    const TableCells forms(form);
    DoseTable table;
    table.header = columnNames(
        {"worker", "full_name", "stations", "year", "year_dose", "five_year", "status"});
    table.rows.reserve(doses.workers.size());
    for (const WorkerDoses& w : doses.workers)
        table.rows.push_back({w.worker, w.fullName,
                              w.stations.join(forms.csv() ? QLatin1Char(';') : QLatin1Char(' ')),
                              QString::number(doses.year), forms.microSv(w.doses.year),
                              forms.microSv(w.doses.fiveYear), doseStatusName(w.status)});
    return table;
}

} // namespace sarvo::registry
