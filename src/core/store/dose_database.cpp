#include "core/store/dose_database.h"

#include "core/store/dose_periods.h"
#include "core/store/platform.h"
#include "core/store/store.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <cmath>
#include <cstdio>

namespace sarvo {

namespace {

// The schema of version 1. Plain types only, so that it runs on PostgreSQL as well: dates are
// ISO texts, doses binary64 in mSv, ids given by the program under the write lock.
const char* const kSchemaV1[] = {
    "CREATE TABLE settings (name VARCHAR(64) PRIMARY KEY, value VARCHAR(255) NOT NULL)",
    "CREATE TABLE ledger (id BIGINT PRIMARY KEY, written_at VARCHAR(40) NOT NULL, "
    "period_date VARCHAR(10) NOT NULL, user_no INTEGER NOT NULL, dosimeter_id BIGINT NOT NULL, "
    "kind VARCHAR(16) NOT NULL, dose DOUBLE PRECISION NOT NULL, "
    "ed_before DOUBLE PRECISION NOT NULL, ed_after DOUBLE PRECISION NOT NULL, "
    "history_record BIGINT, os_user VARCHAR(255) NOT NULL, reason TEXT NOT NULL)",
    "CREATE INDEX ledger_user_no ON ledger (user_no)",
    "CREATE TABLE alerts (id BIGINT PRIMARY KEY, raised_at VARCHAR(40) NOT NULL, "
    "user_no INTEGER NOT NULL, kind VARCHAR(20) NOT NULL, period VARCHAR(9) NOT NULL, "
    "dose DOUBLE PRECISION NOT NULL, level DOUBLE PRECISION NOT NULL, ledger_id BIGINT NOT NULL, "
    "acknowledged_by VARCHAR(255) NOT NULL, acknowledged_at VARCHAR(40) NOT NULL, "
    "note TEXT NOT NULL, UNIQUE (user_no, kind, period))",
};

// Version 2: the register data of persons, and what the station knows the central registry
// holds.
const char* const kSchemaV2[] = {
    "CREATE TABLE person_details (user_no INTEGER PRIMARY KEY, full_name TEXT NOT NULL, "
    "registry_id TEXT NOT NULL, birth_date VARCHAR(10) NOT NULL, category VARCHAR(12) NOT NULL, "
    "site TEXT NOT NULL, left_on VARCHAR(10) NOT NULL)",
    "CREATE UNIQUE INDEX person_details_registry_id ON person_details (registry_id) "
    "WHERE registry_id <> ''",
    "CREATE TABLE registry_pushed (kind VARCHAR(16) NOT NULL, item BIGINT NOT NULL, "
    "digest BIGINT NOT NULL, PRIMARY KEY (kind, item))",
};

constexpr const char* kDetailColumns =
    "user_no, full_name, registry_id, birth_date, category, site, left_on";

constexpr const char* kLedgerColumns =
    "id, written_at, period_date, user_no, dosimeter_id, kind, dose, ed_before, ed_after, "
    "history_record, os_user, reason";
constexpr const char* kAlertColumns =
    "id, raised_at, user_no, kind, period, dose, level, ledger_id, acknowledged_by, "
    "acknowledged_at, note";

constexpr const char* kVersion = "schema_version";
// The settings names of the central registry and of what was pushed to it.
constexpr const char* kRegistryStation = "registry_station";
constexpr const char* kRegistryAddress = "registry_address";
constexpr const char* kPushedReadings = "pushed_readings";
constexpr const char* kPushedLedgerId = "pushed_ledger_id";

// A text column takes an empty text, never NULL.
QString notNull(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

StoreError databaseError(const QString& path, const QSqlError& error) {
    return StoreError(QCoreApplication::translate("sarvo::DoseDatabase",
                                                  "The dose database %1 cannot be used: %2")
                          .arg(path, error.text().trimmed()));
}

// A statement that throws StoreError when it fails.
class Statement {
public:
    Statement(const QSqlDatabase& db, const QString& path, const QString& sql)
        : query_(db), path_(path) {
        if (!query_.prepare(sql))
            throw databaseError(path_, query_.lastError());
    }
    Statement& bind(const QVariant& value) {
        query_.bindValue(next_++, value);
        return *this;
    }
    // Runs the statement; it may be bound and run again.
    Statement& run() {
        next_ = 0;
        if (!query_.exec())
            throw databaseError(path_, query_.lastError());
        return *this;
    }
    bool next() { return query_.next(); }
    QVariant value(int k) const { return query_.value(k); }

private:
    QSqlQuery query_;
    QString path_;
    int next_ = 0;
};

LedgerRow ledgerRowOf(const Statement& q) {
    LedgerRow row;
    row.id = q.value(0).toLongLong();
    row.time = q.value(1).toString();
    row.date = QDate::fromString(q.value(2).toString(), Qt::ISODate);
    row.userNo = q.value(3).toInt();
    row.dosimeterId = q.value(4).toLongLong();
    row.kind = ledgerKindFromName(q.value(5).toString()).value_or(LedgerKind::Manual);
    row.dose = q.value(6).toDouble();
    row.edBefore = q.value(7).toDouble();
    row.edAfter = q.value(8).toDouble();
    row.historyRecord = q.value(9).isNull() ? -1 : q.value(9).toLongLong();
    row.user = q.value(10).toString();
    row.reason = q.value(11).toString();
    return row;
}

Alert alertOf(const Statement& q) {
    Alert alert;
    alert.id = q.value(0).toLongLong();
    alert.time = q.value(1).toString();
    alert.userNo = q.value(2).toInt();
    alert.kind = alertKindFromName(q.value(3).toString()).value_or(AlertKind::Investigation);
    alert.period = q.value(4).toString();
    alert.dose = q.value(5).toDouble();
    alert.level = q.value(6).toDouble();
    alert.ledgerId = q.value(7).toLongLong();
    alert.acknowledgedBy = q.value(8).toString();
    alert.acknowledgedAt = q.value(9).toString();
    alert.note = q.value(10).toString();
    return alert;
}

// A transaction that is rolled back unless it was committed.
class Transaction {
public:
    Transaction(QSqlDatabase db, const QString& path) : db_(std::move(db)), path_(path) {
        if (!db_.transaction())
            throw databaseError(path_, db_.lastError());
    }
    ~Transaction() {
        if (!done_)
            db_.rollback();
    }
    void commit() {
        done_ = true;
        if (!db_.commit()) {
            const QSqlError error = db_.lastError();
            db_.rollback();
            throw databaseError(path_, error);
        }
    }

private:
    QSqlDatabase db_;
    QString path_;
    bool done_ = false;
};

Statement ledgerInsert(const QSqlDatabase& db, const QString& path) {
    return Statement(db, path,
                     QStringLiteral("INSERT INTO ledger (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                    "?, ?, ?)")
                         .arg(QLatin1String(kLedgerColumns)));
}

void insertRow(Statement& insert, const LedgerRow& row) {
    insert.bind(row.id)
        .bind(row.time)
        .bind(row.date.toString(Qt::ISODate))
        .bind(row.userNo)
        .bind(static_cast<qlonglong>(row.dosimeterId))
        .bind(ledgerKindName(row.kind))
        .bind(row.dose)
        .bind(row.edBefore)
        .bind(row.edAfter)
        .bind(row.historyRecord >= 0 ? QVariant(row.historyRecord)
                                     : QVariant(QMetaType::fromType<qlonglong>()))
        .bind(notNull(row.user))
        .bind(notNull(row.reason))
        .run();
}

// Stores one setting, replacing its value.
void putSetting(const QSqlDatabase& db, const QString& path, const QString& name,
                const QString& value) {
    Statement(db, path, QStringLiteral("DELETE FROM settings WHERE name = ?")).bind(name).run();
    Statement(db, path, QStringLiteral("INSERT INTO settings (name, value) VALUES (?, ?)"))
        .bind(name)
        .bind(value)
        .run();
}

QString isoDate(const QDate& date) {
    return date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("");
}

PersonDetails detailsOf(const Statement& q) {
    PersonDetails details;
    details.userNo = q.value(0).toInt();
    details.fullName = q.value(1).toString();
    details.registryId = q.value(2).toString();
    details.birth = QDate::fromString(q.value(3).toString(), Qt::ISODate);
    details.category = personCategoryFromName(q.value(4).toString()).value_or(PersonCategory::None);
    details.site = q.value(5).toString();
    details.left = QDate::fromString(q.value(6).toString(), Qt::ISODate);
    return details;
}

} // namespace

NewerDatabaseError::NewerDatabaseError(const QString& path, int version, int known)
    : StoreError(QCoreApplication::translate(
                     "sarvo::DoseDatabase",
                     "The dose database %1 was written by a newer version of this program "
                     "(schema %2; this version knows up to %3). Nothing was read or written: "
                     "use the newer version.")
                     .arg(path)
                     .arg(version)
                     .arg(known)) {}

struct DoseDatabase::Connection {
    QString name;
    QString path;
    int version = 0;
    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }
};

DoseDatabase::DoseDatabase(Store& store) : store_(store) {}

DoseDatabase::~DoseDatabase() {
    if (!connection_)
        return;
    const QString name = connection_->name;
    {
        QSqlDatabase db = connection_->db();
        db.close();
    }
    delete connection_;
    QSqlDatabase::removeDatabase(name);
}

std::filesystem::path DoseDatabase::path() const {
    return store_.dataDir() / kFileName;
}

bool DoseDatabase::exists() const {
    std::error_code error;
    return std::filesystem::exists(path(), error);
}

QString DoseDatabase::osUser() {
    const QString name = QString::fromStdString(platform::loginName());
    if (!name.isEmpty())
        return name;
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("?");
}

QString DoseDatabase::timeStamp(const QDateTime& at) {
    const QDateTime local = at.isValid() ? at : QDateTime::currentDateTime();
    const int offset = local.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

DoseDatabase::Connection* DoseDatabase::open(bool forWrite) {
    const QString filePath = QString::fromStdString(path().string());
    if (!connection_) {
        if (!exists()) {
            if (!forWrite)
                return nullptr;
            // Created under the write lock with the mode and group of the user file; SQLite gives
            // its journal files the mode of the database file.
            store_.ensureDataDir();
            int error = 0;
            std::FILE* file = platform::createExclusive(path(), store_.userPath(), error);
            if (!file && error != EEXIST)
                throw openError(error, filePath);
            if (file)
                std::fclose(file);
        }
        static std::atomic<int> serial{0};
        auto connection = std::make_unique<Connection>();
        connection->name = QStringLiteral("sarvo-dose-%1").arg(++serial);
        connection->path = filePath;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection->name);
            db.setDatabaseName(filePath);
            db.setConnectOptions(
                store_.readOnly()
                    ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000")
                    : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            if (!db.isValid() || !db.open()) {
                const StoreError error = databaseError(filePath, db.lastError());
                db = QSqlDatabase();
                QSqlDatabase::removeDatabase(connection->name);
                throw error;
            }
        }
        connection_ = connection.release();
        try {
            const QSqlDatabase db = connection_->db();
            Statement(db, filePath, QStringLiteral("PRAGMA synchronous=FULL")).run();
            // The version: none in a new, empty file.
            Statement tables(db, filePath,
                             QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                            "AND name = 'settings'"));
            if (tables.run().next()) {
                Statement version(db, filePath,
                                  QStringLiteral("SELECT value FROM settings WHERE name = ?"));
                version.bind(QString::fromLatin1(kVersion)).run();
                connection_->version = version.next() ? version.value(0).toInt() : 0;
            }
        } catch (...) {
            const QString name = connection_->name;
            delete connection_;
            connection_ = nullptr;
            QSqlDatabase::removeDatabase(name);
            throw;
        }
    }
    if (connection_->version > kSchemaVersion)
        throw NewerDatabaseError(filePath, connection_->version, kSchemaVersion);
    if (forWrite && connection_->version < kSchemaVersion)
        migrate();
    return connection_;
}

