#include "core/store/store_error.h"
#include "core/text/language.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace sarvo;

namespace {

// A file of `count` lines "Ln" (n counted from 1), ended by `ending`.
QByteArray numberedLines(int count, const QByteArray& ending = "\r\n") {
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += "L" + QByteArray::number(n) + ending;
    return bytes;
}

class LanguageTest : public ::testing::Test {
protected:
    void write(const QByteArray& bytes) {
        QFile f(dir.path() + "/Lang.txt");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    LanguageStrings load(int index, LanguageStrings strings = {}) {
        strings.load(dir.path(), index);
        return strings;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(LanguageTest, BlocksOf95LinesWithTheFirstSkipped) {
    write(numberedLines(665));
    struct {
        int index, first, last;
    } cases[] = {{0, 2, 95}, {1, 97, 190}, {6, 572, 665}};
    for (const auto& c : cases) {
        LanguageStrings s = load(c.index);
        EXPECT_EQ(s.line(1), QStringLiteral("L%1").arg(c.first));
        EXPECT_EQ(s.line(94), QStringLiteral("L%1").arg(c.last));
        EXPECT_EQ(s.portCaption(), s.line(5));
    }
}

TEST_F(LanguageTest, MissingLinesBecomeEmpty) {
    write(numberedLines(100));
    LanguageStrings s;
    s.setLine(50, "old");
    s = load(1, s);
    EXPECT_EQ(s.line(1), "L97");
    EXPECT_EQ(s.line(4), "L100");
    EXPECT_EQ(s.line(5), "");
    EXPECT_EQ(s.portCaption(), "");
    EXPECT_EQ(s.line(50), "");
    // An index past the seventh block leaves every text empty.
    write(numberedLines(665));
    EXPECT_EQ(load(7).line(1), "");
}

TEST_F(LanguageTest, LineEndsAndEndOfFile) {
    write("skip\r\nCR only\rCR LF\r\nlone LF\nstill line 3\r  blanks  \r\nafter\x1a"
          "hidden\r\n");
    LanguageStrings s = load(0);
    EXPECT_EQ(s.line(1), "CR only");
    EXPECT_EQ(s.line(2), "CR LF");
    EXPECT_EQ(s.line(3), "lone LF\nstill line 3");
    EXPECT_EQ(s.line(4), "  blanks  ");
    EXPECT_EQ(s.line(5), "after");
    EXPECT_EQ(s.line(6), "");
}

TEST_F(LanguageTest, NoFileChangesNothing) {
    LanguageStrings s;
    s.setLine(1, "kept");
    s = load(1, s);
    EXPECT_EQ(s.line(1), "kept");
    EXPECT_EQ(s.line(0), "");
    EXPECT_EQ(s.line(95), "");
}

TEST_F(LanguageTest, EachBlockIsDecodedWithItsCodePage) {
    QByteArray bytes;
    for (int block = 0; block < kLanguageCount; ++block)
        bytes += "name\r\n\xC8\xE2\xE0\xED\r\n" + numberedLines(93);
    write(bytes);
    EXPECT_EQ(load(0).line(1), QStringLiteral("Иван"));
    EXPECT_EQ(load(1).line(1), QStringLiteral("Èâàí"));
    EXPECT_EQ(load(6).line(1), QStringLiteral("Čâŕí"));
    // The bytes stay as the file holds them, with the code page they are in.
    for (int index : {0, 3, 6})
        EXPECT_EQ(load(index).lineBytes(1), "\xC8\xE2\xE0\xED");
    EXPECT_STREQ(load(3).codePage(), "windows-1252");
    EXPECT_STREQ(load(6).codePage(), "windows-1250");
}

TEST_F(LanguageTest, UnreadableFileIsAnError) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permissions do not stop root";
    write(numberedLines(665));
    QFile::setPermissions(dir.path() + "/Lang.txt", QFileDevice::WriteOwner);
    EXPECT_THROW(load(0), StoreError);
}

TEST(DefaultLanguage, RussianSystemsGetRussian) {
    EXPECT_EQ(defaultLanguageIndex(QLocale(QLocale::Russian, QLocale::Russia)), 0);
    EXPECT_EQ(defaultLanguageIndex(QLocale(QLocale::German, QLocale::Germany)), 1);
    EXPECT_EQ(defaultLanguageIndex(QLocale::c()), 1);
    EXPECT_EQ(languageTag(0), "Rus");
    EXPECT_EQ(languageTag(6), "Pol");
}

TEST(ShippedLanguageFile, EveryBlockHasItsTexts) {
    QFile file(SARVO_SOURCE_DIR "/Lang.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 665);
    EXPECT_EQ(bytes.count('\r'), 665);
    EXPECT_EQ(bytes.count('\n'), 665);
    QSet<QString> titles;
    for (int index = 0; index < kLanguageCount; ++index) {
        LanguageStrings s;
        s.load(SARVO_SOURCE_DIR, index);
        for (int n : {1, 5, 19, 20, 22, 27, 28, 33, 45, 59, 73, 75, 76, 92, 93, 94})
            EXPECT_FALSE(s.line(n).trimmed().isEmpty()) << index << " line " << n;
        EXPECT_FALSE(s.line(1).contains(QChar::ReplacementCharacter));
        titles.insert(s.line(1));
    }
    EXPECT_EQ(titles.size(), kLanguageCount);
    LanguageStrings ru;
    ru.load(SARVO_SOURCE_DIR, 0);
    EXPECT_EQ(ru.line(7), QStringLiteral("2000 г."));
    EXPECT_EQ(ru.line(8), QStringLiteral("Система сбора и обработки"));
    EXPECT_EQ(ru.line(9), QStringLiteral("информации прибора Ka Drel"));
    EXPECT_EQ(ru.line(10), QStringLiteral("версия 1.0"));
}
