#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace sarvo {

// The reading frame a dosimeter sends: IrDA SIR framing around a broadcast IrLAP UI frame.
// Offsets count the bytes after escape removal, from 0.
//
//   0..10   11 beginning-of-frame flags 0xC0
//   11..17  header FF 13 70 70 01 00 82
//   18..19  length L, big-endian: the bytes after offset 19 up to and including the final byte
//   20..44  not examined
//   45..52  identifier, 16 BCD digits
//   53..60  ED of the reading, BCD: 11 integer and 3 fraction digits, offset 60 unused
//   61..68  not examined
//   69+8k   dose-rate entry k
//   N-3     FCS low byte, N-2 FCS high byte, N-1 final byte (0xC1, not examined)
inline constexpr int kReceiveBufferSize = 5004;
inline constexpr int kFlagCount = 11;
inline constexpr int kEscapedFrom = 18; // escapes are removed from this offset on
inline constexpr int kExaminedFrom =
    20; // the preamble and header are checked once this many are held
inline constexpr int kIdentifierOffset = 45;
inline constexpr int kDoseOffset = 53;
inline constexpr int kEntryOffset = 69;
inline constexpr int kEntrySize = 8;
inline constexpr int kMinimumFrameLength = 72;
inline constexpr int kEntriesTaken = 100;
inline constexpr std::uint8_t kFlagByte = 0xC0;
inline constexpr std::uint8_t kEndByte = 0xC1;
inline constexpr std::uint8_t kEscapeByte = 0x7D;
inline constexpr std::array<std::uint8_t, 7> kFrameHeader{0xFF, 0x13, 0x70, 0x70, 0x01, 0x00, 0x82};
// The largest dose a frame can carry, in thousandths of a mSv, plus one (14 decimal digits).
inline constexpr std::int64_t kDoseLimit = 100000000000000LL;

// One dose-rate entry: the rate in hundredths of uSv/h (4 integer and 2 fraction digits) and the
// month, day, hour and minute as sent (two decimal digits each). The entry carries no year.
struct DoseRateEntry {
    int rate = 0; // 0 .. 999999
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    // "14.03.2026": day, ".", month, ".", year.
    QString dateText(int year) const;
    // "09:30"
    QString timeText() const;
    // "12,05 uSv/h": the integer part without leading zeros, "," and the two fraction digits.
    QString rateText() const;
    // The dose-rate line stored in an MED line: date, time and rate text with nothing between.
    QString line(int year) const { return dateText(year) + timeText() + rateText(); }

    friend bool operator==(const DoseRateEntry&, const DoseRateEntry&) = default;
};

// What a good frame carries.
struct Reading {
    // The 8 identifier bytes read as a big-endian 64-bit number: its 16 hexadecimal digits are the
    // dosimeter's 16 decimal digits (bytes 00 00 00 00 00 00 12 34 give 0x1234).
    std::int64_t identifier = 0;
    // The ED of the reading in thousandths of a mSv (exact).
    std::int64_t doseThousandths = 0;
    // The entries taken in: at most 100 when decoded.
    std::vector<DoseRateEntry> entries;
    // n = (N - 72) div 8 as the frame's length gives it, before the cut to 100.
    int entriesInFrame = 0;

    // The same broadcast: identifier, dose and entries alike.
    friend bool operator==(const Reading&, const Reading&) = default;

    // The ED in mSv.
    double dose() const { return static_cast<double>(doseThousandths) / 1000.0; }
    // The identifier display text: the 16 digits without leading zeros ("0" when all are zero).
    QString identifierText() const;
};

// Why a frame was rejected.
enum class FrameFault {
    None,
    Preamble, // an offset 0..10 is not 0xC0
    Header,   // an offset 11..17 differs from the fixed header
    Checksum, // the FCS in the last three bytes held does not match
    Overflow, // more bytes arrived than the receive buffer holds
    TooShort, // the checksum matched, but the frame is shorter than 72 bytes
    BadDigit, // a BCD nibble above 9 in the identifier, the ED or an entry taken in
    BadDate,  // an entry taken in with a month above 12, a day above 31, an hour above 23 or a
              // minute above 59
    Timeout,  // the frame was not complete when the answer-wait timer expired
};

// The state of the frame after a receive event.
struct FrameVerdict {
    enum class Kind { Waiting, Good, Rejected };
    Kind kind = Kind::Waiting;
    FrameFault fault = FrameFault::None;
    int offset = -1;     // the offset at fault (preamble, header, digit), -1 otherwise
    unsigned found = 0;  // the byte found there; for Checksum the FCS received, low byte first
    unsigned wanted = 0; // the byte the header wants; for Checksum the FCS computed

    bool good() const { return kind == Kind::Good; }
    bool rejected() const { return kind == Kind::Rejected; }
    bool waiting() const { return kind == Kind::Waiting; }
    static FrameVerdict reject(FrameFault fault, int offset = -1, unsigned found = 0,
                               unsigned wanted = 0) {
        return {Kind::Rejected, fault, offset, found, wanted};
    }
};

// A short English description of a verdict ("good", "checksum: received 0x1234, computed ...").
QString describe(const FrameVerdict& verdict);

// Reads the fields of a frame whose checksum matched (escapes removed, `frame` is the whole
// frame). Rejects a frame shorter than 72 bytes, with a nibble above 9 in the identifier, the ED
// or an entry taken in, or with an entry taken in whose month is above 12, day above 31, hour
// above 23 or minute above 59; takes in the first 100 entries.
FrameVerdict decodeReading(QByteArrayView frame, Reading& reading);

// The frame of a reading before the escapes are put in: flags, header, length, the fields, every
// entry of `reading.entries` (also beyond 100), the FCS and the final byte 0xC1. Throws
// std::invalid_argument for an identifier with a hexadecimal digit above 9, a dose outside
// 0 .. kDoseLimit - 1, an entry field out of its digits, or a frame too long for its length field.
QByteArray buildFrame(const Reading& reading);
// Puts the escapes in: from offset 18 on, up to but not including the final byte, each 0x7D, 0xC0
// and 0xC1 is sent as 0x7D followed by the byte XOR 0x20.
QByteArray escapeFrame(QByteArrayView frame);
// The bytes a dosimeter puts on the wire for `reading`.
inline QByteArray encodeFrame(const Reading& reading) {
    return escapeFrame(buildFrame(reading));
}

} // namespace sarvo
