#include "core/registry/registry_connection.h"

#include "core/registry/registry_schema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <atomic>

namespace sarvo::registry {

namespace {

const QString kDriver = QStringLiteral("QPSQL");

// libpq's words for a login that needs a password none was given for.
bool wantsPassword(const QSqlError& error) {
    return error.databaseText().contains(QLatin1String("no password supplied"));
}

} // namespace

std::optional<RegistryAddress> RegistryAddress::parse(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres")))
        return std::nullopt;
    if (url.hasFragment())
        return std::nullopt;
    RegistryAddress address;
    address.host = url.host();
    address.port = url.port(5432);
    if (address.port < 1)
        return std::nullopt;
    address.user = url.userName();
    address.password = url.password();
    address.database = url.path();
    if (address.database.startsWith(QLatin1Char('/')))
        address.database.remove(0, 1);
    if (address.database.isEmpty() || address.database.contains(QLatin1Char('/')))
        return std::nullopt;
    QStringList options;
    for (const auto& [name, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        // Qt joins the options with ";" and hands them to libpq as name=value pairs.
        if (name.isEmpty() || name.contains(QLatin1Char(';')) || name.contains(QLatin1Char(' ')) ||
            name.contains(QLatin1Char('=')) || value.contains(QLatin1Char(';')) ||
            value.contains(QLatin1Char(' ')) || value.contains(QLatin1Char('\'')))
            return std::nullopt;
        options << name + QLatin1Char('=') + value;
    }
    address.options = options.join(QLatin1Char(';'));
    return address;
}

QString RegistryAddress::text() const {
    const auto encoded = [](const QString& part) {
        return QString::fromLatin1(QUrl::toPercentEncoding(part));
    };
    QString text = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        text += encoded(user) + QLatin1Char('@');
    text += host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    if (port != 5432)
        text += QLatin1Char(':') + QString::number(port);
    text += QLatin1Char('/') + encoded(database);
    if (!options.isEmpty()) {
        QStringList items;
        for (const QString& option : options.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            items << encoded(option.section(QLatin1Char('='), 0, 0)) + QLatin1Char('=') +
                         encoded(option.section(QLatin1Char('='), 1));
        text += QLatin1Char('?') + items.join(QLatin1Char('&'));
    }
    return text;
}

RegistryConnection::RegistryConnection(const RegistryAddress& address, const PasswordPrompt& prompt,
                                       int timeoutSeconds)
    : address_(address) {
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        throw RegistryError(QCoreApplication::translate(
            "sarvo::Registry", "The PostgreSQL driver of Qt SQL (QPSQL) is not installed: "
                               "install the package libqt6sql6-psql."));
    static std::atomic<long long> counter{0};
    name_ = QStringLiteral("sarvo_registry_%1").arg(++counter);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name_);
        db.setHostName(address.host);
        db.setPort(address.port);
        db.setUserName(address.user);
        db.setDatabaseName(address.database);
        if (!address.password.isEmpty())
            db.setPassword(address.password);
        // A server that goes away in the middle of a statement is noticed within about a
        // minute, not after the system's retransmissions (a quarter of an hour): the address's
        // own values win.
        QStringList options = address.options.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        const QString defaults[] = {
            QStringLiteral("connect_timeout=%1").arg(qMax(1, timeoutSeconds)),
            QStringLiteral("keepalives_idle=30"), QStringLiteral("keepalives_interval=10"),
            QStringLiteral("keepalives_count=3"), QStringLiteral("tcp_user_timeout=60000")};
        for (const QString& option : defaults)
            if (!address.options.contains(option.section(QLatin1Char('='), 0, 0) +
                                          QLatin1Char('=')))
                options << option;
        db.setConnectOptions(options.join(QLatin1Char(';')));
        bool open = db.open();
        if (!open && prompt && address.password.isEmpty() && wantsPassword(db.lastError())) {
            const QString password = prompt(address);
            if (!password.isEmpty()) {
                db.setPassword(password);
                open = db.open();
            }
        }
        if (!open)
            failure = QCoreApplication::translate("sarvo::Registry",
                                                  "Cannot connect to the registry %1: %2")
                          .arg(address.text(), db.lastError().databaseText().trimmed());
    }
    if (!failure.isEmpty()) {
        QSqlDatabase::removeDatabase(name_);
        throw RegistryError(failure);
    }
}

RegistryConnection::~RegistryConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase RegistryConnection::db() const {
    return QSqlDatabase::database(name_, false);
}

int RegistryConnection::schemaVersion() {
    QSqlQuery query(db());
    if (!query.exec(QStringLiteral("SELECT to_regclass('sarvo.settings') IS NOT NULL")) ||
        !query.next())
        throw RegistryError(
            QCoreApplication::translate("sarvo::Registry", "The registry %1 failed: %2")
                .arg(address_.text(), query.lastError().databaseText().trimmed()));
    if (!query.value(0).toBool())
        return 0;
    if (!query.exec(
            QStringLiteral("SELECT value FROM sarvo.settings WHERE name = 'schema_version'")))
        throw RegistryError(
            QCoreApplication::translate("sarvo::Registry", "The registry %1 failed: %2")
                .arg(address_.text(), query.lastError().databaseText().trimmed()));
    return query.next() ? query.value(0).toInt() : 0;
}

void RegistryConnection::requireSchema() {
    const int version = schemaVersion();
    if (version == 0)
        throw RegistryError(
            QCoreApplication::translate("sarvo::Registry",
                                        "The database %1 holds no Sarvo registry: run "
                                        "`sarvo-tool registry init --db URL` there first.")
                .arg(address_.text()));
    if (version > kServerSchemaVersion)
        throw RegistryError(QCoreApplication::translate(
                                "sarvo::Registry",
                                "The registry %1 has schema version %2, newer than this program "
                                "knows (%3): use a newer program.")
                                .arg(address_.text())
                                .arg(version)
                                .arg(kServerSchemaVersion));
}

} // namespace sarvo::registry
