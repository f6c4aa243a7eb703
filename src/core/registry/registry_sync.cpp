#include "core/registry/registry_sync.h"

#include "core/registry/registry_schema.h"
#include "core/store/dose_database.h"
#include "core/store/record_file.h"
#include "core/store/store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

namespace sarvo::registry {

namespace {

int batchRows = 5000;
// Readings compared with the server per query.
constexpr long long kCompareRange = 200000;

// The first 8 bytes of the SHA-1 of `bytes`, as a signed 64-bit number.
std::int64_t digestOf(const char* bytes, qsizetype size) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(bytes, size), QCryptographicHash::Sha1);
    return qFromBigEndian<qint64>(hash.constData());
}
std::int64_t digestOf(const QByteArray& bytes) {
    return digestOf(bytes.constData(), bytes.size());
}

// A list of SQL literals separated by commas. Texts are escape strings (E'...'), read alike
// whatever standard_conforming_strings says; numbers are written in full; an invalid date is
// NULL.
class Literals {
public:
    Literals& text(const QString& text) {
        QByteArray utf8 = text.toUtf8();
        utf8.replace('\0', QByteArray());
        next() += "E'";
        for (const char c : utf8) {
            if (c == '\'' || c == '\\')
                bytes_ += c;
            bytes_ += c;
        }
        bytes_ += '\'';
        return *this;
    }
    Literals& number(double value) {
        if (std::isnan(value))
            next() += "'NaN'";
        else if (std::isinf(value))
            next() += value > 0 ? "'Infinity'" : "'-Infinity'";
        else
            next() += QByteArray::number(value, 'g', 17);
        return *this;
    }
    Literals& integer(long long value) {
        next() += QByteArray::number(value);
        return *this;
    }
    Literals& date(const QDate& date) {
        if (!date.isValid() || date.year() < 1 || date.year() > 9999)
            return null();
        next() += '\'' + date.toString(Qt::ISODate).toLatin1() + '\'';
        return *this;
    }
    Literals& null() {
        next() += "NULL";
        return *this;
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray& next() {
        if (!bytes_.isEmpty())
            bytes_ += ',';
        return bytes_;
    }
    QByteArray bytes_;
};

// One row of the station: its key, its columns after the station (a VALUES list without the
// parentheses), and the digest of those columns.
struct LocalRow {
    long long key = 0;
    QByteArray columns;
    std::int64_t digest = 0;
};

std::vector<LocalRow> personRows(Store& store, DoseDatabase& database) {
    const std::map<std::int32_t, PersonDetails> details = database.personDetails();
    std::vector<LocalRow> rows;
    std::set<std::int32_t> seen;
    store.forEachUserSummary([&](long long, const UserSummary& user) {
        // A damaged file may hold a UserNo twice: its first person counts.
        if (user.UserNo == 0 || !seen.insert(user.UserNo).second)
            return true;
        const auto found = details.find(user.UserNo);
        const PersonDetails d = found != details.end() ? found->second : PersonDetails{};
        Literals c;
        c.integer(user.UserNo)
            .text(user.lastName())
            .text(user.firstName())
            .text(user.middleName())
            .text(user.department())
            .integer(user.DosimeterId)
            .number(user.ED)
            .text(d.fullName)
            .text(d.registryId)
            .date(d.birth)
            .text(personCategoryName(d.category))
            .text(d.site)
            .date(d.left);
        rows.push_back({user.UserNo, c.bytes(), digestOf(c.bytes())});
        return true;
    });
    return rows;
}

std::vector<LocalRow> ledgerRows(DoseDatabase& database) {
    std::vector<LocalRow> rows;
    for (const LedgerRow& r : database.ledger()) {
        Literals c;
        c.integer(r.id).text(r.time).date(r.date).integer(r.userNo).integer(r.dosimeterId);
        c.text(ledgerKindName(r.kind)).number(r.dose).number(r.edBefore).number(r.edAfter);
        if (r.historyRecord < 0)
            c.null();
        else
            c.integer(r.historyRecord);
        c.text(r.user).text(r.reason);
        rows.push_back({r.id, c.bytes(), digestOf(c.bytes())});
    }
    return rows;
}

std::vector<LocalRow> alertRows(DoseDatabase& database) {
    std::vector<LocalRow> rows;
    for (const Alert& a : database.alerts(true)) {
        Literals c;
        c.integer(a.id).text(a.time).integer(a.userNo).text(alertKindName(a.kind)).text(a.period);
        c.number(a.dose).number(a.level).integer(a.ledgerId);
        c.text(a.acknowledgedBy).text(a.acknowledgedAt).text(a.note);
        rows.push_back({a.id, c.bytes(), digestOf(c.bytes())});
    }
    return rows;
}

// The readings go as one array per column, unnested on the server: far less for it to parse
// than a row of literals per reading.
struct ReadingColumns {
    static constexpr int kCount = 8;
    QByteArray column[kCount];