void DoseDatabase::migrate() {
    const QSqlDatabase db = connection_->db();
    const QString& filePath = connection_->path;
    if (connection_->version == 0) {
        Statement mode(db, filePath, QStringLiteral("PRAGMA journal_mode=WAL"));
        mode.run();
    }
    Transaction transaction(db, filePath);
    if (connection_->version < 1) {
        for (const char* sql : kSchemaV1)
            Statement(db, filePath, QString::fromLatin1(sql)).run();
        // The ledger starts from the ED each person has now.
        const QString now = timeStamp(QDateTime());
        const QDate today = QDate::currentDate();
        const QString user = osUser();
        Statement insert = ledgerInsert(db, filePath);
        long long id = 0;
        store_.forEachUserSummary([&](long long, const UserSummary& person) {
            if (person.ED != 0.0) {
                LedgerRow row;
                row.id = ++id;
                row.time = now;
                row.userNo = person.UserNo;
                row.dosimeterId = person.DosimeterId;
                row.kind = LedgerKind::Opening;
                row.dose = person.ED;
                row.edAfter = person.ED;
                row.date = today;
                row.user = user;
                insertRow(insert, row);
            }
            return true;
        });
    }
    if (connection_->version < 2)
        for (const char* sql : kSchemaV2)
            Statement(db, filePath, QString::fromLatin1(sql)).run();
    putSetting(db, filePath, QString::fromLatin1(kVersion), QString::number(kSchemaVersion));
    transaction.commit();
    connection_->version = kSchemaVersion;
}

