#include "pg_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QThread>
#include <pwd.h>
#include <unistd.h>

namespace sarvo::test {

namespace {

const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");
const QString kMissing =
    QStringLiteral("PostgreSQL 15 is not installed (%1 is missing): run scripts/install-deps.sh");

int freePort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    return server.serverPort();
}

} // namespace

PgServer::PgServer() {
    asRoot_ = ::geteuid() == 0;
    dataDir_ = dir_.filePath(QStringLiteral("data"));
    passFile_ = dir_.filePath(QStringLiteral("pgpass"));
    qputenv("PGPASSFILE", passFile_.toLocal8Bit());
    qunsetenv("PGPASSWORD");
}

PgServer::~PgServer() {
    stop();
}

QStringList PgServer::asServerUser(const QString& program, const QStringList& arguments) const {
    if (!asRoot_)
        return QStringList{program} + arguments;
    const passwd* user = ::getpwnam("postgres");
    return QStringList{QStringLiteral("setpriv"),
                       QStringLiteral("--reuid=%1").arg(user ? user->pw_uid : 0),
                       QStringLiteral("--regid=%1").arg(user ? user->pw_gid : 0),
                       QStringLiteral("--clear-groups"), program} +
           arguments;
}

bool PgServer::run(const QString& program, const QStringList& arguments, QString* output) {
    const QStringList command = asServerUser(program, arguments);
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        error_ = QStringLiteral("%1 failed: %2 %3")
                     .arg(command.join(QLatin1Char(' ')), process.errorString(),
                          QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return true;
}

bool PgServer::initCluster() {
    if (!QFile::exists(kBin + QStringLiteral("initdb"))) {
        error_ = kMissing.arg(kBin + QStringLiteral("initdb"));
        return false;
    }
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return false;
    }
    QFile pw(dir_.filePath(QStringLiteral("superuser-password")));
    pw.open(QIODevice::WriteOnly);
    pw.write(kSuperuserPassword);
    pw.close();
    if (asRoot_) {
        const passwd* user = ::getpwnam("postgres");
        if (!user) {
            error_ = kMissing.arg(QStringLiteral("the user postgres"));
            return false;
        }
        const QByteArray path = QFile::encodeName(dir_.path());
        if (::chown(path.constData(), user->pw_uid, user->pw_gid) != 0 ||
            ::chown(QFile::encodeName(pw.fileName()).constData(), user->pw_uid, user->pw_gid) !=
                0) {
            error_ = QStringLiteral("cannot give %1 to the user postgres").arg(dir_.path());
            return false;
        }
    }
    if (!run(kBin + QStringLiteral("initdb"),
             {QStringLiteral("-D"), dataDir_, QStringLiteral("-U"), QLatin1String(kSuperuser),
              QStringLiteral("--pwfile=") + pw.fileName(), QStringLiteral("--auth-local=trust"),
              QStringLiteral("--auth-host=scram-sha-256"), QStringLiteral("--no-sync"),
              QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8"),
              QStringLiteral("--no-instructions")}))
        return false;
    port_ = freePort();
    if (port_ == 0) {
        error_ = QStringLiteral("no free port");
        return false;
    }
    initialized_ = true;
    addPassword(QLatin1String(kSuperuser), QLatin1String(kSuperuserPassword));
    return true;
}

bool PgServer::start() {
    if (running())
        return true;
    if (!initialized_ && !initCluster())
        return false;
    // Another program may take the free port first: the first start tries other ports; a
    // start after stop() keeps the port.
    bool ready = launch();
    for (int attempt = 0; !ready && !started_ && attempt < 3 && !running(); ++attempt) {
        port_ = freePort();
        ready = launch();
    }
    if (!ready)
        return false;
    started_ = true;
    return createDatabase();
}

bool PgServer::launch() {
    const QStringList command = asServerUser(
        kBin + QStringLiteral("postgres"),
        {QStringLiteral("-D"), dataDir_, QStringLiteral("-p"), QString::number(port_),
         QStringLiteral("-k"), dir_.path(), QStringLiteral("-h"), QStringLiteral("127.0.0.1"),
         QStringLiteral("-c"), QStringLiteral("fsync=off"), QStringLiteral("-c"),
         QStringLiteral("synchronous_commit=off"), QStringLiteral("-c"),
         QStringLiteral("full_page_writes=off"), QStringLiteral("-c"),
         QStringLiteral("shared_buffers=16MB"), QStringLiteral("-c"),
         QStringLiteral("max_connections=20")});
    postgres_ = std::make_unique<QProcess>();
    postgres_->setWorkingDirectory(dir_.path());
    postgres_->setProcessChannelMode(QProcess::MergedChannels);
    postgres_->setStandardOutputFile(dir_.filePath(QStringLiteral("server.log")),
                                     QIODevice::Append);
    postgres_->start(command.first(), command.mid(1));
    if (!postgres_->waitForStarted(10000)) {
        error_ = QStringLiteral("postgres did not start: %1").arg(postgres_->errorString());
        return false;
    }
    return waitReady();
}

bool PgServer::createDatabase() {
    // The database the tests use, made once.
    const QString name = QStringLiteral("pg_server_setup");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(dir_.path());
        db.setPort(port_);
        db.setUserName(QLatin1String(kSuperuser));
        db.setDatabaseName(QStringLiteral("postgres"));
        if (!db.open()) {
            error_ = QStringLiteral("cannot log in: %1").arg(db.lastError().text());
            ok = false;
        } else {
            QSqlQuery query(db);
            query.exec(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = 'sarvo'"));
            if (!query.next() && !query.exec(QStringLiteral("CREATE DATABASE sarvo"))) {
                error_ = query.lastError().text();
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool PgServer::waitReady() {
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        if (postgres_->state() == QProcess::NotRunning) {
            QFile log(dir_.filePath(QStringLiteral("server.log")));
            log.open(QIODevice::ReadOnly);
            error_ =
                QStringLiteral("postgres ended: %1").arg(QString::fromLocal8Bit(log.readAll()));
            return false;
        }
        QProcess ready;
        ready.start(kBin + QStringLiteral("pg_isready"),
                    {QStringLiteral("-q"), QStringLiteral("-h"), QStringLiteral("127.0.0.1"),
                     QStringLiteral("-p"), QString::number(port_)});
        if (ready.waitForFinished(10000) && ready.exitCode() == 0)
            return true;
        QThread::msleep(50);
    }
    error_ = QStringLiteral("postgres did not accept logins within a minute");
    return false;
}

void PgServer::stop() {
    if (!running())
        return;
    run(kBin + QStringLiteral("pg_ctl"),
        {QStringLiteral("stop"), QStringLiteral("-D"), dataDir_, QStringLiteral("-m"),
         QStringLiteral("fast"), QStringLiteral("-w")});
    if (!postgres_->waitForFinished(30000)) {
        postgres_->kill();
        postgres_->waitForFinished(5000);
    }
    postgres_.reset();
}

bool PgServer::running() const {
    return postgres_ && postgres_->state() != QProcess::NotRunning;
}

QString PgServer::url(const QString& user) const {
    return QStringLiteral("postgresql://%1@127.0.0.1:%2/sarvo").arg(user).arg(port_);
}

void PgServer::addPassword(const QString& user, const QString& password) {
    QFile file(passFile_);
    file.open(QIODevice::Append);
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QString escaped = password;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char(':'), QLatin1String("\\:"));
    file.write(QStringLiteral("127.0.0.1:*:*:%1:%2\n").arg(user, escaped).toUtf8());
}

} // namespace sarvo::test
