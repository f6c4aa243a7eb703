#include "core/store/records.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace sarvo;

TEST(RecordLayout, UserRecordFieldsSitAtTheirOffsets) {
    UserRecord u;
    u.setTexts(QStringLiteral("Иванов"), QStringLiteral("Ivan"), QString(), QStringLiteral("Lab"));
    std::tie(u.UserNo, u.ED, u.DosimeterId) = std::tuple(0x01020304, 1.5, 0x1234);
    std::tie(u.MED[0], u.MED[99]) = std::tuple("14.03.202609:3012,05 uSv/h", "x");
    QByteArray b(kUserRecordSize, '\0');
    u.toBytes(b.data());
    // Offset, size, bytes; the last name in Windows-1251 after its length.
    const std::tuple<int, int, const char*> fields[] = {{0, 7, "06 c8 e2 e0 ed ee e2"},
                                                        {21, 6, "04 49 76 61 6e 00"},
                                                        {42, 1, "00"},
                                                        {63, 4, "03 4c 61 62"},
                                                        {84, 4, "04 03 02 01"},
                                                        {88, 8, "00 00 00 00 00 00 f8 3f"},
                                                        {96, 8, "34 12 00 00 00 00 00 00"},
                                                        {104, 3, "1a 31 34"},
                                                        {104 + 61 * 99, 3, "01 78 00"}};
    for (const auto& [offset, size, hex] : fields)
        EXPECT_EQ(b.mid(offset, size).toHex(' '), hex) << offset;
    EXPECT_EQ(kUserRecordSize, 6208);
    EXPECT_EQ(UserRecord::fromBytes(b.data()), u);
}

TEST(RecordLayout, UserTextsAreCutAndDamagedLengthsReadAsTheCapacity) {
    UserRecord u;
    u.setTexts("Abcdefghijklmnopqrstuvwxy", "Zoë 日本", QString(25, 'M'), QString(40, 'D'));
    EXPECT_EQ(u.LN + '|' + u.FN + '|' + u.MN + '|' + u.Dep,
              "Abcdefghijklmnopqrst|Zo? ??|" + QByteArray(20, 'M') + '|' + QByteArray(20, 'D'));
    QByteArray b(kUserRecordSize, 'a');
    b[0] = static_cast<char>(200);
    b[104] = static_cast<char>(61);
    u = UserRecord::fromBytes(b.data());
    EXPECT_EQ(std::pair(u.LN.size(), u.MED[0].size()), std::pair(qsizetype(20), qsizetype(60)));
}

TEST(RecordLayout, HistoryRecordFieldsSitAtTheirOffsets) {
    HistoryRecord h{46361.0, 0.5, 0.25, 1.75, 7, 0x1234};
    QByteArray b(kHistoryRecordSize, char(0xAA));
    h.toBytes(b.data());
    EXPECT_EQ(b.toHex(' '), "00 00 00 00 20 a3 e6 40 00 00 00 00 00 00 e0 3f "
                            "00 00 00 00 00 00 d0 3f 00 00 00 00 00 00 fc 3f "
                            "07 00 00 00 00 00 00 00 34 12 00 00 00 00 00 00");
    EXPECT_EQ(HistoryRecord::fromBytes(b.constData()), h);
}

TEST(RecordLayout, SettingsRecordAndTheLongPortName) {
    EXPECT_EQ(SettingsRecord::defaults(0).toFileBytes().toHex(' '),
              "00 00 00 00 00 00 12 4b 61 53 61 72 76 6f 20 e2 e5 f0 f1 e8 ff 20 31 2e 30 00 00");
    SettingsRecord s = SettingsRecord::defaults(1);
    s.setPortName(QStringLiteral("/dev/ttyUSB0"));
    QByteArray bytes = s.toFileBytes();
    ASSERT_EQ(bytes.size(), 27 + 256);
    EXPECT_EQ(bytes.left(5), QByteArray("\x04/dev", 5));
    EXPECT_EQ(bytes.mid(27, 13), QByteArray("\x0c/dev/ttyUSB0"));
    EXPECT_EQ(SettingsRecord::fromFileBytes(bytes).portName(), QStringLiteral("/dev/ttyUSB0"));
    bytes[1] = 'X'; // another program rewrote PortName only: the extension no longer applies
    EXPECT_EQ(SettingsRecord::fromFileBytes(bytes).portName(), QStringLiteral("Xdev"));
    s.setPortName(QStringLiteral("COM3")); // a short name writes the plain 27-byte record
    EXPECT_EQ(s.toFileBytes().size(), 27);
}

// Texts decode by a table built from Qt's codec: every byte as the codec decodes it, the byte
// the code page leaves undefined included.
TEST(RecordLayout, Windows1251DecodesEveryByteAsTheCodec) {
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = static_cast<char>(b);
    EXPECT_EQ(fromCp1251(all), QStringDecoder("windows-1251").decode(all));
    EXPECT_EQ(fromCp1251("\xc0\x98z\xff"), QString::fromUtf8("А\u0098zя"));
}