std::vector<LedgerRow> DoseDatabase::ledger(std::int32_t userNo) {
    const DataLock lock = store_.readLock();
    std::vector<LedgerRow> rows;
    const Connection* c = open(false);
    if (!c || c->version == 0)
        return rows;
    QString sql = QStringLiteral("SELECT %1 FROM ledger").arg(QLatin1String(kLedgerColumns));
    if (userNo != 0)
        sql += QStringLiteral(" WHERE user_no = ?");
    Statement q(c->db(), c->path, sql + QStringLiteral(" ORDER BY id"));
    if (userNo != 0)
        q.bind(userNo);
    q.run();
    while (q.next())
        rows.push_back(ledgerRowOf(q));
    return rows;
}

DoseLimits DoseDatabase::limits() {
    const DataLock lock = store_.readLock();
    DoseLimits limits;
    const Connection* c = open(false);
    if (!c || c->version == 0)
        return limits;
    Statement q(c->db(), c->path, QStringLiteral("SELECT name, value FROM settings"));
    q.run();
    while (q.next())
        applyLimitSetting(limits, q.value(0).toString(), q.value(1).toString());
    return limits;
}

std::vector<Alert> DoseDatabase::alerts(bool all) {
    const DataLock lock = store_.readLock();
    std::vector<Alert> alerts;
    const Connection* c = open(false);
    if (!c || c->version == 0)
        return alerts;
    Statement q(c->db(), c->path,
                QStringLiteral("SELECT %1 FROM alerts%2 ORDER BY id")
                    .arg(QLatin1String(kAlertColumns),
                         all ? QString() : QStringLiteral(" WHERE acknowledged_at = ''")));
    q.run();
    while (q.next())
        alerts.push_back(alertOf(q));
    return alerts;
}

