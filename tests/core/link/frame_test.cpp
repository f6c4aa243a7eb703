#include "core/link/fcs16.h"
#include "core/link/frame.h"
#include "core/link/frame_decoder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtEndian>

namespace sarvo {
namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text); // blanks between the bytes are skipped
}

// The 72-byte example frame: identifier 0x1234, ED 1.234 mSv, no entries, FCS 02 F3.
QByteArray frame72() {
    return QByteArray(11, char(0xC0)) + hex("FF 13 70 70 01 00 82 00 34") + QByteArray(25, '\0') +
           hex("00 00 00 00 00 00 12 34  00 00 00 00 00 12 34 00") + QByteArray(8, '\0') +
           hex("02 F3 C1");
}

// The 80-byte example frame: the same with one entry 00 00 12 05 03 14 09 30, FCS 14 6C.
QByteArray frame80() {
    QByteArray f = frame72();
    f[19] = 0x3C;
    f.insert(69, hex("00 00 12 05 03 14 09 30"));
    return f.replace(77, 2, hex("14 6C"));
}

// Sets the length field of an unescaped frame to its size - 20 and puts the right FCS in.
QByteArray reseal(QByteArray f) {
    qToBigEndian<quint16>(quint16(f.size() - 20), f.data() + 18);
    const auto* body = reinterpret_cast<const std::uint8_t*>(f.constData()) + 11;
    qToLittleEndian<quint16>(ComputeFcs16(body, quint16(f.size() - 14)) ^ 0xFFFF,
                             f.data() + f.size() - 3);
    return f;
}

TEST(FrameDecoder, ExampleFramesInAnyPiecesAndTheEncoder) {
    const Reading none{0x1234, 1234, {}, 0}, one{0x1234, 1234, {{1205, 3, 14, 9, 30}}, 1};
    // Pieces of a size, after bytes that a reset dropped (the last one an escape held back).
    const std::pair<int, QByteArray> cases[] = {
        {1000, {}}, {1, {}}, {7, {}}, {1000, frame72().left(18) + hex("7D")}};
    for (const auto& [pieceSize, dropped] : cases) {
        SCOPED_TRACE(std::to_string(pieceSize) + " after " + std::to_string(dropped.size()));
        for (const QByteArray& wire : {frame72(), frame80()}) {
            FrameDecoder d;
            d.receive(dropped);
            d.clear();
            FrameVerdict v;
            for (qsizetype at = 0; at < wire.size(); at += pieceSize) {
                ASSERT_TRUE(v.waiting());
                v = d.receive(wire.mid(at, pieceSize));
            }
            ASSERT_TRUE(v.good());
            EXPECT_EQ(d.receiveCount(), wire.size());
            EXPECT_EQ(d.reading(), wire.size() == 80 ? one : none);
        }
    }
    EXPECT_EQ(encodeFrame(none), frame72());
    EXPECT_EQ(encodeFrame(one), frame80());
    for (const Reading& bad : {Reading{0xA, 0, {}, 0}, Reading{1, kDoseLimit, {}, 0},
                               Reading{1, 0, {{0, 100, 1, 1, 1}}, 0}})
        EXPECT_THROW(buildFrame(bad), std::invalid_argument);
    // Of more than 100 entries the first 100 are taken.
    Reading many{0x1234, 0, std::vector<DoseRateEntry>(130), 0};
    for (int k = 0; k < 130; ++k)
        many.entries[k].rate = k;
    FrameDecoder d;
    ASSERT_TRUE(d.receive(encodeFrame(many)).good());
    EXPECT_EQ(d.reading().entriesInFrame, 130);
    many.entries.resize(100);
    EXPECT_EQ(d.reading().entries, many.entries);
}

TEST(FrameDecoder, EscapesInLengthAndChecksumAndEveryCut) {
    // Nine entries and one surplus byte give the length 0x7D, sent as 7D 5D; the rate is chosen so
    // that the FCS holds a byte that is sent escaped as well.
    Reading r{0x1234, 1234, {}, 0};
    auto special = [](char c) { return c == char(0x7D) || c == char(0xC0) || c == char(0xC1); };
    QByteArray plain;
    for (int rate = 0;
         plain.isEmpty() || !(special(plain[plain.size() - 3]) || special(plain[plain.size() - 2]));
         ++rate) {
        r.entries.assign(9, DoseRateEntry{rate, 1, 2, 3, 4});
        QByteArray f = buildFrame(r);
        plain = reseal(f.insert(f.size() - 3, char(0x00)));
    }
    const QByteArray wire = escapeFrame(plain);
    ASSERT_EQ(wire.mid(18, 3), hex("00 7D 5D"));
    ASSERT_EQ(wire.size(), plain.size() + 2);

    // Every cut into two pieces, including the one between 7D and 5D, gives the same frame.
    for (qsizetype cut = 1; cut < wire.size(); ++cut) {
        SCOPED_TRACE(cut);
        FrameDecoder d;
        ASSERT_TRUE(d.receive(wire.left(cut)).waiting());
        EXPECT_EQ(d.escapeHeld(), wire[cut - 1] == char(0x7D));
        ASSERT_TRUE(d.receive(wire.mid(cut)).good());
        EXPECT_EQ(d.frame().toByteArray(), plain);
        EXPECT_EQ(d.reading().entries, r.entries);
    }
}

