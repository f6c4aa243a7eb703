#include "core/registry/registry_admin.h"

#include "core/registry/registry_schema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace sarvo::registry {

namespace {

// The tables that hold a station's rows.
const char* const kStationTables[] = {"persons", "readings", "ledger", "alerts"};

// Runs the statements in one transaction, or none of them.
class Transaction {
public:
    explicit Transaction(RegistryConnection& connection) : connection_(connection) {
        if (!connection_.db().transaction())
            fail(connection_.db().lastError());
    }
    ~Transaction() {
        if (!done_)
            connection_.db().rollback();
    }
    QSqlQuery exec(const QString& statement, const QVariantList& values = {}) {
        QSqlQuery query(connection_.db());
        bool ok = values.isEmpty() ? query.exec(statement) : query.prepare(statement);
        if (ok && !values.isEmpty()) {
            for (const QVariant& value : values)
                query.addBindValue(value);
            ok = query.exec();
        }
        if (!ok)
            fail(query.lastError());
        return query;
    }
    void commit() {
        if (!connection_.db().commit())
            fail(connection_.db().lastError());
        done_ = true;
    }
    [[noreturn]] void fail(const QSqlError& error) {
        throw RegistryError(
            QCoreApplication::translate("sarvo::Registry", "The registry %1 refused: %2")
                .arg(connection_.address().text(), error.databaseText().trimmed().isEmpty()
                                                       ? error.text()
                                                       : error.databaseText().trimmed()));
    }

private:
    RegistryConnection& connection_;
    bool done_ = false;
};

bool roleExists(Transaction& transaction, const QString& role) {
    QSqlQuery query =
        transaction.exec(QStringLiteral("SELECT 1 FROM pg_roles WHERE rolname = ?"), {role});
    return query.next();
}

// Row-level security: a station's role sees and writes the rows of its own station only; the
// officer reads every row.
QStringList policyStatements() {
    const QString own = QStringLiteral("station IN (SELECT name FROM sarvo.stations "
                                       "WHERE role_name = current_user)");
    QStringList statements;
    for (const char* table : kStationTables) {
        const QString name = QLatin1String(table);
        statements << QStringLiteral("ALTER TABLE sarvo.%1 ENABLE ROW LEVEL SECURITY").arg(name)
                   << QStringLiteral("CREATE POLICY %1_station ON sarvo.%1 FOR ALL TO %2 "
                                     "USING (%3) WITH CHECK (%3)")
                          .arg(name, QLatin1String(kStationGroupRole), own)
                   << QStringLiteral("CREATE POLICY %1_officer ON sarvo.%1 FOR SELECT TO %2 "
                                     "USING (true)")
                          .arg(name, QLatin1String(kOfficerRole));
    }
    return statements;
}

QStringList grantStatements() {
    const QString station = QLatin1String(kStationGroupRole);
    const QString officer = QLatin1String(kOfficerRole);
    return {
        QStringLiteral("GRANT USAGE ON SCHEMA sarvo TO %1, %2").arg(station, officer),
        QStringLiteral("GRANT SELECT ON sarvo.settings, sarvo.stations TO %1").arg(station),
        QStringLiteral("GRANT SELECT, INSERT ON sarvo.readings, sarvo.ledger TO %1").arg(station),
        QStringLiteral("GRANT SELECT, INSERT, UPDATE ON sarvo.persons, sarvo.alerts TO %1")
            .arg(station),
        QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA sarvo TO %1").arg(officer),
    };
}

} // namespace

InitResult initRegistry(RegistryConnection& connection) {
    InitResult result;
    result.versionBefore = connection.schemaVersion();
    if (result.versionBefore > kServerSchemaVersion)
        connection.requireSchema(); // the error asking for a newer program
    Transaction transaction(connection);
    for (const char* role : {kStationGroupRole, kOfficerRole})
        if (!roleExists(transaction, QLatin1String(role))) {
            transaction.exec(QStringLiteral("CREATE ROLE %1 NOLOGIN").arg(QLatin1String(role)));
            result.rolesCreated = true;
        }
    if (result.versionBefore == 0) {
        for (const QString& statement : schemaV1Statements() + policyStatements())
            transaction.exec(statement);
        transaction.exec(
            QStringLiteral("INSERT INTO sarvo.settings (name, value) VALUES ('schema_version', ?)"),
            {QString::number(kServerSchemaVersion)});
    }
    for (const QString& statement : grantStatements())
        transaction.exec(statement);
    transaction.commit();
    result.version = kServerSchemaVersion;
    return result;
}

void addStation(RegistryConnection& connection, const QString& name, const QString& password) {
    if (!validStationName(name))
        throw RegistryError(QCoreApplication::translate(
                                "sarvo::Registry",
                                "A station name is 1 to 32 characters of A-Z, a-z, 0-9, \"_\" and "
                                "\"-\", not %1.")
                                .arg(name));
    if (password.isEmpty())
        throw RegistryError(
            QCoreApplication::translate("sarvo::Registry", "The station's role needs a password."));
    connection.requireSchema();
    const QString role = stationRoleName(name);
    Transaction transaction(connection);
    QSqlQuery existing = transaction.exec(
        QStringLiteral("SELECT name FROM sarvo.stations WHERE lower(name) = lower(?) OR "
                       "role_name = ?"),
        {name, role});
    if (existing.next())
        throw RegistryError(QCoreApplication::translate("sarvo::Registry",
                                                        "The registry has the station %1 already.")
                                .arg(existing.value(0).toString()));
    if (roleExists(transaction, role))
        throw RegistryError(QCoreApplication::translate("sarvo::Registry",
                                                        "The role %1 exists already on the server.")
                                .arg(role));
    // The server quotes the role name and the password itself.
    QSqlQuery statement = transaction.exec(
        QStringLiteral(
            "SELECT format('CREATE ROLE %I LOGIN PASSWORD %L', CAST(? AS text), CAST(? AS text))"),
        {role, password});
    statement.next();
    transaction.exec(statement.value(0).toString());
    QSqlQuery grant = transaction.exec(
        QStringLiteral("SELECT format('GRANT %I TO %I', CAST(? AS text), CAST(? AS text))"),
        {QString::fromLatin1(kStationGroupRole), role});
    grant.next();
    transaction.exec(grant.value(0).toString());
    transaction.exec(QStringLiteral("INSERT INTO sarvo.stations (name, role_name) VALUES (?, ?)"),
                     {name, role});
    transaction.commit();
}

} // namespace sarvo::registry