void DoseDatabase::setLimits(const DoseLimits& limits) {
    const DataLock lock = store_.writeLock();
    const Connection* c = open(true);
    Transaction transaction(c->db(), c->path);
    for (const auto& [name, value] : limitSettings(limits))
        putSetting(c->db(), c->path, name, value);
    transaction.commit();
}

std::map<std::int32_t, PersonDetails> DoseDatabase::personDetails() {
    const DataLock lock = store_.readLock();
    std::map<std::int32_t, PersonDetails> all;
    const Connection* c = open(false);
    if (!c || c->version < 2)
        return all;
    Statement q(c->db(), c->path,
                QStringLiteral("SELECT %1 FROM person_details").arg(QLatin1String(kDetailColumns)));
    q.run();
    while (q.next()) {
        PersonDetails details = detailsOf(q);
        all.emplace(details.userNo, std::move(details));
    }
    return all;
}

PersonDetails DoseDatabase::personDetails(std::int32_t userNo) {
    const DataLock lock = store_.readLock();
    const Connection* c = open(false);
    if (c && c->version >= 2) {
        Statement q(c->db(), c->path,
                    QStringLiteral("SELECT %1 FROM person_details WHERE user_no = ?")
                        .arg(QLatin1String(kDetailColumns)));
        q.bind(userNo).run();
        if (q.next())
            return detailsOf(q);
    }
    PersonDetails none;
    none.userNo = userNo;
    return none;
}

