#include "core/store/records.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace sarvo;

namespace {

std::vector<unsigned char> bytesOf(const char* data, size_t size) {
    return std::vector<unsigned char>(data, data + size);
}

} // namespace

TEST(UserRecordLayout, FieldsSitAtTheirOffsets) {
    UserRecord u;
    u.setTexts(QStringLiteral("Иванов"), QStringLiteral("Ivan"), QString(), QStringLiteral("Lab"));
    u.UserNo = 0x01020304;
    u.ED = 1.5; // 0x3FF8000000000000
    u.DosimeterId = 0x1234;
    u.MED[0] = "14.03.202609:3012,05 uSv/h";
    u.MED[99] = "x";
    std::vector<char> b(kUserRecordSize);
    u.toBytes(b.data());

    // Last name: length 6, then Windows-1251 bytes of the Cyrillic letters.
    const unsigned char ln[] = {6, 0xC8, 0xE2, 0xE0, 0xED, 0xEE, 0xE2};
    EXPECT_EQ(0, std::memcmp(b.data(), ln, sizeof ln));
    EXPECT_EQ(4, b[21]);
    EXPECT_EQ(0, std::memcmp(b.data() + 22, "Ivan", 4));
    EXPECT_EQ(0, b[42]);
    EXPECT_EQ(3, b[63]);
    const unsigned char no[] = {0x04, 0x03, 0x02, 0x01};
    EXPECT_EQ(bytesOf(b.data() + 84, 4), std::vector<unsigned char>(no, no + 4));
    const unsigned char ed[] = {0, 0, 0, 0, 0, 0, 0xF8, 0x3F};
    EXPECT_EQ(bytesOf(b.data() + 88, 8), std::vector<unsigned char>(ed, ed + 8));
    const unsigned char id[] = {0x34, 0x12, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(bytesOf(b.data() + 96, 8), std::vector<unsigned char>(id, id + 8));
    EXPECT_EQ(26, b[104]);
    EXPECT_EQ(0, std::memcmp(b.data() + 105, "14.03.2026", 10));
    EXPECT_EQ(1, b[104 + 61 * 99]);
    EXPECT_EQ('x', b[105 + 61 * 99]);
    EXPECT_EQ(6203, 104 + 61 * 99 + 60);

    UserRecord back = UserRecord::fromBytes(b.data());
    EXPECT_EQ(back, u);
    EXPECT_EQ(back.lastName(), QStringLiteral("Иванов"));
}

TEST(UserRecordLayout, TextsAreCutAndUnknownCharactersBecomeQuestionMarks) {
    UserRecord u;
    u.setTexts(QStringLiteral("Abcdefghijklmnopqrstuvwxy"), QStringLiteral("Zoë 日本"), QString(),
               QString());
    EXPECT_EQ(u.LN, QByteArray("Abcdefghijklmnopqrst"));
    EXPECT_EQ(u.FN, QByteArray("Zo? ??"));
}

TEST(UserRecordLayout, DamagedLengthByteIsReadAsTheCapacity) {
    std::vector<char> b(kUserRecordSize, 'a');
    b[0] = static_cast<char>(200);
    b[104] = static_cast<char>(61);
    UserRecord u = UserRecord::fromBytes(b.data());
    EXPECT_EQ(u.LN.size(), 20);
    EXPECT_EQ(u.MED[0].size(), 60);
}

TEST(HistoryRecordLayout, FieldsSitAtTheirOffsets) {
    HistoryRecord h{46361.0, 0.5, 0.25, 1.75, 7, 0x1234};
    char b[kHistoryRecordSize];
    std::memset(b, 0xAA, sizeof b);
    h.toBytes(b);
    const unsigned char expected[kHistoryRecordSize] = {
        0,    0,    0, 0, 0x20, 0xA3, 0xE6, 0x40, // 46361.0
        0,    0,    0, 0, 0,    0,    0xE0, 0x3F, // 0.5
        0,    0,    0, 0, 0,    0,    0xD0, 0x3F, // 0.25
        0,    0,    0, 0, 0,    0,    0xFC, 0x3F, // 1.75
        7,    0,    0, 0, 0,    0,    0,    0,    // UserNo, padding 0
        0x34, 0x12, 0, 0, 0,    0,    0,    0};   // DosimeterId
    EXPECT_EQ(bytesOf(b, sizeof b), std::vector<unsigned char>(expected, expected + 48));
    EXPECT_EQ(HistoryRecord::fromBytes(b), h);
}

TEST(SettingsRecordLayout, DefaultRecordBytes) {
    QByteArray bytes = SettingsRecord::defaults(0).toFileBytes();
    ASSERT_EQ(bytes.size(), kSettingsRecordSize);
    const unsigned char expected[kSettingsRecordSize] = {
        0,   0,    0,    0,    0,    0,    18,   'K', 'a', 'S', 'a', 'r', 'v', 'o',
        ' ', 0xE2, 0xE5, 0xF0, 0xF1, 0xE8, 0xFF, ' ', '1', '.', '0', 0,   0};
    EXPECT_EQ(bytesOf(bytes.constData(), 27), std::vector<unsigned char>(expected, expected + 27));
}

TEST(SettingsRecordLayout, LongPortNameIsKeptAfterTheRecord) {
    SettingsRecord s = SettingsRecord::defaults(1);
    s.setPortName(QStringLiteral("/dev/ttyUSB0"));
    QByteArray bytes = s.toFileBytes();
    ASSERT_EQ(bytes.size(), 27 + 256);
    EXPECT_EQ(bytes.left(5), QByteArray("\x04/dev", 5));
    EXPECT_EQ(static_cast<unsigned char>(bytes[27]), 12);
    EXPECT_EQ(bytes.mid(28, 12), QByteArray("/dev/ttyUSB0"));
    EXPECT_EQ(SettingsRecord::fromFileBytes(bytes).portName(), QStringLiteral("/dev/ttyUSB0"));

    // A short name writes the plain 27-byte record.
    s.setPortName(QStringLiteral("COM3"));
    EXPECT_EQ(s.toFileBytes().size(), 27);
    EXPECT_EQ(SettingsRecord::fromFileBytes(s.toFileBytes()).portName(), QStringLiteral("COM3"));
}

TEST(SettingsRecordLayout, ExtensionThatDisagreesWithPortNameIsIgnored) {
    SettingsRecord s = SettingsRecord::defaults(1);
    s.setPortName(QStringLiteral("/dev/ttyS1"));
    QByteArray bytes = s.toFileBytes();
    bytes[1] = 'X'; // another program rewrote PortName only
    EXPECT_EQ(SettingsRecord::fromFileBytes(bytes).portName(), QStringLiteral("Xdev"));
}