TEST(FrameDecoder, JudgingPoints) {
    // Offsets 0 to 17 are stored as received, 0x7D or not; judged at 20 bytes, not at 19.
    const std::tuple<int, char, FrameFault> cases[] = {
        {0, 0x00, FrameFault::Preamble},  {5, 0x7D, FrameFault::Preamble},
        {10, 0x7D, FrameFault::Preamble}, {11, 0x00, FrameFault::Header},
        {16, 0x7D, FrameFault::Header},   {17, 0x00, FrameFault::Header}};
    for (const auto& [offset, value, fault] : cases) {
        SCOPED_TRACE(offset);
        QByteArray f = frame72().left(20);
        f[offset] = value;
        FrameDecoder d;
        EXPECT_TRUE(d.receive(f.left(19)).waiting());
        EXPECT_EQ(d.receiveCount(), 19);
        const FrameVerdict v = d.receive(f.mid(19, 1));
        EXPECT_EQ(std::tuple(v.fault, v.offset, v.found),
                  std::tuple(fault, offset, unsigned(std::uint8_t(value))));
    }
    // L = 60: judged at 80 bytes, not at 79; a byte behind or before the frame spoils it.
    FrameDecoder w;
    EXPECT_TRUE(w.receive(frame80().left(79)).waiting());
    EXPECT_TRUE(w.receive(frame80().mid(79)).good());
    EXPECT_EQ(FrameDecoder().receive(frame72() + hex("C0")).fault, FrameFault::Checksum);
    EXPECT_EQ(FrameDecoder().receive(hex("00") + frame72()).fault, FrameFault::Preamble);

    // More bytes than the buffer holds: rejected at its end, an escape held back not stored.
    QByteArray f = frame72().left(20);
    f[18] = char(0xFF); // a length that can never be reached within the buffer
    w.clear();
    EXPECT_TRUE(w.receive(f + QByteArray(kReceiveBufferSize - 20, '\0')).waiting());
    EXPECT_TRUE(w.receive(hex("7D")).waiting());
    EXPECT_EQ(w.receive(hex("01 02")).fault, FrameFault::Overflow);
    EXPECT_EQ(w.receiveCount(), kReceiveBufferSize);

    // N = 75 gives n = 0; the surplus bytes (0xEE is no BCD) are not examined.
    w.clear();
    ASSERT_TRUE(
        w.receive(escapeFrame(reseal(frame72().insert(69, QByteArray(3, char(0xEE)))))).good());
    EXPECT_EQ(w.reading().entriesInFrame, 0);
}

// The 80-byte frame with the 8 bytes at `offset` replaced: the identifier text (45), the ED in
// thousandths (53) or the entry's line (69), or the offset of the byte rejected as no BCD. Offsets
// 60 and 69 are not used; the bad dates are month 13, day 32, hour 24, minute 60 and 99.
TEST(FrameFields, IdentifierDoseAndEntryVectors) {
    const std::tuple<int, const char*, QString> cases[] = {
        {45, "0000000000001234", "1234"},
        {45, "0000000000000000", "0"},
        {45, "9876543210012345", "9876543210012345"},
        {45, "A000000000001234", "bad digit at 45"},
        {45, "000000000000123F", "bad digit at 52"},
        {53, "0000000000123456", "1234"},
        {53, "00000000000250FF", "250"},
        {53, "9999999999999900", QString::number(kDoseLimit - 1)},
        {53, "0000000000000B00", "bad digit at 59"},
        {69, "FF00120503140930", "14.03.202609:3012,05 uSv/h"},
        {69, "7700000012312359", "31.12.202623:590,00 uSv/h"},
        {69, "0099990701010000", "01.01.202600:009999,07 uSv/h"},
        {69, "0001005010051005", "05.10.202610:05100,50 uSv/h"},
        {69, "000012050314096A", "bad digit at 76"},
        {69, "0000000013010000", "bad date at 73"},
        {69, "0000000012320000", "bad date at 74"},
        {69, "0000000001012400", "bad date at 75"},
        {69, "0000000001010060", "bad date at 76"},
        {69, "0000000099990000", "bad date at 73"}};
    for (const auto& [offset, field, expected] : cases) {
        Reading r;
        const FrameVerdict v = decodeReading(frame80().replace(offset, 8, hex(field)), r);
        const QString shown = !v.good()
                                  ? QString("bad %1 at %2")
                                        .arg(v.fault == FrameFault::BadDate ? "date" : "digit")
                                        .arg(v.offset)
                              : offset == 45 ? r.identifierText()
                              : offset == 53 ? QString::number(r.doseThousandths)
                                             : r.entries.at(0).line(2026);
        EXPECT_EQ(shown, expected) << field;
    }
    Reading r;
    EXPECT_EQ(decodeReading(frame80().left(71), r).fault, FrameFault::TooShort);
}

} // namespace
} // namespace sarvo