    void start() {
        for (QByteArray& c : column) {
            c.clear();
            c += "'{";
        }
    }
    static void number(QByteArray& out, double value) {
        if (std::isnan(value))
            out += "NaN";
        else if (std::isinf(value))
            out += value > 0 ? "Infinity" : "-Infinity";
        else
            out += QByteArray::number(value, 'g', 17);
    }
    void add(long long record, const char* bytes) {
        const HistoryRecord r = HistoryRecord::fromBytes(bytes);
        const char* separator = column[0].size() > 2 ? "," : "";
        for (QByteArray& c : column)
            c += separator;
        column[0] += QByteArray::number(record);
        char text[32];
        const QDate date = dateFromDays(r.HistDate);
        if (date.isValid() && date.year() >= 1 && date.year() <= 9999) {
            std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year(), date.month(),
                          date.day());
            column[1] += text;
        } else {
            column[1] += "NULL";
        }
        const QTime time = timeFromFraction(r.HistTime);
        if (time.isValid()) {
            std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", time.hour(), time.minute(),
                          time.second(), time.msec());
            column[2] += text;
        } else {
            column[2] += "NULL";
        }
        number(column[3], r.Dose);
        number(column[4], r.DoseSum);
        column[5] += QByteArray::number(r.UserNo);
        column[6] += QByteArray::number(static_cast<qint64>(r.DosimeterId));
        column[7] += QByteArray::number(static_cast<qint64>(digestOf(bytes, kHistoryRecordSize)));
    }
    // "unnest('{...}'::bigint[], ...)"
    QByteArray unnest() const {
        static const char* const types[kCount] = {"bigint", "date",    "time(3)", "float8",
                                                  "float8", "integer", "bigint",  "bigint"};
        QByteArray out("unnest(");
        for (int i = 0; i < kCount; ++i) {
            out += i ? ",(" : "(";
            out += column[i];
            out += "}')::";
            out += types[i];
            out += "[]";
        }
        out += ')';
        return out;
    }
};

// What the station holds, read under one shared lock. Of the History file only the checksum of
// each record is kept: the records to send are read again when they are sent.
struct StationData {
    std::vector<std::int64_t> checksums; // of each History record, by record number
    long long readings = 0;
    std::vector<LocalRow> persons, ledger, alerts;
};

StationData readStation(Store& writable) {
    // Reading creates no file that is missing.
    Store store(writable.baseDir(), true);
    StationData data;
    const DataLock lock = store.readLock();
    {
        RecordFile file(store.historyPath(), kHistoryRecordSize, RecordFile::Mode::ReadOnly);
        if (file.exists()) {
            data.checksums.reserve(static_cast<size_t>(file.count()));
            size_t records = 0;
            while (const char* block = file.nextBlock(records))
                for (size_t k = 0; k < records; ++k)
                    data.checksums.push_back(
                        digestOf(block + k * kHistoryRecordSize, kHistoryRecordSize));
        }
        file.close();
    }
    data.readings = static_cast<long long>(data.checksums.size());
    DoseDatabase database(store);
    data.persons = personRows(store, database);
    data.ledger = ledgerRows(database);
    data.alerts = alertRows(database);
    return data;
}