void DoseDatabase::setPersonDetails(const PersonDetails& given) {
    PersonDetails details = given;
    details.fullName = details.fullName.trimmed();
    details.registryId = details.registryId.trimmed();
    details.site = details.site.trimmed();
    const DataLock lock = store_.writeLock();
    if (details.userNo <= 0 || store_.findUserIndex(details.userNo) < 0)
        throw RefusedChange(QCoreApplication::translate("sarvo::DoseDatabase",
                                                        "There is no person with the number %1.")
                                .arg(details.userNo));
    const Connection* c = open(true);
    Transaction transaction(c->db(), c->path);
    if (!details.registryId.isEmpty()) {
        Statement holder(c->db(), c->path,
                         QStringLiteral("SELECT user_no FROM person_details WHERE registry_id = ? "
                                        "AND user_no <> ?"));
        holder.bind(details.registryId).bind(details.userNo).run();
        if (holder.next())
            throw RefusedChange(
                QCoreApplication::translate(
                    "sarvo::DoseDatabase",
                    "The registry number %1 belongs to the person with the number %2 already.")
                    .arg(details.registryId)
                    .arg(holder.value(0).toInt()));
    }
    Statement(c->db(), c->path, QStringLiteral("DELETE FROM person_details WHERE user_no = ?"))
        .bind(details.userNo)
        .run();
    if (!details.empty())
        Statement(c->db(), c->path,
                  QStringLiteral("INSERT INTO person_details (%1) VALUES (?, ?, ?, ?, ?, ?, ?)")
                      .arg(QLatin1String(kDetailColumns)))
            .bind(details.userNo)
            .bind(notNull(details.fullName))
            .bind(notNull(details.registryId))
            .bind(isoDate(details.birth))
            .bind(personCategoryName(details.category))
            .bind(notNull(details.site))
            .bind(isoDate(details.left))
            .run();
    transaction.commit();
}

DoseDatabase::RegistrySettings DoseDatabase::registrySettings() {
    const DataLock lock = store_.readLock();
    RegistrySettings settings;
    const Connection* c = open(false);
    if (!c || c->version < 2)
        return settings;
    Statement q(c->db(), c->path,
                QStringLiteral("SELECT name, value FROM settings WHERE name IN (?, ?)"));
    q.bind(QString::fromLatin1(kRegistryStation)).bind(QString::fromLatin1(kRegistryAddress)).run();
    while (q.next())
        (q.value(0).toString() == QLatin1String(kRegistryStation) ? settings.station
                                                                  : settings.address) =
            q.value(1).toString();
    return settings;
}

void DoseDatabase::setRegistrySettings(const RegistrySettings& settings) {
    const DataLock lock = store_.writeLock();
    const Connection* c = open(true);
    Transaction transaction(c->db(), c->path);
    putSetting(c->db(), c->path, QString::fromLatin1(kRegistryStation), notNull(settings.station));
    putSetting(c->db(), c->path, QString::fromLatin1(kRegistryAddress), notNull(settings.address));
    transaction.commit();
}

DoseDatabase::PushedState DoseDatabase::pushedState() {
    const DataLock lock = store_.readLock();
    PushedState state;
    const Connection* c = open(false);
    if (!c || c->version < 2)
        return state;
    Statement settings(c->db(), c->path,
                       QStringLiteral("SELECT name, value FROM settings WHERE name IN (?, ?)"));
    settings.bind(QString::fromLatin1(kPushedReadings))
        .bind(QString::fromLatin1(kPushedLedgerId))
        .run();
    while (settings.next())
        (settings.value(0).toString() == QLatin1String(kPushedReadings) ? state.readings
                                                                        : state.ledgerId) =
            settings.value(1).toLongLong();
    Statement items(c->db(), c->path,
                    QStringLiteral("SELECT kind, item, digest FROM registry_pushed"));
    items.run();
    while (items.next()) {
        if (items.value(0).toString() == QLatin1String("person"))
            state.persons[items.value(1).toInt()] = items.value(2).toLongLong();
        else
            state.alerts[items.value(1).toLongLong()] = items.value(2).toLongLong();
    }
    return state;
}

void DoseDatabase::setPushedState(const PushedState& state) {
    const DataLock lock = store_.writeLock();
    const Connection* c = open(true);
    Transaction transaction(c->db(), c->path);
    putSetting(c->db(), c->path, QString::fromLatin1(kPushedReadings),
               QString::number(state.readings));
    putSetting(c->db(), c->path, QString::fromLatin1(kPushedLedgerId),
               QString::number(state.ledgerId));
    Statement(c->db(), c->path, QStringLiteral("DELETE FROM registry_pushed")).run();
    Statement insert(c->db(), c->path,
                     QStringLiteral("INSERT INTO registry_pushed (kind, item, digest) "
                                    "VALUES (?, ?, ?)"));
    for (const auto& [userNo, digest] : state.persons)
        insert.bind(QStringLiteral("person"))
            .bind(userNo)
            .bind(static_cast<qlonglong>(digest))
            .run();
    for (const auto& [id, digest] : state.alerts)
        insert.bind(QStringLiteral("alert")).bind(id).bind(static_cast<qlonglong>(digest)).run();
    transaction.commit();
}

