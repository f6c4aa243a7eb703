#include "store/store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sarvo;

namespace {

struct Result {
    int code;
    QString out;
    QString err;
};

// Runs sarvo-tool in `workDir` (where it looks for Lang.txt).
Result tool(const QStringList& arguments, const QString& workDir) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANG", "C.UTF-8");
    env.remove("LC_ALL");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.start(SARVO_TOOL_PATH, arguments);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError()).trimmed()};
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
    std::int64_t idOf(std::int32_t userNo) {
        return store.readUser(store.findUserIndex(userNo)).DosimeterId;
    }

    QTemporaryDir dir;  // the data
    QTemporaryDir work; // the working directory, without Lang.txt unless a test puts it there
    Store store{dir.path().toStdString()};
};

} // namespace

TEST_F(PersonCommandsTest, AddPutsTheFileIntoNameOrder) {
    for (auto [last, no] : {std::pair{"Sidorov", "1"}, {"Ivanov", "2"}, {"Petrov", "3"}}) {
        Result r = run({"add-person", "--last", last, "--first", "X"});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QString(no) + "\n");
    }
    ASSERT_EQ(run({"add-person", "--last", "Иванов", "--first", "Олег", "--middle", "Петрович",
                   "--dep", "Лаборатория 2"})
                  .code,
              0);
    const std::vector<UserRecord> users = store.readUsers();
    ASSERT_EQ(users.size(), 4u);
    // Windows-1251 bytes sort after the Latin letters.
    const std::pair<QByteArray, int> order[] = {
        {"Ivanov", 2}, {"Petrov", 3}, {"Sidorov", 1}, {"\xc8\xe2\xe0\xed\xee\xe2", 4}};
    for (std::size_t i = 0; i < users.size(); ++i)
        EXPECT_EQ(std::pair(users[i].LN, int(users[i].UserNo)), order[i]);
    EXPECT_EQ(users[3].department(), "Лаборатория 2");
}

TEST_F(PersonCommandsTest, ChangeReplacesOnlyTheTextsGivenAndNeedsBothNames) {
    run({"add-person", "--last", "Borisov", "--first", "B"});
    run({"add-person", "--last", "Zaitsev", "--first", "Zakhar", "--middle", "M", "--dep", "D"});
    UserRecord z = store.readUser(1);
    z.DosimeterId = 0x77;
    z.ED = 1.5;
    z.MED[5] = "5 line";
    store.writeUser(1, z);

    Result r = run({"change-person", "--person", "2", "--last", "Abramov", "--dep", ""});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    UserRecord expected = z;
    expected.setTexts("Abramov", "Zakhar", "M", "");
    EXPECT_EQ(store.readUser(0), expected);

    // A missing name is refused with line 33 and changes nothing; blanks count as a name.
    const QByteArray before = userFile();
    for (const QStringList& args : {QStringList{"add-person", "--last", "", "--first", "I"},
                                    QStringList{"change-person", "--person", "2", "--first", ""}}) {
        r = run(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "Enter the last name and the first name.");
    }
    EXPECT_EQ(userFile(), before);
    EXPECT_EQ(run({"add-person", "--last", " ", "--first", " "}).code, 0);
}

TEST_F(PersonCommandsTest, RegistrationRulesAndRefusals) {
    run({"add-person", "--last", "Ivanov", "--first", "I"});
    run({"add-person", "--last", "Petrov", "--first", "P"});
    EXPECT_EQ(run({"register", "--person", "1", "--id", "1234"}).code, 0);
    EXPECT_EQ(idOf(1), 0x1234);
    const QByteArray registered = userFile();

    const QString notNumber = "The dosimeter ID is not a valid number.";
    const QString taken = "This dosimeter is already registered to a person.";
    const QString replace = "This person already has a dosimeter. Replace it?";
    const std::tuple<const char*, QString, QString> refused[] = {
        {"2", "1234", taken},
        {"1", "1234", taken},
        {"1", "5678", replace},
        {"1", "ab", notNumber},
        {"1", " 12", notNumber},
        {"1", "", notNumber},
        {"1", "12345678901234567", "The dosimeter ID must not be longer than 16 characters."},
    };
    for (const auto& [person, id, message] : refused) {
        Result r = run({"register", "--person", person, "--id", id});
        EXPECT_EQ(r.code, 1) << id.toStdString();
        EXPECT_EQ(r.err, message) << id.toStdString();
    }
    EXPECT_EQ(userFile(), registered);

    EXPECT_EQ(run({"register", "--person", "1", "--id", "5678", "--replace"}).code, 0);
    EXPECT_EQ(idOf(1), 0x5678);
    EXPECT_EQ(run({"register", "--person", "1", "--id", "0"}).code, 0);
    EXPECT_EQ(idOf(1), 0);
    EXPECT_EQ(run({"register", "--person", "2", "--id", "5678"}).code, 0);
    EXPECT_EQ(idOf(2), 0x5678);
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

TEST_F(PersonCommandsTest, UnknownPersonAndBadArguments) {
    run({"add-person", "--last", "Ivanov", "--first", "I"});
    for (const char* person : {"2", "0"}) {
        const Result r = run({"register", "--person", person, "--id", "1"});
        EXPECT_EQ(r.code, 1) << person;
        EXPECT_EQ(r.err, QString("no person with the number %1").arg(person));
        EXPECT_EQ(run({"change-person", "--person", person, "--last", "A"}).code, 1);
    }
    for (const QStringList& args : {QStringList{"add-person", "--first", "I"},
                                    {"change-person", "--person", "x"},
                                    {"register", "--person", "1", "--id", "1", "--replace", "yes"}})
        EXPECT_EQ(run(args).code, 2) << args.join(' ').toStdString();
    // A data directory without a user file stays as it was.
    QTemporaryDir empty;
    EXPECT_EQ(
        tool({"register", "--person", "1", "--id", "1", "--dir", empty.path()}, work.path()).code,
        1);
    EXPECT_TRUE(QDir(empty.path()).isEmpty());
}