DoseDatabase::PushedState pushedStateOf(const StationData& data) {
    DoseDatabase::PushedState state;
    state.readings = data.readings;
    for (const LocalRow& row : data.ledger)
        state.ledgerId = std::max(state.ledgerId, row.key);
    for (const LocalRow& row : data.persons)
        state.persons[static_cast<std::int32_t>(row.key)] = row.digest;
    for (const LocalRow& row : data.alerts)
        state.alerts[row.key] = row.digest;
    return state;
}

[[noreturn]] void failed(RegistryConnection& connection, const QSqlQuery& query) {
    const QSqlError error = query.lastError();
    throw RegistryError(
        QCoreApplication::translate("sarvo::Registry", "The registry %1 failed: %2")
            .arg(connection.address().text(), error.databaseText().trimmed().isEmpty()
                                                  ? error.text()
                                                  : error.databaseText().trimmed()));
}

class Push {
public:
    Push(RegistryConnection& connection, const QString& station,
         const std::function<void(const SyncProgress&)>& progress)
        : connection_(connection), progress_(progress) {
        station_ = Literals().text(station).bytes();
    }

    [[noreturn]] void fail(const QSqlQuery& query) { failed(connection_, query); }

    // Runs a query whose rows are read once, in order.
    QSqlQuery select(const QString& sql) {
        QSqlQuery query(connection_.db());
        query.setForwardOnly(true);
        if (!query.exec(sql))
            fail(query);
        return query;
    }

    // key -> digest of the rows of `table` the server holds for the station.
    std::map<long long, std::int64_t> serverDigests(const char* table, const char* key,
                                                    const char* digest) {
        std::map<long long, std::int64_t> digests;
        QSqlQuery query = select(QStringLiteral("SELECT %1, %2 FROM sarvo.%3 WHERE station = %4")
                                     .arg(QLatin1String(key), QLatin1String(digest),
                                          QLatin1String(table), QString::fromUtf8(station_)));
        while (query.next())
            digests[query.value(0).toLongLong()] = query.value(1).toLongLong();
        return digests;
    }

    // Sends rows in batches of one statement each; `tuple(i, out)` adds the columns of row i
    // after the station.
    void send(const char* head, const char* tail, size_t count,
              const std::function<void(size_t, QByteArray&)>& tuple) {
        for (size_t from = 0; from < count; from += static_cast<size_t>(batchRows)) {
            const size_t to = std::min(count, from + static_cast<size_t>(batchRows));
            QByteArray sql(head);
            sql.reserve(static_cast<qsizetype>((to - from) * 160 + 400));
            for (size_t i = from; i < to; ++i) {
                sql += i == from ? "(" : ",(";
                sql += station_;
                sql += ',';
                tuple(i, sql);
                sql += ')';
            }
            sql += tail;
            exec(sql, to - from);
        }
    }

    // Sends the History records `records` (ascending). Each batch is read under the shared lock,
    // which is released before it is sent; a record that no longer has the checksum it had when
    // the station was read goes into `rewritten` and is not sent. The number sent is returned.
    long long sendReadings(const std::filesystem::path& baseDir,
                           const std::vector<std::int64_t>& checksums,
                           const std::vector<long long>& records,
                           std::vector<long long>& rewritten) {
        ReadingColumns columns;
        long long sent = 0;
        const size_t batch = static_cast<size_t>(batchRows) * 4;
        for (size_t from = 0; from < records.size(); from += batch) {
            const size_t to = std::min(records.size(), from + batch);
            columns.start();
            size_t taken = 0;
            {
                Store store(baseDir, true);
                const DataLock lock = store.readLock();
                RecordFile file(store.historyPath(), kHistoryRecordSize,
                                RecordFile::Mode::ReadOnly);
                long long position = -1;
                for (size_t i = from; i < to; ++i) {
                    const long long k = records[i];
                    if (k != position && file.exists())
                        file.seek(k);
                    position = k + 1;
                    const char* bytes = file.exists() ? file.next() : nullptr;
                    if (!bytes || digestOf(bytes, kHistoryRecordSize) != checksums[k]) {
                        rewritten.push_back(k);
                        position = -1;
                        continue;
                    }
                    columns.add(k, bytes);
                    ++taken;
                }
                file.close();
            }
            if (taken == 0) {
                progressNow_.sent += static_cast<long long>(to - from);
                continue;
            }
            QByteArray sql("INSERT INTO sarvo.readings (station, record, hist_date, hist_time, "
                           "dose, dose_sum, user_no, dosimeter_id, checksum) SELECT ");
            sql += station_;
            sql += ", * FROM ";
            sql += columns.unnest();
            sql += " ON CONFLICT (station, record) DO NOTHING";
            exec(sql, to - from);
            sent += static_cast<long long>(taken);
        }
        return sent;
    }

