#include "link/fcs16.h"
#include "link/frame.h"
#include "link/frame_decoder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtEndian>
#include <random>

namespace sarvo {
namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// The 72-byte example frame: identifier 0x1234, ED 1.234 mSv, no entries, FCS 02 F3.
QByteArray frame72() {
    QByteArray f(11, char(0xC0));
    f += bytes({0xFF, 0x13, 0x70, 0x70, 0x01, 0x00, 0x82, 0x00, 0x34});
    f += QByteArray(25, '\0');
    f += bytes({0, 0, 0, 0, 0, 0, 0x12, 0x34});
    f += bytes({0, 0, 0, 0, 0, 0x12, 0x34, 0x00});
    f += QByteArray(8, '\0');
    f += bytes({0x02, 0xF3, 0xC1});
    return f;
}

// The 80-byte example frame: the same with one entry 00 00 12 05 03 14 09 30, FCS 14 6C.
QByteArray frame80() {
    QByteArray f = frame72();
    f[19] = 0x3C;
    f.insert(69, bytes({0x00, 0x00, 0x12, 0x05, 0x03, 0x14, 0x09, 0x30}));
    f[77] = 0x14;
    f[78] = 0x6C;
    return f;
}

// Sets the length field of an unescaped frame to its size - 20 and puts the right FCS in.
QByteArray reseal(QByteArray f) {
    f[18] = static_cast<char>((f.size() - 20) >> 8);
    f[19] = static_cast<char>((f.size() - 20) & 0xFF);
    const std::uint16_t fcs =
        ComputeFcs16(reinterpret_cast<const std::uint8_t*>(f.constData()) + 11,
                     static_cast<std::uint16_t>(f.size() - 14)) ^
        0xFFFF;
    f[f.size() - 3] = static_cast<char>(fcs & 0xFF);
    f[f.size() - 2] = static_cast<char>(fcs >> 8);
    return f;
}

// Feeds `wire` in pieces of `pieceSize` bytes; returns the first verdict that is not Waiting.
FrameVerdict feed(FrameDecoder& decoder, const QByteArray& wire, int pieceSize) {
    FrameVerdict verdict;
    for (qsizetype at = 0; at < wire.size(); at += pieceSize) {
        verdict = decoder.receive(wire.mid(at, pieceSize));
        if (!verdict.waiting())
            return verdict;
    }
    return verdict;
}

TEST(Fcs16, TableAndCheckValue) {
    BuildFcs16Table();
    EXPECT_EQ(Fcs16Table[0], 0x0000);
    EXPECT_EQ(Fcs16Table[1], 0x1189);
    EXPECT_EQ(Fcs16Table[128], 0x8408);
    EXPECT_EQ(Fcs16Table[255], 0x0F78);
    const QByteArray digits("123456789");
    EXPECT_EQ(ComputeFcs16(reinterpret_cast<const std::uint8_t*>(digits.constData()), 9) ^ 0xFFFF,
              0x906E);
    EXPECT_EQ(ComputeFcs16(nullptr, 0), 0xFFFF);
}

TEST(FrameDecoder, ExampleFramesInOnePieceAndByteByByte) {
    for (int pieceSize : {1000, 1, 7}) {
        SCOPED_TRACE(pieceSize);
        FrameDecoder d;
        ASSERT_TRUE(feed(d, frame72(), pieceSize).good());
        EXPECT_EQ(d.receiveCount(), 72);
        EXPECT_EQ(d.reading().identifier, 0x1234);
        EXPECT_EQ(d.reading().identifierText(), "1234");
        EXPECT_EQ(d.reading().doseThousandths, 1234);
        EXPECT_DOUBLE_EQ(d.reading().dose(), 1.234);
        EXPECT_TRUE(d.reading().entries.empty());

        d.clear();
        ASSERT_TRUE(feed(d, frame80(), pieceSize).good());
        ASSERT_EQ(d.reading().entries.size(), 1u);
        const DoseRateEntry e = d.reading().entries[0];
        EXPECT_EQ(e, (DoseRateEntry{1205, 3, 14, 9, 30}));
        EXPECT_EQ(e.line(2026), "14.03.202609:3012,05 uSv/h");
    }
}

TEST(FrameDecoder, EscapesInLengthAndChecksumAndEveryCut) {
    // Nine entries and one surplus byte give the length 0x7D, sent as 7D 5D; the rate is chosen so
    // that the FCS holds a byte that is sent escaped as well.
    Reading r{0x1234, 1234, {}, 0};
    auto special = [](char c) {
        const auto b = static_cast<std::uint8_t>(c);
        return b == 0x7D || b == 0xC0 || b == 0xC1;
    };
    QByteArray plain;
    for (int rate = 0;
         plain.isEmpty() || !(special(plain[plain.size() - 3]) || special(plain[plain.size() - 2]));
         ++rate) {
        r.entries.assign(9, DoseRateEntry{rate, 1, 2, 3, 4});
        QByteArray f = buildFrame(r);
        f.insert(f.size() - 3, char(0x00));
        plain = reseal(f);
    }
    const QByteArray wire = escapeFrame(plain);
    ASSERT_EQ(wire.mid(18, 3), bytes({0x00, 0x7D, 0x5D}));
    ASSERT_EQ(wire.size(), plain.size() + 2);

    // Every cut into two pieces, including the one between 7D and 5D, gives the same frame.
    for (qsizetype cut = 1; cut < wire.size(); ++cut) {
        SCOPED_TRACE(cut);
        FrameDecoder d;
        ASSERT_TRUE(d.receive(wire.left(cut)).waiting());
        EXPECT_EQ(d.escapeHeld(), static_cast<std::uint8_t>(wire[cut - 1]) == 0x7D);
        ASSERT_TRUE(d.receive(wire.mid(cut)).good());
        EXPECT_EQ(d.frame().toByteArray(), plain);
        EXPECT_EQ(d.reading().entries, r.entries);
    }
}

TEST(FrameDecoder, JudgingPoints) {
    FrameDecoder d;
    EXPECT_TRUE(d.receive(QByteArray(19, char(0x55))).waiting());
    EXPECT_EQ(d.receiveCount(), 19);

    // Offsets 0 to 17 are stored as received, 0x7D or not.
    struct Case {
        int offset;
        char value;
        FrameFault fault;
    } cases[] = {{0, 0x00, FrameFault::Preamble},
                 {10, 0x7D, FrameFault::Preamble},
                 {11, 0x00, FrameFault::Header},
                 {16, 0x7D, FrameFault::Header},
                 {17, 0x00, FrameFault::Header}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        QByteArray f = frame72().left(20);
        f[c.offset] = c.value;
        FrameDecoder fresh;
        EXPECT_TRUE(fresh.receive(f.left(19)).waiting());
        const FrameVerdict v = fresh.receive(f.mid(19, 1));
        ASSERT_TRUE(v.rejected());
        EXPECT_EQ(v.fault, c.fault);
        EXPECT_EQ(v.offset, c.offset);
        EXPECT_EQ(v.found, static_cast<std::uint8_t>(c.value));
    }

    // L = 60: judged at 80 bytes, not at 79.
    FrameDecoder w;
    EXPECT_TRUE(w.receive(frame80().left(79)).waiting());
    EXPECT_TRUE(w.receive(frame80().mid(79)).good());
}

TEST(FrameDecoder, TrailingBytesAndNoiseAreRejected) {
    FrameDecoder d;
    const FrameVerdict behind = d.receive(frame72() + bytes({0xC0}));
    EXPECT_EQ(behind.fault, FrameFault::Checksum);
    FrameDecoder e;
    EXPECT_EQ(e.receive(bytes({0x00}) + frame72()).fault, FrameFault::Preamble);
}

TEST(FrameDecoder, EntryCountFromLength) {
    // N = 72, 75 and 80 give n = 0, 0 and 1; the surplus bytes are not examined.
    struct Case {
        int surplus;
        char fill; // 0xEE is no BCD: surplus bytes are not examined
        int n;
    } cases[] = {{0, 0, 0}, {3, char(0xEE), 0}, {8, 0, 1}};
    for (const Case& c : cases) {
        QByteArray f = frame72();
        f.insert(69, QByteArray(c.surplus, c.fill));
        f = reseal(f);
        FrameDecoder d;
        ASSERT_TRUE(d.receive(escapeFrame(f)).good()) << c.surplus;
        EXPECT_EQ(d.reading().entriesInFrame, c.n);
    }
}

// `base` with `field` put in at `offset`, decoded.
Reading decodedWith(QByteArray base, int offset, const QByteArray& field) {
    base.replace(offset, field.size(), field);
    Reading r;
    EXPECT_TRUE(decodeReading(base, r).good());
    return r;
}

TEST(FrameFields, IdentifierDoseAndEntryVectors) {
    const std::pair<QByteArray, const char*> ids[] = {
        {bytes({0, 0, 0, 0, 0, 0, 0x12, 0x34}), "1234"},
        {bytes({0, 0, 0, 0, 0, 0, 0, 0}), "0"},
        {bytes({0x98, 0x76, 0x54, 0x32, 0x10, 0x01, 0x23, 0x45}), "9876543210012345"}};
    for (const auto& [field, text] : ids) {
        const Reading r = decodedWith(frame72(), 45, field);
        EXPECT_EQ(r.identifier, qFromBigEndian<qint64>(field.constData()));
        EXPECT_EQ(r.identifierText(), text);
    }
    const std::pair<QByteArray, std::int64_t> doses[] = {
        {bytes({0, 0, 0, 0, 0, 0x12, 0x34, 0x56}), 1234}, // offset 60 not used
        {bytes({0, 0, 0, 0, 0, 0x02, 0x50, 0x00}), 250},
        {bytes({0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0xFF}), kDoseLimit - 1}};
    for (const auto& [field, thousandths] : doses)
        EXPECT_EQ(decodedWith(frame72(), 53, field).doseThousandths, thousandths);
    const std::pair<QByteArray, const char*> entries[] = {
        {bytes({0x00, 0x00, 0x12, 0x05, 0x03, 0x14, 0x09, 0x30}), "14.03.202609:3012,05 uSv/h"},
        {bytes({0x77, 0x00, 0x00, 0x00, 0x12, 0x31, 0x23, 0x59}), "31.12.202623:590,00 uSv/h"},
        {bytes({0x00, 0x99, 0x99, 0x07, 0x01, 0x01, 0x00, 0x00}), "01.01.202600:009999,07 uSv/h"},
        {bytes({0x00, 0x01, 0x00, 0x50, 0x10, 0x05, 0x10, 0x05}), "05.10.202610:05100,50 uSv/h"}};
    for (const auto& [field, line] : entries)
        EXPECT_EQ(decodedWith(frame80(), 69, field).entries.at(0).line(2026), line);
}

TEST(FrameFields, BrokenFramesAreRejected) {
    struct Case {
        const char* name;
        int offset; // -1: cut the frame instead
        int value;
        FrameFault fault;
    } cases[] = {{"identifier high nibble", 45, 0xA0, FrameFault::BadDigit},
                 {"identifier low nibble", 52, 0x3F, FrameFault::BadDigit},
                 {"ED", 59, 0x0B, FrameFault::BadDigit},
                 {"entry minute", 76, 0x6A, FrameFault::BadDigit},
                 {"short", -1, 0, FrameFault::TooShort}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray f = frame80();
        if (c.offset >= 0)
            f[c.offset] = static_cast<char>(c.value);
        else
            f = f.left(71);
        Reading r;
        const FrameVerdict v = decodeReading(f, r);
        ASSERT_TRUE(v.rejected());
        EXPECT_EQ(v.fault, c.fault);
        EXPECT_EQ(v.offset, c.offset);
    }
    // The entry's unused byte and the ED's unused byte are not examined.
    QByteArray f = frame80();
    f[60] = char(0xFF);
    f[69] = char(0xFF);
    Reading r;
    EXPECT_TRUE(decodeReading(f, r).good());
}

TEST(FrameDecoder, MoreThanHundredEntriesTakesTheFirstHundred) {
    Reading r{0x42, 7, {}, 0};
    for (int k = 0; k < 130; ++k)
        r.entries.push_back({k, 1 + k % 12, 1 + k % 28, k % 24, k % 60});
    FrameDecoder d;
    ASSERT_TRUE(d.receive(encodeFrame(r)).good());
    EXPECT_EQ(d.reading().entriesInFrame, 130);
    ASSERT_EQ(d.reading().entries.size(), 100u);
    EXPECT_EQ(d.reading().entries[99], r.entries[99]);
}

TEST(FrameDecoder, OverflowIsRejectedAtTheBufferEnd) {
    // A header whose length can never be reached within the buffer.
    QByteArray f = frame72().left(20);
    f[18] = char(0xFF);
    FrameDecoder d;
    EXPECT_TRUE(d.receive(f).waiting());
    EXPECT_TRUE(d.receive(QByteArray(kReceiveBufferSize - 20, '\0')).waiting());
    EXPECT_EQ(d.receiveCount(), kReceiveBufferSize);
    EXPECT_TRUE(d.receive(bytes({0x7D})).waiting()); // held back, not stored
    const FrameVerdict v = d.receive(bytes({0x01, 0x02}));
    EXPECT_EQ(v.fault, FrameFault::Overflow);
    EXPECT_EQ(d.receiveCount(), kReceiveBufferSize);
    d.clear();
    EXPECT_EQ(d.receiveCount(), 0);
    EXPECT_FALSE(d.escapeHeld());
}

TEST(FrameEncoder, MatchesTheExampleFrames) {
    EXPECT_EQ(encodeFrame(Reading{0x1234, 1234, {}, 0}), frame72());
    EXPECT_EQ(encodeFrame(Reading{0x1234, 1234, {{1205, 3, 14, 9, 30}}, 0}), frame80());
    EXPECT_THROW(buildFrame(Reading{0xA, 0, {}, 0}), std::invalid_argument);
    EXPECT_THROW(buildFrame(Reading{1, kDoseLimit, {}, 0}), std::invalid_argument);
    EXPECT_THROW(buildFrame(Reading{1, 0, {{0, 100, 1, 1, 1}}, 0}), std::invalid_argument);
}

// Random readings, encoded and cut into random pieces, decode to the same values.
TEST(FrameRoundTrip, RandomReadingsInRandomPieces) {
    std::mt19937_64 random(20260314);
    auto pick = [&](long long limit) {
        return static_cast<long long>(random() % static_cast<unsigned long long>(limit));
    };
    for (int round = 0; round < 300; ++round) {
        Reading r;
        std::uint64_t id = 0;
        for (int digit = 0; digit < 16; ++digit)
            id = (id << 4) | static_cast<std::uint64_t>(pick(10));
        r.identifier = static_cast<std::int64_t>(id);
        r.doseThousandths = round % 3 == 0 ? pick(kDoseLimit) : pick(100000);
        const int n = round == 0 ? 100 : static_cast<int>(pick(101));
        for (int k = 0; k < n; ++k)
            r.entries.push_back({static_cast<int>(pick(1000000)), static_cast<int>(pick(100)),
                                 static_cast<int>(pick(100)), static_cast<int>(pick(100)),
                                 static_cast<int>(pick(100))});
        const QByteArray wire = encodeFrame(r);

        FrameDecoder d;
        FrameVerdict v;
        for (qsizetype at = 0; at < wire.size() && v.waiting();) {
            const qsizetype size = 1 + pick(round % 2 ? 4 : 64);
            v = d.receive(wire.mid(at, size));
            at += size;
            if (at < wire.size()) {
                ASSERT_TRUE(v.waiting()) << "round " << round << " judged early at " << at;
            }
        }
        ASSERT_TRUE(v.good()) << "round " << round << ": " << describe(v).toStdString();
        EXPECT_EQ(d.reading().identifier, r.identifier);
        EXPECT_EQ(d.reading().doseThousandths, r.doseThousandths);
        EXPECT_EQ(d.reading().entries, r.entries);
        EXPECT_EQ(d.reading().entriesInFrame, n);
    }
}

} // namespace
} // namespace sarvo
