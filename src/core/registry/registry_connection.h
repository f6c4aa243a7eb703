#pragma once

#include "core/store/store_error.h"

#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>

namespace sarvo::registry {

// The registry cannot be reached or refuses the login (a failure, never a success).
class RegistryError : public StoreError {
public:
    using StoreError::StoreError;
};

// The address of the central database: postgresql://[user@]host[:port]/database[?options]
// ("postgres://" is read as well; options are libpq connection options such as sslmode). A
// password in the address is refused where the address would be stored, and never written
// anywhere.
struct RegistryAddress {
    QString host; // empty: the local socket
    int port = 5432;
    QString user; // empty: the operating-system user
    QString database;
    QString options;  // "sslmode=require;connect_timeout=10", as Qt's connect options
    QString password; // only when the address held one

    // Nothing when `text` is not such an address.
    static std::optional<RegistryAddress> parse(const QString& text);
    // The address without the password.
    QString text() const;
};

// Asks for a password when the server wants one that neither PGPASSWORD nor ~/.pgpass gives
// (sarvo-tool asks on the terminal; the window never asks). Empty: give up.
using PasswordPrompt = std::function<QString(const RegistryAddress&)>;

// A connection of the calling thread to the registry through Qt SQL's QPSQL driver, removed
// when this object ends. Connecting waits at most `timeoutSeconds`.
class RegistryConnection {
public:
    // RegistryError when the driver is missing, the server cannot be reached or the login is
    // refused (after the prompt, when one is given).
    RegistryConnection(const RegistryAddress& address, const PasswordPrompt& prompt = {},
                       int timeoutSeconds = 10);
    ~RegistryConnection();
    RegistryConnection(const RegistryConnection&) = delete;
    RegistryConnection& operator=(const RegistryConnection&) = delete;

    QSqlDatabase db() const;
    const RegistryAddress& address() const { return address_; }
    // The schema version on the server; 0 when it has no registry schema.
    int schemaVersion();
    // RegistryError naming `sarvo-tool registry init` when the server has no registry schema,
    // and one asking for a newer program when its schema is newer than this program knows.
    void requireSchema();

private:
    RegistryAddress address_;
    QString name_;
};

} // namespace sarvo::registry
