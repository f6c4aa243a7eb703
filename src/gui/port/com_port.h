#pragma once

#include <QObject>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QString>
#include <optional>
#include <stdexcept>

namespace sarvo {

// A failure of the serial layer: the layer's own text and the system's error code.
class PortError : public std::runtime_error {
public:
    PortError(const QString& text, int code, bool noRights = false);
    QString text() const { return text_; }
    int code() const { return code_; }
    // The port was refused because the user may not read and write its device file.
    bool noRights() const { return noRights_; }

private:
    QString text_;
    int code_;
    bool noRights_;
};

// The adapter's serial port: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control,
// DTR and RTS raised while open. Everything runs on the user-interface thread. Received bytes are
// kept in a read buffer of at most kReadBufferSize bytes (more wait in the system's queue until
// they are read). The characters-received event is raised from the event loop, outside the
// port's own notification, so that bytes arriving while its handler waits in a message box (a
// nested event loop) raise an event of their own there: the handler must expect to be called
// again before it has returned.
class ComPort final : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kReadBufferSize = 64 * 1024;

    explicit ComPort(QObject* parent = nullptr);

    // The port name; empty until one is set.
    QString portName() const { return name_; }
    // Takes effect at the next opening; an open port given another name is closed and opened
    // again on the new name at once (PortError when that fails, the port then closed).
    void setPortName(const QString& name);
    // Opens the named port with the fixed settings; an open port stays as it is.
    void open();
    bool isOpen() const { return port_.isOpen(); }
    // Marks the port closed after a failure.
    void close();
    // Discards what waits in the receive and the transmit queue.
    void purge();
    // Sets RTS first, then DTR. False when the port has no modem-control lines (a
    // pseudo-terminal, some USB adapters); PortError on any other failure.
    bool setLines(bool rts, bool dtr);
    // The line sequence the adapter needs after each opening: RTS/DTR low/low, high/high,
    // high/low, high/high, 100 ms each (400 ms in all, the caller waits). A port without
    // modem-control lines is used without it.
    void pulseAdapterLines();
    // The number of bytes received and not yet read.
    qint64 bytesWaiting() const { return port_.isOpen() ? port_.bytesAvailable() : 0; }
    // The bytes waiting, at most n.
    QByteArray read(qint64 n);

    // A port name is what the system lists (ttyUSB0, COM3: on Unix a device in /dev) or the path
    // of a device file or a link to one (/dev/ttyUSB0, /dev/serial/by-id/..., a pseudo-terminal's
    // link): on Unix a name that begins with "/", "./" or "../" is a path, as QSerialPort takes it.
    // The device file a name stands for on Unix (nothing that exists on Windows).
    static QString deviceFile(const QString& name);
    // The port among `ports` (as QSerialPortInfo::availablePorts() lists them) with this name or
    // device file, if any.
    static std::optional<QSerialPortInfo> listedPort(const QList<QSerialPortInfo>& ports,
                                                     const QString& name);
    // Whether the device file of a name exists (pseudo-terminals and links are not listed).
    static bool deviceFileExists(const QString& name);

signals:
    // Characters received: `count` bytes are waiting.
    void rxChar(qint64 count);
    // The open port reported a read or resource error (the adapter went away); the port has
    // been closed.
    void portLost();

private:
    void deliver();
    void onError(QSerialPort::SerialPortError error);
    [[noreturn]] void fail(const QString& what);

    QSerialPort port_;
    QString name_;
};

} // namespace sarvo
