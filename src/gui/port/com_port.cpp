#include "gui/port/com_port.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QThread>

namespace sarvo {

PortError::PortError(const QString& text, int code, bool noRights)
    : std::runtime_error(text.toStdString()), text_(text), code_(code), noRights_(noRights) {}

ComPort::ComPort(QObject* parent) : QObject(parent) {
    port_.setReadBufferSize(kReadBufferSize);
    // Queued: QSerialPort does not raise readyRead again while a slot of it still runs.
    connect(&port_, &QSerialPort::readyRead, this, &ComPort::deliver, Qt::QueuedConnection);
    connect(&port_, &QSerialPort::errorOccurred, this, &ComPort::onError);
}

void ComPort::fail(const QString& what) {
    const QSerialPort::SerialPortError error = port_.error();
    const QString text = port_.errorString().isEmpty() ? what : port_.errorString();
    port_.clearError();
    // The same error stands for a port locked by another program: the file's rights tell.
    const QFileInfo file(deviceFile(name_));
    const bool noRights = error == QSerialPort::PermissionError && file.exists() &&
                          !(file.isReadable() && file.isWritable());
    throw PortError(text, static_cast<int>(error), noRights);
}

void ComPort::setPortName(const QString& name) {
    if (name == name_)
        return;
    name_ = name;
    if (!port_.isOpen()) {
        port_.setPortName(name_);
        return;
    }
    port_.close();
    port_.setPortName(name_);
    open();
}

void ComPort::open() {
    if (port_.isOpen())
        return;
    port_.setPortName(name_);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite))
        fail(QStringLiteral("Cannot open the port"));
}

void ComPort::close() {
    if (port_.isOpen())
        port_.close();
    port_.clearError();
}

void ComPort::purge() {
    if (!port_.clear(QSerialPort::AllDirections))
        fail(QStringLiteral("PurgeComm function failed"));
}

bool ComPort::setLines(bool rts, bool dtr) {
    for (auto [set, level] : {std::pair{&QSerialPort::setRequestToSend, rts},
                              std::pair{&QSerialPort::setDataTerminalReady, dtr}}) {
        if ((port_.*set)(level))
            continue;
        if (port_.error() == QSerialPort::UnsupportedOperationError) {
            port_.clearError();
            return false;
        }
        fail(QStringLiteral("Cannot set the modem-control lines"));
    }
    return true;
}

void ComPort::pulseAdapterLines() {
    static constexpr bool steps[4][2] = {{false, false}, {true, true}, {true, false}, {true, true}};
    for (const auto& step : steps) {
        if (!setLines(step[0], step[1]))
            return;
        QThread::msleep(100);
    }
}

QByteArray ComPort::read(qint64 n) {
    return port_.read(n);
}

QString ComPort::deviceFile(const QString& name) {
    if (name.isEmpty())
        return QString();
    const bool path = name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1String("./")) ||
                      name.startsWith(QLatin1String("../"));
    return path ? name : QStringLiteral("/dev/") + name;
}

std::optional<QSerialPortInfo> ComPort::listedPort(const QList<QSerialPortInfo>& ports,
                                                   const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    for (const QSerialPortInfo& info : ports)
        if (info.portName() == name || info.systemLocation() == name)
            return info;
    return std::nullopt;
}

bool ComPort::deviceFileExists(const QString& name) {
    return !name.isEmpty() && QFileInfo::exists(deviceFile(name));
}

void ComPort::deliver() {
    // Several notifications may have been queued for bytes read at once: the first takes them.
    const qint64 count = port_.isOpen() ? port_.bytesAvailable() : 0;
    if (count > 0)
        emit rxChar(count);
}

void ComPort::onError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    if (!port_.isOpen())
        return;
    port_.close();
    port_.clearError();
    emit portLost();
}

} // namespace sarvo
