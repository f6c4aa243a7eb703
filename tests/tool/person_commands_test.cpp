#include "core/store/store.h"
#include "tool/run_tool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sarvo;

namespace {

using Result = test::ToolResult;

// Runs sarvo-tool in `workDir` (where it looks for Lang.txt).
Result tool(const QStringList& arguments, const QString& workDir) {
    Result r = test::runTool(arguments, "C.UTF-8", workDir);
    r.err = r.err.trimmed();
    return r;
}

// Language line n of a language's source file (file line n + 1).
QString sourceLine(const char* file, int n) {
    QFile f(QStringLiteral(SARVO_SOURCE_DIR "/lang/") + QLatin1String(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll()).split('\n').value(n).trimmed();
}

class PersonCommandsTest : public ::testing::Test {
protected:
    Result run(QStringList arguments) {
        arguments << "--dir" << dir.path();
        return tool(arguments, work.path());
    }
    QByteArray userFile() {
        QFile f(QString::fromStdString(store.userPath().string()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;  // the data
    QTemporaryDir work; // the working directory, without Lang.txt unless a test puts it there
    Store store{dir.path().toStdString()};
};

} // namespace

// One group set up step by step; a refused step (exit 1 or 2) leaves the user file as it was.
TEST_F(PersonCommandsTest, GroupSetUpWithRefusals) {
    const QString noName = "Enter the last name and the first name.";
    const QString notNumber = "The dosimeter ID is not a valid number.";
    const QString taken = "This dosimeter is already registered to a person.";
    const std::tuple<QStringList, int, QString> steps[] = {
        {{"add-person", "--last", "Sidorov", "--first", "X"}, 0, "1\n"},
        {{"add-person", "--last", "Ivanov", "--first", "X"}, 0, "2\n"},
        {{"add-person", "--last", "Petrov", "--first", "X"}, 0, "3\n"},
        {{"add-person", "--last", "", "--first", "I"}, 1, noName},
        {{"change-person", "--person", "2", "--first", ""}, 1, noName},
        {{"register", "--person", "1", "--id", "1234"}, 0, ""},
        {{"register", "--person", "2", "--id", "1234"}, 1, taken},
        {{"register", "--person", "1", "--id", "1234"}, 1, taken},
        {{"register", "--person", "1", "--id", "5678"},
         1,
         "This person already has a dosimeter. Replace it?"},
        {{"register", "--person", "1", "--id", "ab"}, 1, notNumber},
        {{"register", "--person", "1", "--id", " 12"}, 1, notNumber},
        {{"register", "--person", "1", "--id", ""}, 1, notNumber},
        {{"register", "--person", "1", "--id", "12345678901234567"},
         1,
         "The dosimeter ID must not be longer than 16 characters."},
        {{"register", "--person", "9", "--id", "1"}, 1, "no person with the number 9"},
        {{"change-person", "--person", "0", "--last", "A"}, 1, "no person with the number 0"},
        {{"add-person", "--first", "I"}, 2, "usage"},
        {{"change-person", "--person", "x"}, 2, "usage"},
        {{"register", "--person", "1", "--id", "1", "--replace", "yes"}, 2, "usage"},
        {{"register", "--person", "3", "--id", "1234"}, 1, taken},
        {{"register", "--person", "1", "--id", "5678", "--replace"}, 0, ""},
        {{"register", "--person", "3", "--id", "1234"}, 0, ""},
        {{"register", "--person", "3", "--id", "0"}, 0, ""},
        {{"add-person", "--last", " ", "--first", " "}, 0, "4\n"}, // blanks count as a name
    };
    for (const auto& [args, code, text] : steps) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const QByteArray before = userFile();
        const Result r = run(args);
        EXPECT_EQ(r.code, code) << r.err.toStdString();
        if (code == 0) {
            EXPECT_EQ(r.out, text);
        } else {
            EXPECT_TRUE(code == 2 ? r.err.contains(text) : r.err == text) << r.err.toStdString();
            EXPECT_EQ(userFile(), before);
        }
    }
    const std::vector<UserRecord> users = store.readUsers();
    ASSERT_EQ(users.size(), 4u);
    const std::tuple<QByteArray, int, std::int64_t> expected[] = {
        {" ", 4, 0}, {"Ivanov", 2, 0}, {"Petrov", 3, 0}, {"Sidorov", 1, 0x5678}};
    for (std::size_t i = 0; i < users.size(); ++i)
        EXPECT_EQ(std::tuple(users[i].LN, int(users[i].UserNo), users[i].DosimeterId), expected[i]);
}

TEST_F(PersonCommandsTest, ChangeReplacesOnlyTheTextsGivenAndKeepsTheReadings) {
    run({"add-person", "--last", "Borisov", "--first", "B"});
    run({"add-person", "--last", "Zaitsev", "--first", "Zakhar", "--middle", "M", "--dep", "D"});
    UserRecord z = store.readUser(1);
    z.DosimeterId = 0x77;
    z.ED = 1.5;
    z.MED[5] = "5 line";
    store.writeUser(1, z);
    const Result r = run({"change-person", "--person", "2", "--last", "Abramov", "--dep", ""});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    z.setTexts("Abramov", "Zakhar", "M", "");
    EXPECT_EQ(store.readUser(0), z);
    // Windows-1251 bytes sort after the Latin letters.
    ASSERT_EQ(run({"add-person", "--last", "Иванов", "--first", "Олег", "--dep", "Лаб 2"}).code, 0);
    EXPECT_EQ(store.readUser(2).LN, QByteArray("\xc8\xe2\xe0\xed\xee\xe2"));
    EXPECT_EQ(store.readUser(2).department(), "Лаб 2");
}

TEST_F(PersonCommandsTest, RefusalInTheLanguageOfTheSettings) {
    run({"add-person", "--last", "Ivanov", "--first", "I"});
    run({"register", "--person", "1", "--id", "1234"});
    ASSERT_TRUE(QFile::copy(SARVO_SOURCE_DIR "/Lang.txt", work.filePath("Lang.txt")));
    store.saveSettings(SettingsRecord::defaults(0));
    Result r = run({"register", "--person", "1", "--id", "1234"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, sourceLine("rus.txt", 94));
    r = run({"add-person", "--last", "X", "--first", ""});
    EXPECT_EQ(r.err, sourceLine("rus.txt", 33));
    store.saveSettings(SettingsRecord::defaults(2));
    r = run({"register", "--person", "1", "--id", "G"});
    EXPECT_EQ(r.err, sourceLine("nem.txt", 44));
}

TEST_F(PersonCommandsTest, DataDirectoryWithoutAUserFileStaysAsItWas) {
    QTemporaryDir empty;
    EXPECT_EQ(
        tool({"register", "--person", "1", "--id", "1", "--dir", empty.path()}, work.path()).code,
        1);
    EXPECT_TRUE(QDir(empty.path()).isEmpty());
}

// Letters that Windows-1251 lacks are refused, named, unless --lossy stores them as "?".
TEST_F(PersonCommandsTest, LettersWindows1251LacksNeedLossy) {
    ASSERT_EQ(run({"add-person", "--last", "Смирнов", "--first", "Jörg"}).code, 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(store.userPath().string())));
    ASSERT_EQ(run({"add-person", "--last", "Müller", "--first", "Jan", "--lossy"}).out, "1\n");
    run({"add-person", "--last", "Nowak", "--first", "Anna"});
    const QByteArray before = userFile();
    // Arguments, the number of texts refused, what the refusal names.
    const std::tuple<QStringList, int, QStringList> refused[] = {
        {{"add-person", "--last", "Żółkiewski", "--first", "Stanisław", "--dep", "Łódź"},
         3,
         {"--last \"Żółkiewski\"", "\"Żół\"", "--first \"Stanisław\"", "\"ł\"", "--dep",
          "\"Łóź\""}},
        {{"change-person", "--person", "2", "--middle", "Zoë"}, 1, {"--middle \"Zoë\"", "\"ë\""}},
        {{"change-person", "--person", "9", "--last", "ß"}, 1, {"\"ß\""}}, // before the look-up
    };
    for (const auto& [args, count, named] : refused) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const Result r = run(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err.count("--lossy"), count) << r.err.toStdString();
        for (const QString& text : named)
            EXPECT_TRUE(r.err.contains(text)) << r.err.toStdString();
        EXPECT_EQ(userFile(), before);
    }
    ASSERT_EQ(run({"change-person", "--person", "2", "--middle", "Zoë", "--lossy"}).code, 0);
    ASSERT_EQ(run({"add-person", "--last", "Петрова", "--first", "Ŝ€", "--lossy"}).code, 0);
    const std::vector<UserRecord> users = store.readUsers();
    ASSERT_EQ(users.size(), 3u);
    EXPECT_EQ(users[0].LN, "M?ller");
    EXPECT_EQ(users[1].MN, "Zo?");
    EXPECT_EQ(users[2].FN, "?\x88"); // the euro sign is in Windows-1251 (byte 88)
}
