#include "core/link/frame.h"

#include "core/link/fcs16.h"

#include <algorithm>
#include <stdexcept>

namespace sarvo {

namespace {

bool isBcd(std::uint8_t byte) {
    return (byte >> 4) <= 9 && (byte & 0x0F) <= 9;
}

int bcdValue(std::uint8_t byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

std::uint8_t toBcd(int value) {
    return static_cast<std::uint8_t>(((value / 10) << 4) | (value % 10));
}

std::uint8_t at(QByteArrayView frame, int offset) {
    return static_cast<std::uint8_t>(frame[offset]);
}

// The first byte of `count` bytes from `offset` that is not BCD, or -1.
int firstNonBcd(QByteArrayView frame, int offset, int count) {
    for (int i = offset; i < offset + count; ++i)
        if (!isBcd(at(frame, i)))
            return i;
    return -1;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString hex(unsigned value, int width) {
    return QLatin1String("0x") +
           QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

} // namespace

QString DoseRateEntry::dateText(int year) const {
    return twoDigits(day) + QLatin1Char('.') + twoDigits(month) + QLatin1Char('.') +
           QString::number(year);
}

QString DoseRateEntry::timeText() const {
    return twoDigits(hour) + QLatin1Char(':') + twoDigits(minute);
}

QString DoseRateEntry::rateText() const {
    return QString::number(rate / 100) + QLatin1Char(',') + twoDigits(rate % 100) +
           QLatin1String(" uSv/h");
}

QString Reading::identifierText() const {
    QString digits =
        QStringLiteral("%1").arg(static_cast<quint64>(identifier), 16, 16, QLatin1Char('0'));
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits.at(first) == QLatin1Char('0'))
        ++first;
    return digits.mid(first).toUpper();
}

QString describe(const FrameVerdict& verdict) {
    switch (verdict.kind) {
    case FrameVerdict::Kind::Waiting:
        return QStringLiteral("incomplete");
    case FrameVerdict::Kind::Good:
        return QStringLiteral("good");
    case FrameVerdict::Kind::Rejected:
        break;
    }
    switch (verdict.fault) {
    case FrameFault::Preamble:
    case FrameFault::Header:
        return QStringLiteral("%1: offset %2 holds %3, not %4")
            .arg(verdict.fault == FrameFault::Preamble ? QStringLiteral("preamble")
                                                       : QStringLiteral("header"))
            .arg(verdict.offset)
            .arg(hex(verdict.found, 2), hex(verdict.wanted, 2));
    case FrameFault::Checksum:
        return QStringLiteral("checksum: FCS received %1, computed %2")
            .arg(hex(verdict.found, 4), hex(verdict.wanted, 4));
    case FrameFault::Overflow:
        return QStringLiteral("more than %1 bytes without a complete frame")
            .arg(kReceiveBufferSize);
    case FrameFault::TooShort:
        return QStringLiteral("frame of %1 bytes, shorter than %2")
            .arg(verdict.found)
            .arg(kMinimumFrameLength);
    case FrameFault::BadDigit:
        return QStringLiteral("not a decimal digit: offset %1 holds %2")
            .arg(verdict.offset)
            .arg(hex(verdict.found, 2));
    case FrameFault::BadDate:
        return QStringLiteral("impossible date or time in an entry: offset %1 holds %2")
            .arg(verdict.offset)
            .arg(hex(verdict.found, 2));
    case FrameFault::Timeout:
        return QStringLiteral("incomplete frame of %1 bytes when the wait ended")
            .arg(verdict.found);
    case FrameFault::None:
        break;
    }
    return QStringLiteral("rejected");
}

FrameVerdict decodeReading(QByteArrayView frame, Reading& reading) {
    const int length = static_cast<int>(frame.size());
    if (length < kMinimumFrameLength)
        return FrameVerdict::reject(FrameFault::TooShort, -1, static_cast<unsigned>(length));

    const int inFrame = (length - kMinimumFrameLength) / kEntrySize;
    const int taken = std::min(inFrame, kEntriesTaken);
    int bad = firstNonBcd(frame, kIdentifierOffset, 8);
    if (bad < 0)
        bad = firstNonBcd(frame, kDoseOffset, 7);
    for (int k = 0; bad < 0 && k < taken; ++k)
        bad = firstNonBcd(frame, kEntryOffset + kEntrySize * k + 1, kEntrySize - 1);
    if (bad >= 0)
        return FrameVerdict::reject(FrameFault::BadDigit, bad, at(frame, bad));
    // Month, day, hour and minute of each entry: their highest possible values.
    static constexpr int kLimits[4] = {12, 31, 23, 59};
    for (int k = 0; k < taken; ++k)
        for (int field = 0; field < 4; ++field) {
            const int offset = kEntryOffset + kEntrySize * k + 4 + field;
            if (bcdValue(at(frame, offset)) > kLimits[field])
                return FrameVerdict::reject(FrameFault::BadDate, offset, at(frame, offset));
        }

    std::uint64_t identifier = 0;
    for (int i = 0; i < 8; ++i)
        identifier = (identifier << 8) | at(frame, kIdentifierOffset + i);
    std::int64_t dose = 0;
    for (int i = 0; i < 7; ++i)
        dose = dose * 100 + bcdValue(at(frame, kDoseOffset + i));

    reading.identifier = static_cast<std::int64_t>(identifier);
    reading.doseThousandths = dose;
    reading.entriesInFrame = inFrame;
    reading.entries.resize(static_cast<size_t>(taken));
    for (int k = 0; k < taken; ++k) {
        const int e = kEntryOffset + kEntrySize * k;
        DoseRateEntry& entry = reading.entries[static_cast<size_t>(k)];
        entry.rate = bcdValue(at(frame, e + 1)) * 10000 + bcdValue(at(frame, e + 2)) * 100 +
                     bcdValue(at(frame, e + 3));
        entry.month = bcdValue(at(frame, e + 4));
        entry.day = bcdValue(at(frame, e + 5));
        entry.hour = bcdValue(at(frame, e + 6));
        entry.minute = bcdValue(at(frame, e + 7));
    }
    return {FrameVerdict::Kind::Good};
}

QByteArray buildFrame(const Reading& reading) {
    if (reading.doseThousandths < 0 || reading.doseThousandths >= kDoseLimit)
        throw std::invalid_argument("dose out of range");
    const auto id = static_cast<std::uint64_t>(reading.identifier);
    for (int shift = 0; shift < 64; shift += 4)
        if (((id >> shift) & 0xF) > 9)
            throw std::invalid_argument("identifier digit above 9");
    const auto within = [](int value, int limit) { return value >= 0 && value < limit; };
    for (const DoseRateEntry& e : reading.entries)
        if (!within(e.rate, 1000000) || !within(e.month, 100) || !within(e.day, 100) ||
            !within(e.hour, 100) || !within(e.minute, 100))
            throw std::invalid_argument("dose-rate entry field out of range");
    const qsizetype length =
        kMinimumFrameLength + kEntrySize * static_cast<qsizetype>(reading.entries.size());
    if (length - 14 > 0xFFFF)
        throw std::invalid_argument("too many entries for one frame");

    QByteArray frame(length, '\0');
    auto put = [&](qsizetype offset, std::uint8_t byte) {
        frame[offset] = static_cast<char>(byte);
    };
    for (int i = 0; i < kFlagCount; ++i)
        put(i, kFlagByte);
    for (size_t i = 0; i < kFrameHeader.size(); ++i)
        put(kFlagCount + static_cast<qsizetype>(i), kFrameHeader[i]);
    put(18, static_cast<std::uint8_t>((length - 20) >> 8));
    put(19, static_cast<std::uint8_t>((length - 20) & 0xFF));
    for (int i = 0; i < 8; ++i)
        put(kIdentifierOffset + i, static_cast<std::uint8_t>(id >> (8 * (7 - i))));
    std::int64_t dose = reading.doseThousandths;
    for (int i = 6; i >= 0; --i, dose /= 100)
        put(kDoseOffset + i, toBcd(static_cast<int>(dose % 100)));
    for (size_t k = 0; k < reading.entries.size(); ++k) {
        const DoseRateEntry& e = reading.entries[k];
        const qsizetype at = kEntryOffset + kEntrySize * static_cast<qsizetype>(k);
        put(at + 1, toBcd(e.rate / 10000));
        put(at + 2, toBcd(e.rate / 100 % 100));
        put(at + 3, toBcd(e.rate % 100));
        put(at + 4, toBcd(e.month));
        put(at + 5, toBcd(e.day));
        put(at + 6, toBcd(e.hour));
        put(at + 7, toBcd(e.minute));
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(frame.constData());
    const std::uint16_t fcs =
        ComputeFcs16(bytes + kFlagCount, static_cast<std::uint16_t>(length - 14)) ^ 0xFFFF;
    put(length - 3, static_cast<std::uint8_t>(fcs & 0xFF));
    put(length - 2, static_cast<std::uint8_t>(fcs >> 8));
    put(length - 1, kEndByte);
    return frame;
}

QByteArray escapeFrame(QByteArrayView frame) {
    QByteArray wire;
    wire.reserve(frame.size() + frame.size() / 8 + 4);
    for (qsizetype i = 0; i < frame.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(frame[i]);
        const bool special = byte == kEscapeByte || byte == kFlagByte || byte == kEndByte;
        if (i >= kEscapedFrom && i + 1 < frame.size() && special) {
            wire.append(static_cast<char>(kEscapeByte));
            wire.append(static_cast<char>(byte ^ 0x20));
        } else {
            wire.append(static_cast<char>(byte));
        }
    }
    return wire;
}

} // namespace sarvo