Alert DoseDatabase::acknowledge(long long alertId, const QString& note) {
    const auto unknown = [&] {
        return RefusedChange(
            QCoreApplication::translate("sarvo::DoseDatabase",
                                        "There is no open alert with the number %1.")
                .arg(alertId));
    };
    // Without a database there is no alert, and nothing is made (not even the lock file).
    if (!exists())
        throw unknown();
    const DataLock lock = store_.writeLock();
    const Connection* c = open(true);
    Transaction transaction(c->db(), c->path);
    Statement q(
        c->db(), c->path,
        QStringLiteral("SELECT %1 FROM alerts WHERE id = ?").arg(QLatin1String(kAlertColumns)));
    q.bind(alertId).run();
    if (!q.next())
        throw unknown();
    Alert alert = alertOf(q);
    if (!alert.open())
        throw RefusedChange(
            QCoreApplication::translate("sarvo::DoseDatabase",
                                        "Alert %1 was acknowledged already by %2 at %3.")
                .arg(alertId)
                .arg(alert.acknowledgedBy, alert.acknowledgedAt));
    alert.acknowledgedBy = osUser();
    alert.acknowledgedAt = timeStamp(QDateTime());
    alert.note = notNull(note);
    Statement(c->db(), c->path,
              QStringLiteral("UPDATE alerts SET acknowledged_by = ?, acknowledged_at = ?, note = ? "
                             "WHERE id = ?"))
        .bind(alert.acknowledgedBy)
        .bind(alert.acknowledgedAt)
        .bind(alert.note)
        .bind(alertId)
        .run();
    transaction.commit();
    return alert;
}

std::vector<Alert> DoseDatabase::raiseAlerts(const LedgerRow& row) {
    std::vector<Alert> raised;
    if (row.kind != LedgerKind::Reading && row.kind != LedgerKind::Manual)
        return raised;
    const Connection* c = connection_;
    // The person's period doses before this entry, in the periods of its date.
    const int year = row.date.year();
    long long yearBefore = 0;
    long long monthBefore = 0;
    long long fiveBefore = 0;
    Statement q(c->db(), c->path,
                QStringLiteral("SELECT period_date, dose FROM ledger WHERE user_no = ? AND id < ? "
                               "AND (kind = 'reading' OR kind = 'manual')"));
    q.bind(row.userNo).bind(row.id).run();
    while (q.next()) {
        const QDate date = QDate::fromString(q.value(0).toString(), Qt::ISODate);
        if (!date.isValid())
            continue;
        const long long dose = toMicroSv(q.value(1).toDouble());
        if (date.year() == year) {
            yearBefore += dose;
            if (date.month() == row.date.month())
                monthBefore += dose;
        }
        if (date.year() >= year - 4 && date.year() <= year)
            fiveBefore += dose;
    }
    const long long added = toMicroSv(row.dose);
    const DoseLimits levels = limits(); // the lock nests
    const QString yearText = QString::number(year);
    struct Level {
        AlertKind kind;
        std::optional<double> level;
        long long before;
        QString period;
    };
    const Level checks[] = {
        {AlertKind::Investigation, levels.investigation, yearBefore, yearText},
        {AlertKind::Monthly, levels.monthly, monthBefore,
         row.date.toString(QStringLiteral("yyyy-MM"))},
        {AlertKind::Limit, levels.annual, yearBefore, yearText},
        {AlertKind::FiveYearLimit, levels.fiveYear, fiveBefore,
         QStringLiteral("%1-%2").arg(year - 4).arg(year)},
    };
    for (const Level& check : checks) {
        if (!check.level)
            continue;
        const long long level = toMicroSv(*check.level);
        const long long after = check.before + added;
        if (!(check.before < level && after >= level))
            continue;
        Statement seen(c->db(), c->path,
                       QStringLiteral("SELECT id FROM alerts WHERE user_no = ? AND kind = ? AND "
                                      "period = ?"));
        seen.bind(row.userNo).bind(alertKindName(check.kind)).bind(check.period).run();
        if (seen.next())
            continue; // once per person, level and period
        Statement next(c->db(), c->path, QStringLiteral("SELECT MAX(id) FROM alerts"));
        next.run();
        Alert alert;
        alert.id = (next.next() ? next.value(0).toLongLong() : 0) + 1;
        alert.time = row.time;
        alert.userNo = row.userNo;
        alert.kind = check.kind;
        alert.period = check.period;
        alert.dose = fromMicroSv(after);
        alert.level = *check.level;
        alert.ledgerId = row.id;
        Statement(c->db(), c->path,
                  QStringLiteral("INSERT INTO alerts (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, '', '', "
                                 "'')")
                      .arg(QLatin1String(kAlertColumns)))
            .bind(alert.id)
            .bind(alert.time)
            .bind(alert.userNo)
            .bind(alertKindName(alert.kind))
            .bind(alert.period)
            .bind(alert.dose)
            .bind(alert.level)
            .bind(alert.ledgerId)
            .run();
        raised.push_back(alert);
    }
    return raised;
}

