#include "gui/app/single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace sarvo {

namespace {

constexpr char kShowRequest[] = "show\n";
constexpr int kConnectWaitMs = 1000;

QString userName() {
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("user");
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
}

QString SingleInstance::serverName(const QString& title) {
    // The title may hold any characters; the socket name takes a digest of it.
    const QByteArray key =
        QByteArrayLiteral("TFormSarvo\n") + title.toUtf8() + '\n' + userName().toUtf8();
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("TFormSarvo-") + QString::fromLatin1(digest.left(24));
}

bool SingleInstance::askRunningToShow(const QString& title) {
    QLocalSocket socket;
    socket.connectToServer(serverName(title));
    if (!socket.waitForConnected(kConnectWaitMs))
        return false;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kConnectWaitMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen(const QString& title) {
    const QString name = serverName(title);
    if (server_->isListening() && server_->serverName() == name)
        return true;
    server_->close();
    if (server_->listen(name))
        return true;
    // Another program answers under this name: it keeps it.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kConnectWaitMs))
        return false;
    // A socket file left by a program that ended without closing it.
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

QString SingleInstance::currentName() const {
    return server_->serverName();
}

void SingleInstance::onConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains("show"))
                emit showRequested();
        });
    }
}

} // namespace sarvo
