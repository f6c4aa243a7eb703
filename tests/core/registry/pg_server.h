#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace sarvo::test {

// A PostgreSQL 15 server of its own, in a fresh temporary folder, for one test (or one benchmark
// run): initdb and postgres from /usr/lib/postgresql/15/bin, listening on 127.0.0.1 on a free
// port and on a socket in the folder, with a database "sarvo" and a superuser kSuperuser
// (password kSuperuserPassword). Logins over TCP need a password (scram-sha-256); the
// passwords known to the test are kept in a password file that PGPASSFILE names for this
// process and every process it starts. As root, the server runs as the user "postgres".
// Everything is stopped and removed when the object ends.
class PgServer {
public:
    static constexpr const char* kSuperuser = "sarvo_admin";
    static constexpr const char* kSuperuserPassword = "admin-secret";

    PgServer();
    ~PgServer();
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    // Creates the cluster at the first call, then starts the server and waits until it
    // accepts logins. False with error() set when it fails.
    bool start();
    // Stops the server (fast: open connections are ended); start() brings it back on the same
    // port.
    void stop();
    bool running() const;
    QString error() const { return error_; }
    int port() const { return port_; }

    // "postgresql://USER@127.0.0.1:PORT/sarvo"
    QString url(const QString& user) const;
    QString superuserUrl() const { return url(QLatin1String(kSuperuser)); }
    // Adds a password for `user` to the password file.
    void addPassword(const QString& user, const QString& password);

private:
    bool initCluster();
    bool run(const QString& program, const QStringList& arguments, QString* output = nullptr);
    QStringList asServerUser(const QString& program, const QStringList& arguments) const;
    bool waitReady();
    bool launch();
    bool createDatabase();

    QTemporaryDir dir_;
    QString dataDir_;
    QString passFile_;
    int port_ = 0;
    bool initialized_ = false;
    bool started_ = false;
    bool asRoot_ = false;
    std::unique_ptr<QProcess> postgres_;
    QString error_;
};

} // namespace sarvo::test
