#include "core/store/store_error.h"
#include "core/text/language.h"
#include "core/text/report_test_data.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace sarvo;

namespace {

// A file of `count` lines "Ln" (n counted from 1).
QByteArray numberedLines(int count) {
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += "L" + QByteArray::number(n) + "\r\n";
    return bytes;
}

} // namespace

TEST(LanguageTest, BlocksOf95LinesWithTheFirstSkipped) {
    // Line 50 was set before the load; an index past the seventh block leaves every text empty.
    const std::tuple<int, int, int, const char*, const char*, const char*> cases[] = {
        {665, 0, 94, "L2", "L95", "L6"},
        {665, 1, 94, "L97", "L190", "L101"},
        {665, 6, 94, "L572", "L665", "L576"},
        {100, 1, 4, "L97", "L100", ""},
        {665, 7, 1, "", "", ""}};
    for (const auto& [lines, index, n, first, nth, fifth] : cases) {
        SCOPED_TRACE(index);
        LanguageStrings s;
        s.setLine(50, "old");
        s.loadFromBytes(numberedLines(lines), index);
        EXPECT_EQ((QStringList{s.line(1), s.line(n), s.line(5), s.portCaption()}),
                  (QStringList{first, nth, fifth, fifth}));
        EXPECT_NE(s.line(50), "old");
    }
}

TEST(LanguageTest, LineEndsEndOfFileAndNoFile) {
    LanguageStrings s;
    s.loadFromBytes("skip\r\nCR only\rCR LF\r\nlone LF\nstill line 3\r  blanks  \r\nafter\x1a"
                    "hidden\r\n",
                    0);
    EXPECT_EQ(
        (QStringList{s.line(1), s.line(2), s.line(3), s.line(4), s.line(5), s.line(6)}),
        (QStringList{"CR only", "CR LF", "lone LF\nstill line 3", "  blanks  ", "after", ""}));
    // Without a file nothing changes.
    QTemporaryDir dir;
    s.setLine(1, "kept");
    s.load(dir.path(), 1);
    EXPECT_EQ(s.line(1), "kept");
    EXPECT_EQ(s.line(0) + s.line(95), "");
}

TEST(LanguageTest, UnreadableFileIsAnError) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permissions do not stop root";
    QTemporaryDir dir;
    testdata::writeFile(dir.path() + "/Lang.txt", numberedLines(665));
    QFile::setPermissions(dir.path() + "/Lang.txt", QFileDevice::WriteOwner);
    LanguageStrings s;
    EXPECT_THROW(s.load(dir.path(), 0), StoreError);
}

TEST(LanguageTest, EachBlockIsDecodedWithItsCodePage) {
    QByteArray bytes;
    for (int block = 0; block < kLanguageCount; ++block)
        bytes += "name\r\n\xC8\xE2\xE0\xED\r\n" + numberedLines(93);
    const std::tuple<int, QString, const char*> cases[] = {
        {0, QStringLiteral("Иван"), "windows-1251"},
        {1, QStringLiteral("Èâàí"), "windows-1252"},
        {3, QStringLiteral("Èâàí"), "windows-1252"},
        {6, QStringLiteral("Čâŕí"), "windows-1250"}};
    for (const auto& [index, text, codePage] : cases) {
        LanguageStrings s;
        s.loadFromBytes(bytes, index);
        EXPECT_EQ(s.line(1), text);
        EXPECT_EQ(s.lineBytes(1), "\xC8\xE2\xE0\xED"); // the bytes as the file holds them
        EXPECT_STREQ(s.codePage(), codePage);
    }
    EXPECT_EQ(defaultLanguageIndex(QLocale(QLocale::Russian, QLocale::Russia)), 0);
    EXPECT_EQ(defaultLanguageIndex(QLocale(QLocale::German, QLocale::Germany)), 1);
    EXPECT_EQ(defaultLanguageIndex(QLocale::c()), 1);
    EXPECT_EQ(languageTag(0) + languageTag(6), "RusPol");
}

TEST(LanguageTest, ShippedFileHasTheTextsOfEveryBlock) {
    QFile file(SARVO_SOURCE_DIR "/Lang.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 665);
    EXPECT_EQ(bytes.count('\r') + bytes.count('\n'), 2 * 665);
    QSet<QString> titles;
    for (int index = 0; index < kLanguageCount; ++index) {
        LanguageStrings s;
        s.loadFromBytes(bytes, index);
        for (int n : {1, 5, 19, 20, 22, 27, 28, 33, 45, 59, 73, 75, 76, 92, 93, 94})
            EXPECT_FALSE(s.line(n).trimmed().isEmpty()) << index << " line " << n;
        EXPECT_FALSE(s.line(1).contains(QChar::ReplacementCharacter));
        titles.insert(s.line(1));
    }
    EXPECT_EQ(titles.size(), kLanguageCount);
}