    // Runs one statement (its own transaction) that sent `rows` items.
    void exec(const QByteArray& sql, size_t rows) {
        QSqlQuery query(connection_.db());
        if (!query.exec(QString::fromUtf8(sql)))
            fail(query);
        progressNow_.sent += static_cast<long long>(rows);
        if (progress_)
            progress_(progressNow_);
    }

    RegistryConnection& connection_;
    const std::function<void(const SyncProgress&)>& progress_;
    QByteArray station_; // as a literal
    SyncProgress progressNow_;
};

// The rows whose digest the server does not have; `changed` gets the keys the server holds
// with another digest.
std::vector<const LocalRow*> missing(const std::vector<LocalRow>& rows,
                                     const std::map<long long, std::int64_t>& server,
                                     std::vector<long long>* changed) {
    std::vector<const LocalRow*> out;
    for (const LocalRow& row : rows) {
        const auto found = server.find(row.key);
        if (found == server.end())
            out.push_back(&row);
        else if (found->second != row.digest) {
            if (changed)
                changed->push_back(row.key);
            else
                out.push_back(&row);
        }
    }
    return out;
}

} // namespace

QString loginStation(RegistryConnection& connection) {
    QSqlQuery query(connection.db());
    if (!query.exec(
            QStringLiteral("SELECT name FROM sarvo.stations WHERE role_name = current_user")))
        failed(connection, query);
    return query.next() ? query.value(0).toString() : QString();
}

void setSyncBatchRows(int rows) {
    batchRows = std::max(1, rows);
}

