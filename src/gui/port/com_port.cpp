#include "gui/port/com_port.h"

#include <QSerialPortInfo>
#include <QThread>

namespace sarvo {

PortError::PortError(const QString& text, int code)
    : std::runtime_error(text.toStdString()), text_(text), code_(code) {}

ComPort::ComPort(QObject* parent) : QObject(parent), name_(QStringLiteral("COM1")) {
    port_.setPortName(name_);
    port_.setReadBufferSize(kReadBufferSize);
    // Queued: QSerialPort does not raise readyRead again while a slot of it still runs.
    connect(&port_, &QSerialPort::readyRead, this, &ComPort::deliver, Qt::QueuedConnection);
    connect(&port_, &QSerialPort::errorOccurred, this, &ComPort::onError);
}

void ComPort::fail(const QString& what) {
    const int code = static_cast<int>(port_.error());
    const QString text = port_.errorString().isEmpty() ? what : port_.errorString();
    port_.clearError();
    throw PortError(text, code);
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

QStringList ComPort::availablePortNames() {
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports)
        names << info.portName();
    return names;
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
