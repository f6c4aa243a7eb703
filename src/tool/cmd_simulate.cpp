#include "core/link/frame.h"
#include "tool/commands.h"

#include <QSerialPort>
#include <QThread>
#include <cstdio>
#include <memory>
#include <tuple>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

namespace sarvo::tool {
namespace {

const char* const kUsage =
    "simulate --port DEVICE|- [--id DIGITS] [--dose MSV] [--entry RATE,DD.MM,HH:MM]... "
    "[--piece BYTES] [--gap MS] [--corrupt fcs|header|truncate]";

// Bytes cut off the end of a frame by --corrupt truncate: the frame never completes.
constexpr int kTruncatedBytes = 10;

bool allDigits(const QString& text) {
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !text.isEmpty();
}

// The dosimeter's decimal digits as the identifier value: "1234" -> 0x1234.
std::int64_t parseIdentifier(const QString& digits) {
    if (!allDigits(digits) || digits.size() > 16)
        throw UsageError(QStringLiteral("--id takes 1 to 16 decimal digits, not %1").arg(digits));
    std::uint64_t value = 0;
    for (QChar c : digits)
        value = (value << 4) | static_cast<std::uint64_t>(c.unicode() - '0');
    return static_cast<std::int64_t>(value);
}

// A decimal number with at most `whole` integer and `fraction` fraction digits ("." or ","),
// scaled to an integer count of 10^-fraction.
std::int64_t parseFixed(const QString& text, int whole, int fraction, const QString& what) {
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const QStringList parts = t.split(QLatin1Char('.'));
    const QString integer = parts.value(0);
    const QString decimals = parts.size() > 1 ? parts.at(1) : QString();
    if (parts.size() > 2 || !allDigits(integer) || integer.size() > whole ||
        (parts.size() == 2 && (!allDigits(decimals) || decimals.size() > fraction)))
        throw UsageError(QStringLiteral("%1 takes a number of at most %2 integer and %3 fraction "
                                        "digits, not %4")
                             .arg(what)
                             .arg(whole)
                             .arg(fraction)
                             .arg(text));
    std::int64_t value = integer.toLongLong();
    for (int i = 0; i < fraction; ++i)
        value = value * 10 + (i < decimals.size() ? decimals.at(i).unicode() - '0' : 0);
    return value;
}

// Two numbers of one or two digits around a separator: "14.03", "09:30".
std::pair<int, int> parsePair(const QString& text, QChar separator, const QString& what) {
    const QStringList parts = text.split(separator);
    if (parts.size() != 2 || !allDigits(parts[0]) || !allDigits(parts[1]) || parts[0].size() > 2 ||
        parts[1].size() > 2)
        throw UsageError(QStringLiteral("%1 must look like %2, not %3")
                             .arg(what,
                                  separator == QLatin1Char('.') ? QStringLiteral("DD.MM")
                                                                : QStringLiteral("HH:MM"),
                                  text));
    return {parts[0].toInt(), parts[1].toInt()};
}

// "RATE,DD.MM,HH:MM"; the rate may itself be written with a decimal comma ("12,05,14.03,09:30").
DoseRateEntry parseEntry(const QString& text) {
    QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() == 4)
        parts = {parts[0] + QLatin1Char('.') + parts[1], parts[2], parts[3]};
    if (parts.size() != 3)
        throw UsageError(
            QStringLiteral("--entry must look like RATE,DD.MM,HH:MM, not %1").arg(text));
    DoseRateEntry entry;
    entry.rate =
        static_cast<int>(parseFixed(parts[0], 4, 2, QStringLiteral("the rate of --entry")));
    std::tie(entry.day, entry.month) =
        parsePair(parts[1], QLatin1Char('.'), QStringLiteral("date"));
    std::tie(entry.hour, entry.minute) =
        parsePair(parts[2], QLatin1Char(':'), QStringLiteral("time"));
    return entry;
}

QByteArray wireBytes(const Reading& reading, const QString& corrupt) {
    QByteArray frame = buildFrame(reading);
    if (corrupt == QLatin1String("fcs"))
        frame[frame.size() - 3] = static_cast<char>(frame[frame.size() - 3] ^ 0xFF);
    else if (corrupt == QLatin1String("header"))
        frame[11] = 0x00; // the address byte: rejected as soon as 20 bytes are held
    QByteArray wire = escapeFrame(frame);
    if (corrupt == QLatin1String("truncate"))
        wire.chop(kTruncatedBytes);
    return wire;
}

class Sink {
public:
    virtual ~Sink() = default;
    virtual bool write(const QByteArray& piece) = 0;
    virtual bool finish() = 0;
    virtual QString errorText() const = 0;
};

class StandardOutput : public Sink {
public:
    StandardOutput() { std::fflush(stdout); }
    bool write(const QByteArray& piece) override {
        return std::fwrite(piece.constData(), 1, static_cast<size_t>(piece.size()), stdout) ==
                   static_cast<size_t>(piece.size()) &&
               std::fflush(stdout) == 0;
    }
    bool finish() override { return std::fflush(stdout) == 0; }
    QString errorText() const override { return QStringLiteral("cannot write standard output"); }
};

// A serial port at 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control.
class SerialOutput : public Sink {
public:
    explicit SerialOutput(const QString& device) : port_(device) {
        port_.setBaudRate(QSerialPort::Baud9600);
        port_.setDataBits(QSerialPort::Data8);
        port_.setParity(QSerialPort::NoParity);
        port_.setStopBits(QSerialPort::OneStop);
        port_.setFlowControl(QSerialPort::NoFlowControl);
    }
    bool open() { return port_.open(QIODevice::ReadWrite); }
    bool write(const QByteArray& piece) override {
        if (port_.write(piece) != piece.size())
            return false;
        while (port_.bytesToWrite() > 0)
            if (!port_.waitForBytesWritten(5000))
                return false;
        return true;
    }
    bool finish() override {
#ifdef Q_OS_UNIX
        // Let the last byte leave the line before the port is closed.
        ::tcdrain(static_cast<int>(port_.handle()));
#endif
        port_.close();
        return true;
    }
    QString errorText() const override {
        return port_.errorString();
    }

private:
    QSerialPort port_;
};

int runSimulate(const Args& args) {
    args.refusePositional();
    const QString device = args.required(QStringLiteral("port"));

    Reading reading;
    reading.identifier = parseIdentifier(args.value(QStringLiteral("id"), QStringLiteral("1234")));
    reading.doseThousandths = parseFixed(args.value(QStringLiteral("dose"), QStringLiteral("0.25")),
                                         11, 3, QStringLiteral("--dose"));
    for (const QString& entry : args.values(QStringLiteral("entry")))
        reading.entries.push_back(parseEntry(entry));
    const QString corrupt = args.value(QStringLiteral("corrupt"));
    if (!corrupt.isEmpty() && corrupt != QLatin1String("fcs") &&
        corrupt != QLatin1String("header") && corrupt != QLatin1String("truncate"))
        throw UsageError(QStringLiteral("--corrupt takes fcs, header or truncate"));
    long long piece = args.has(QStringLiteral("piece")) ? args.integer(QStringLiteral("piece")) : 0;
    const long long gap = args.has(QStringLiteral("gap")) ? args.integer(QStringLiteral("gap")) : 0;
    if (piece < 0 || gap < 0)
        throw UsageError(QStringLiteral("--piece and --gap take numbers of 0 or more"));
    if (reading.entries.size() > 8000)
        throw UsageError(QStringLiteral("at most 8000 entries fit into one frame"));

    const QByteArray wire = wireBytes(reading, corrupt);
    if (piece == 0)
        piece = wire.size();

    std::unique_ptr<Sink> sink;
    if (device == QLatin1String("-")) {
        sink = std::make_unique<StandardOutput>();
    } else {
        auto serial = std::make_unique<SerialOutput>(device);
        if (!serial->open()) {
            err() << "sarvo-tool: cannot open " << device << ": " << serial->errorText() << "\n";
            return 1;
        }
        sink = std::move(serial);
    }
    int pieces = 0;
    for (qsizetype at = 0; at < wire.size(); at += piece) {
        if (at > 0 && gap > 0)
            QThread::msleep(static_cast<unsigned long>(gap));
        if (!sink->write(wire.mid(at, piece))) {
            err() << "sarvo-tool: " << sink->errorText() << "\n";
            return 1;
        }
        ++pieces;
    }
    sink->finish();
    if (device != QLatin1String("-"))
        out() << "sent " << wire.size() << " bytes in " << pieces << " piece(s) to " << device
              << "\n";
    return 0;
}

const Registration registration{
    "simulate",
    kUsage,
    "Sends one reading as a dosimeter frame to a serial device (9600 baud, 8N1), or writes its\n"
    "bytes to standard output for --port -.",
    {valued("port", "DEVICE", "The serial device, or - for standard output (required)."),
     valued("id", "DIGITS", "The dosimeter identifier (default 1234)."),
     valued("dose", "MSV", "The dose in mSv, \".\" or \",\" as decimal point (default 0.25)."),
     valued("entry", "RATE,DD.MM,HH:MM", "A dose-rate entry in uSv/h; may be given again."),
     valued("piece", "BYTES", "Write the frame in pieces of this many bytes."),
     valued("gap", "MS", "Wait this many milliseconds between two pieces."),
     valued("corrupt", "fcs|header|truncate",
            "Spoil the checksum, the header, or cut the end off.")},
    &runSimulate};

} // namespace
} // namespace sarvo::tool