SyncResult syncStation(Store& store, RegistryConnection& connection, const QString& station,
                       const std::function<void(const SyncProgress&)>& progress) {
    const StationData data = readStation(store); // the lock is released here
    Push push(connection, station, progress);
    const QString own = loginStation(connection);
    if (own != station)
        throw RegistryError(
            own.isEmpty()
                ? QCoreApplication::translate(
                      "sarvo::Registry",
                      "The login %1 is not the role of a station in the registry; the station %2 "
                      "logs in as %3.")
                      .arg(connection.address().user, station, stationRoleName(station))
                : QCoreApplication::translate(
                      "sarvo::Registry", "The login %1 is the role of the station %2, not of %3.")
                      .arg(connection.address().user, own, station));

    SyncResult result;
    const auto persons =
        missing(data.persons, push.serverDigests("persons", "user_no", "digest"), nullptr);
    const auto alerts = missing(data.alerts, push.serverDigests("alerts", "id", "digest"), nullptr);
    const auto ledger = missing(data.ledger, push.serverDigests("ledger", "id", "checksum"),
                                &result.rewrittenLedgerRows);
    std::vector<long long> readings;
    for (long long from = 0; from < data.readings; from += kCompareRange) {
        const long long to = std::min(data.readings, from + kCompareRange);
        QSqlQuery query = push.select(
            QStringLiteral("SELECT record, checksum FROM sarvo.readings WHERE station = %1 AND "
                           "record >= %2 AND record < %3 ORDER BY record")
                .arg(QString::fromUtf8(push.station_))
                .arg(from)
                .arg(to));
        long long next = from;
        while (query.next()) {
            const long long record = query.value(0).toLongLong();
            for (; next < record; ++next)
                readings.push_back(next);
            if (query.value(1).toLongLong() != data.checksums[static_cast<size_t>(record)])
                result.rewrittenRecords.push_back(record);
            next = record + 1;
        }
        for (; next < to; ++next)
            readings.push_back(next);
    }

    // Records the server holds beyond the end of the file: the file lost them.
    QSqlQuery beyond = push.select(
        QStringLiteral("SELECT record FROM sarvo.readings WHERE station = %1 AND record >= %2 "
                       "ORDER BY record")
            .arg(QString::fromUtf8(push.station_))
            .arg(data.readings));
    while (beyond.next())
        result.rewrittenRecords.push_back(beyond.value(0).toLongLong());

    push.progressNow_.total =
        static_cast<long long>(persons.size() + readings.size() + ledger.size() + alerts.size());
    const auto rowsOf = [](const std::vector<const LocalRow*>& rows) {
        return [&rows](size_t i, QByteArray& out) {
            out += rows[i]->columns;
            out += ',';
            out += QByteArray::number(rows[i]->digest);
        };
    };
    push.send("INSERT INTO sarvo.persons (station, user_no, last_name, first_name, middle_name, "
              "department, dosimeter_id, ed, full_name, registry_id, birth_date, category, site, "
              "left_on, digest) VALUES ",
              " ON CONFLICT (station, user_no) DO UPDATE SET last_name = EXCLUDED.last_name, "
              "first_name = EXCLUDED.first_name, middle_name = EXCLUDED.middle_name, "
              "department = EXCLUDED.department, dosimeter_id = EXCLUDED.dosimeter_id, "
              "ed = EXCLUDED.ed, full_name = EXCLUDED.full_name, "
              "registry_id = EXCLUDED.registry_id, birth_date = EXCLUDED.birth_date, "
              "category = EXCLUDED.category, site = EXCLUDED.site, left_on = EXCLUDED.left_on, "
              "digest = EXCLUDED.digest",
              persons.size(), rowsOf(persons));
    result.persons = static_cast<long long>(persons.size());
    result.readings =
        push.sendReadings(store.baseDir(), data.checksums, readings, result.rewrittenRecords);
    push.send("INSERT INTO sarvo.ledger (station, id, written_at, period_date, user_no, "
              "dosimeter_id, kind, dose, ed_before, ed_after, history_record, os_user, reason, "
              "checksum) VALUES ",
              " ON CONFLICT (station, id) DO NOTHING", ledger.size(), rowsOf(ledger));
    result.ledgerRows = static_cast<long long>(ledger.size());
    push.send("INSERT INTO sarvo.alerts (station, id, raised_at, user_no, kind, period, dose, "
              "level, ledger_id, acknowledged_by, acknowledged_at, note, digest) VALUES ",
              " ON CONFLICT (station, id) DO UPDATE SET raised_at = EXCLUDED.raised_at, "
              "user_no = EXCLUDED.user_no, kind = EXCLUDED.kind, period = EXCLUDED.period, "
              "dose = EXCLUDED.dose, level = EXCLUDED.level, ledger_id = EXCLUDED.ledger_id, "
              "acknowledged_by = EXCLUDED.acknowledged_by, "
              "acknowledged_at = EXCLUDED.acknowledged_at, note = EXCLUDED.note, "
              "digest = EXCLUDED.digest",
              alerts.size(), rowsOf(alerts));
    result.alerts = static_cast<long long>(alerts.size());

    std::sort(result.rewrittenRecords.begin(), result.rewrittenRecords.end());
    DoseDatabase(store).setPushedState(pushedStateOf(data));
    return result;
}

long long waitingChanges(Store& writable) {
    Store store(writable.baseDir(), true);
    const DataLock lock = store.readLock();
    DoseDatabase database(store);
    const DoseDatabase::PushedState pushed = database.pushedState();
    long long waiting = std::max(0LL, store.historyCount() - pushed.readings);
    for (const LocalRow& row : ledgerRows(database))
        waiting += row.key > pushed.ledgerId ? 1 : 0;
    const auto changed = [&waiting](const std::vector<LocalRow>& rows, const auto& digests) {
        for (const LocalRow& row : rows) {
            const auto found = digests.find(
                static_cast<typename std::decay_t<decltype(digests)>::key_type>(row.key));
            waiting += found == digests.end() || found->second != row.digest ? 1 : 0;
        }
    };
    changed(personRows(store, database), pushed.persons);
    changed(alertRows(database), pushed.alerts);
    return waiting;
}

} // namespace sarvo::registry