EdChange DoseDatabase::changeEd(long long index, std::int32_t userNo, const EdEntry& entry) {
    EdChange change;
    if (entry.kind == LedgerKind::Manual && entry.reason.trimmed().isEmpty())
        throw RefusedChange(QCoreApplication::translate(
            "sarvo::DoseDatabase", "A dose entered by hand needs its reason: nothing was stored."));
    if (entry.kind == LedgerKind::Opening)
        throw RefusedChange(QCoreApplication::translate(
            "sarvo::DoseDatabase", "An opening entry is made only when the ledger is created."));
    if (entry.kind != LedgerKind::Clear && !std::isfinite(entry.dose))
        throw RefusedChange(QCoreApplication::translate(
            "sarvo::DoseDatabase", "The dose is not a number: nothing was stored."));
    const DataLock lock = store_.writeLock();

    // The person, read again under the lock.
    const long long count = store_.userCount();
    std::optional<UserRecord> user;
    if (index >= 0 && index < count) {
        UserRecord record = store_.readUser(index);
        if (record.UserNo == userNo && userNo != 0)
            user = std::move(record);
    }
    if (!user && entry.followMoves && userNo != 0) {
        index = store_.findUserIndex(userNo);
        if (index >= 0)
            user = store_.readUser(index);
    }
    if (!user)
        return change;

    LedgerRow& row = change.row;
    row.userNo = userNo;
    row.dosimeterId = user->DosimeterId;
    row.kind = entry.kind;
    row.edBefore = user->ED;
    row.dose = entry.kind == LedgerKind::Clear ? -user->ED : entry.dose;
    row.edAfter = row.edBefore + row.dose;
    // A correction that brings ED to zero brings it to exactly zero.
    if (row.edAfter < 0.0 && toMicroSv(row.edAfter) == 0) {
        row.dose = -row.edBefore;
        row.edAfter = 0.0;
    }
    if (row.edAfter < 0.0)
        throw RefusedChange(
            QCoreApplication::translate(
                "sarvo::DoseDatabase",
                "The accumulated dose (ED) would fall below 0: it is %1 mSv, the "
                "dose entered is %2 mSv. Nothing was stored.")
                .arg(QString::number(row.edBefore, 'g', 15), QString::number(row.dose, 'g', 15)));
    const QDateTime at = entry.at.isValid() ? entry.at : QDateTime::currentDateTime();
    row.time = timeStamp(at);
    row.date = entry.kind == LedgerKind::Clear || !entry.date.isValid() ? at.date() : entry.date;
    row.historyRecord = entry.kind == LedgerKind::Reading ? entry.historyRecord : -1;
    row.user = osUser();
    row.reason = entry.reason.trimmed();

    const Connection* c = open(true);
    Transaction transaction(c->db(), c->path);
    Statement next(c->db(), c->path, QStringLiteral("SELECT MAX(id) FROM ledger"));
    next.run();
    row.id = (next.next() ? next.value(0).toLongLong() : 0) + 1;
    Statement insert = ledgerInsert(c->db(), c->path);
    insertRow(insert, row);
    change.raised = raiseAlerts(row);

    const UserRecord before = *user;
    user->ED = row.edAfter;
    store_.writeUser(index, *user);
    try {
        transaction.commit();
    } catch (...) {
        // The row is not kept: the record goes back to what it was.
        store_.writeUser(index, before);
        throw;
    }
    change.done = true;
    change.index = index;
    change.user = std::move(*user);
    return change;
}

} // namespace sarvo
