// sarvo-tool as a real process on real files: arguments, listings, check, the person commands,
// several writers at once.
#include "core/store/store.h"
#include "core/text/text_forms.h"
#include "sarvo_version.h"
#include "tool/run_tool.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <random>
#include <set>

using namespace sarvo;
using test::ToolResult;

namespace {

// Language line n of a language's source file (file line n + 1).
QString sourceLine(const char* file, int n) {
    const std::string path = SARVO_SOURCE_DIR "/lang/" + std::string(file);
    return QString::fromUtf8(test::readBytes(path)).split('\n').value(n).trimmed();
}

class ToolTest : public ::testing::Test {
protected:
    // Runs sarvo-tool in the data directory, which is its working directory (with Lang.txt only
    // when a test puts it there).
    ToolResult run(const QStringList& arguments) {
        ToolResult r = test::runTool(arguments, "ru_RU.UTF-8", dir.path());
        r.err = r.err.trimmed();
        return r;
    }
    // Starts sarvo-tool on the data directory through bash, after the shell commands `prefix`.
    std::unique_ptr<QProcess> start(const QStringList& arguments, const QString& prefix = {}) {
        auto p = std::make_unique<QProcess>();
        p->start("bash", QStringList{"-c", prefix + " exec \"$0\" \"$@\"", SARVO_TOOL_PATH} +
                             arguments + QStringList{"--dir", dir.path()});
        return p;
    }
    QByteArray users() const { return test::readBytes(store.userPath()); }
    // Petrov (1, dosimeter 1234, ED 1.75, a dose-rate line) and Иванов (2); four readings.
    void fill() {
        store.ensureDataDir();
        store.appendPerson("Petrov", "Ivan", "Ilyich", "Lab, 2");
        store.appendPerson("Иванов", "Олег", "", "");
        UserRecord p = store.readUser(0);
        std::tie(p.DosimeterId, p.ED, p.MED[5]) = std::tuple(0x1234, 1.75, "5 line");
        store.writeUser(0, p);
        store.appendHistory({46361, 0.5, 0.25, 0.25, 1, 0x1234});
        store.appendHistory({46361, 0.75, 1, 1, 2, 0});
        store.appendHistory({46362, 0.25 + 1.0 / 86400, 5e-5, 1.75, 1, 0x1234});
        store.appendHistory({46362, 0.3, 9, 9, 0, 0});
    }
    QTemporaryDir dir, empty;
    Store store{dir.path().toStdString()};
};

} // namespace

// Command lines run one after the other on Petrov and Иванов: the exit code and the start of
// what is printed (standard output on success, standard error otherwise). A refused step leaves
// the user file as it was; in `empty`, nothing is created. Option values may begin with "-".
TEST_F(ToolTest, Commands) {
    fill();
    UserRecord abramov = store.readUser(0); // Petrov, whose readings stay when his texts change
    const QString noName = "Enter the last name and the first name.";
    const QString notNumber = "The dosimeter ID is not a valid number.";
    const QString taken = "This dosimeter is already registered to a person.";
    const auto lossy = [](const char* option, const char* text, const char* letters) {
        return QStringLiteral("--%1 \"%2\": the letters \"%3\" cannot be stored (the person file "
                              "holds Windows-1251 text); nothing was changed. Give --lossy to "
                              "store them as \"?\".")
            .arg(option, text, letters);
    };
    // Words split at spaces; '' is an empty word, _ a blank, @ the empty directory.
    const std::tuple<const char*, int, QString> steps[] = {
        {"", 2, "usage: sarvo-tool COMMAND [OPTIONS]\n"},
        {"nonsense", 2, "sarvo-tool: unknown command nonsense\n"},
        {"--version", 0, "sarvo-tool " SARVO_VERSION "\n"},
        {"persons --bogus", 2, "sarvo-tool: unknown option --bogus\n"},
        {"persons --", 2, "sarvo-tool: unknown option --\n"},
        {"history --dir", 2, "sarvo-tool: --dir needs a value\n"},
        {"history", 2, "sarvo-tool: --person is required\n"},
        {"history --person -1", 2, "sarvo-tool: --person takes a person number from 1 on\n"},
        {"simulate --port - --dose -1", 2, "sarvo-tool: --dose takes a number of at most"},
        {"simulate --port=- --gap=-5", 2, "sarvo-tool: --piece and --gap take numbers of 0"},
        {"export persons -o", 2, "sarvo-tool: -o needs a file name\n"},
        {"export --dir @ persons -o f", 2, "sarvo-tool: export persons or export history?\n"},
        {"export persons --person 1 -o f", 2, "sarvo-tool: unknown option --person\n"},
        {"persons --dir @", 0, ""},
        {"check --dir @", 0, ""},
        {"history --person 1 --dir @", 0, ""},
        {"register --person 1 --id 1 --dir @", 1, "no person with the number 1"},
        {"add-person --last '' --first I --dir @", 1, noName},
        {"add-person --last Ž --first I --dir=@", 1, lossy("last", "Ž", "Ž")},
        {"persons --csv", 0,
         "record,user_no,last_name,first_name,middle_name,department,dosimeter_id,ed,full_name,"
         "left\r\n0,1,Petrov,Ivan,Ilyich,\"Lab, 2\",1234,1.75,Petrov Ivan Ilyich,\r\n"
         "1,2,Иванов,Олег,,,0,0,Иванов Олег,\r\n"},
        {"history --person 1 --csv", 0,
         "date,time,dose,dose_sum,user_no,dosimeter_id\r\n2026-12-05,12:00:00,0.25,0.25,1,1234\r\n"
         "2026-12-06,06:00:01,5E-5,1.75,1,1234\r\n"},
        {"history --person 1", 0,
         "05.12.2026  12:00:00  0,25  0,25  1  1234\n06.12.2026  06:00:01  5E-5  1,75  1  1234\n"},
        {"check", 0, ""},
        {"add-person --last Sidorov --first X", 0, "3\n"},
        {"add-person --last Ivanov --first X", 0, "4\n"},
        {"change-person --person 4 --first ''", 1, noName},
        {"register --person 3 --id 5555", 0, ""},
        {"register --person 4 --id 5555", 1, taken},
        {"register --person 3 --id 5555", 1, taken},
        {"register --person 3 --id 5678", 1, "This person already has a dosimeter. Replace it?"},
        {"register --person 3 --id ''", 1, notNumber},
        {"register --person 3 --id -12", 1, notNumber},
        {"register --person 3 --id 12345678901234567", 1,
         "The dosimeter ID must not be longer than 16 characters."},
        {"register --person 9 --id 1", 1, "no person with the number 9"},
        {"change-person --person -5 --last A", 1, "no person with the number -5"},
        {"add-person --first I", 2, "sarvo-tool: --last is required\nusage: "},
        {"change-person --person x", 2, "sarvo-tool: --person takes a whole number\nusage: "},
        {"register --person 1 --id 1 --replace yes", 2,
         "sarvo-tool: unexpected argument yes\nusage: "},
        {"register --person 2 --id 1234", 1, taken},
        {"register --person 3 --id 5678 --replace", 0, ""},
        {"register --person 2 --id 5555", 0, ""},
        {"register --person 2 --id 0", 0, ""},
        {"add-person --last _ --first _", 0, "5\n"}, // blanks count as a name
        {"add-person --last - --first --", 0, "6\n"},
        {"change-person --person 1 --last Abramov --dep ''", 0, ""},
        {"add-person --last Müller --first Jan --lossy", 0, "7\n"},
        {"add-person --last Żółkiewski --first Stanisław --dep Łódź", 1,
         lossy("last", "Żółkiewski", "Żół") + '\n' + lossy("first", "Stanisław", "ł") + '\n' +
             lossy("dep", "Łódź", "Łóź")},
        {"change-person --person 4 --middle Zoë", 1, lossy("middle", "Zoë", "ë")},
        {"change-person --person 9 --last ß", 1, lossy("last", "ß", "ß")}, // before the look-up
        {"change-person --person 4 --middle Zoë --lossy", 0, ""},
        {"add-person --last Петрова --first Ŝ€ --lossy", 0, "8\n"},
    };
    for (const auto& [line, code, text] : steps) {
        SCOPED_TRACE(line);
        QStringList args = QString::fromUtf8(line).split(' ', Qt::SkipEmptyParts);
        for (QString& word : args)
            word = word == "''" ? "" : word == "_" ? " " : word.replace('@', empty.path());
        const QByteArray before = users();
        const ToolResult r = run(args);
        EXPECT_EQ(r.code, code);
        const QString& got = code ? r.err : r.out; // a usage error: its start
        EXPECT_EQ(code == 2 ? got.left(text.size()) : got, text);
        EXPECT_EQ(r.err.contains("usage: sarvo-tool"), code == 2);
        EXPECT_TRUE(code == 0 || users() == before);
    }
    EXPECT_TRUE(QDir(empty.path()).isEmpty());
    QStringList records;
    for (const UserRecord& u : store.readUsers())
        records << QStringList{u.lastName(), u.firstName(), u.middleName(),
                               QString::number(u.UserNo), QString::number(u.DosimeterId, 16)}
                       .join('|');
    EXPECT_EQ(records, QStringList({" | ||5|0", "-|--||6|0", "Abramov|Ivan|Ilyich|1|1234",
                                    "Ivanov|X|Zo?|4|0", "M?ller|Jan||7|0", "Sidorov|X||3|5678",
                                    "Иванов|Олег||2|0", "Петрова|?€||8|0"}));
    abramov.setTexts("Abramov", "Ivan", "Ilyich", "");
    EXPECT_EQ(store.readUser(2), abramov);
    // Windows-1251 bytes, which sort after the Latin letters.
    EXPECT_EQ(store.readUser(7).LN + store.readUser(7).FN, "\xcf\xe5\xf2\xf0\xee\xe2\xe0?\x88");
    for (const QString command : {"", "add-person", "change-person", "check", "decode", "export",
                                  "history", "persons", "register", "settings", "simulate"}) {
        const ToolResult r = run(QStringList{command, "--help"}.mid(command.isEmpty()));
        const QString usage = "usage: sarvo-tool " + (command.isEmpty() ? "COMMAND" : command);
        EXPECT_TRUE(r.code == 0 && r.out.startsWith(usage) && r.out.contains("\n  --help "))
            << usage.toStdString();
    }
    // Refusals in the language of the settings, from Lang.txt in the working directory.
    ASSERT_TRUE(QFile::copy(SARVO_SOURCE_DIR "/Lang.txt", dir.filePath("Lang.txt")));
    store.saveSettings(SettingsRecord::defaults(0));
    const ToolResult r = run({"register", "--person", "2", "--id", "1234"});
    EXPECT_EQ(std::pair(r.code, r.err), std::pair(1, sourceLine("rus.txt", 94)));
    EXPECT_EQ(run({"add-person", "--last", "X", "--first", ""}).err, sourceLine("rus.txt", 33));
    store.saveSettings(SettingsRecord::defaults(2));
    EXPECT_EQ(run({"register", "--person", "1", "--id", "G"}).err, sourceLine("nem.txt", 44));
}

// Every fault check finds: Petrov behind a damaged record 0 that holds his dosimeter, a third
// record with his number, readings of nobody and with values no reading has, a partial record, a
// short settings file, a temporary file left behind.
TEST_F(ToolTest, CheckFindsEveryFault) {
    fill();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    store.appendPerson("Zz", "Z", "", "");
    UserRecord petrov = store.readUser(0), ivanov = store.readUser(1), third = store.readUser(2);
    std::tie(ivanov.ED, ivanov.UserNo, ivanov.DosimeterId) = std::tuple(nan, -3, 0x1234);
    std::tie(petrov.ED, third.UserNo) = std::tuple(-0.5, 1);
    store.writeUser(0, ivanov);
    store.writeUser(1, petrov);
    store.writeUser(2, third);
    store.appendHistory({46362, 0.5, 1, 1, 7, 0});
    store.appendHistory({46362, 1.0, inf, nan, 1, 0});
    store.appendHistory({nan, -0.25, -1, 1, 1, 0});
    QFile file(QString::fromStdString(store.userPath().string()));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(QByteArray(1, char(21))); // LN of record 0
    file.seek(104 + 61 * 3);
    file.write(QByteArray(1, char(61))); // MED[3] of record 0
    file.seek(file.size());
    file.write("partial");
    file.close();
    QFile ini(dir.filePath("Sarvo.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write(QByteArray(20, '\0')) == 20 &&
                ini.flush());
    ASSERT_TRUE(QFile(dir.filePath("DB/DataUsers.usr.Ab12Cd.tmp")).open(QIODevice::WriteOnly));
    const ToolResult r = run({"check"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.count('\n'), 18) << r.out.toStdString();
    const QString faults = "Sarvo.ini: 20 bytes instead of 27\n|usr: a partial record of 7 bytes|"
                           "record 0: the length of LN, MED[3] is above the field's capacity|"
                           "record 0: ED is nan|record 0: person number -3 is not above 0|"
                           "record 1: ED is -0.5|records 0 and 1 hold the same dosimeter 1234|"
                           "records 1 and 2 have the same person number 1|usr: not in name "
                           "order (record 1 belongs before record 0)|hst: record 1 belongs to "
                           "person number 2, whom no person record has|hst: record 4 belongs to "
                           "person number 7,|record 5: Dose is inf|record 5: DoseSum is nan|"
                           "record 5: HistTime 1 is not a time of day|record 6: Dose is -1|"
                           "record 6: HistDate is nan|record 6: HistTime -0.25 is not|"
                           "DB/DataUsers.usr.Ab12Cd.tmp: left behind by an interrupted";
    for (const QString& fault : faults.split('|'))
        EXPECT_TRUE(r.out.contains(fault)) << fault.toStdString();
    // Listings of such records go on: damaged dates and times show empty.
    EXPECT_EQ(run({"history", "--person", "1"}).code, 0) << "after the damage";
    QFile::remove(QString::fromStdString(store.historyPath().string()));
    QDir().mkpath(QString::fromStdString(store.historyPath().string()));
    EXPECT_EQ(run({"history", "--person", "1"}).err, "Invalid filename");
}

// Rows aligned as the listings print them: each cell but the last filled up to its column's
// width, two blanks between cells.
QString aligned(const QList<QStringList>& rows) {
    QList<qsizetype> widths(rows.value(0).size());
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype c = 0; c + 1 < row.size(); ++c)
            text += row[c].leftJustified(widths[c]) + "  ";
        text += row.last() + '\n';
    }
    return text;
}

QString csvText(QString header, QList<QStringList> rows) {
    for (QStringList& row : rows) {
        for (QString& cell : row)
            if (cell.contains(',') || cell.contains('"'))
                cell = '"' + cell.replace("\"", "\"\"") + '"';
        header += "\r\n" + row.join(',');
    }
    return header + "\r\n";
}

// The listings print what the value forms give, in several locales: numbers of every magnitude
// (halves, 15 and 16 digits, extremes, NAN), identifiers with letters, Cyrillic names, damaged
// dates and times, a date shared by several readings.
TEST_F(ToolTest, ListingsPrintTheValueForms) {
    std::vector<double> values;
    for (const QByteArray& text :
         QByteArray(
             "0 -0 0.5 2.5 -1.75 0.125 1e-5 1e-4 9.99999999999999e-5 0.3333333333333333 1e15 "
             "999999999999999.5 123456789012345.5 1234567890123455 1e300 -5e-324 "
             "1.7976931348623157e308 nan inf -inf")
             .split(' '))
        values.push_back(std::strtod(text.constData(), nullptr));
    std::mt19937_64 random(12);
    for (int i = 0; i < 300; ++i)
        values.push_back(std::bit_cast<double>(random())),
            values.push_back(double(std::int64_t(random() % 2000001) - 1000000) /
                             std::pow(10.0, double(random() % 20)));
    const std::int64_t ids[] = {0, 0x1234, -1, 0xABCDEF, 0x0999999999999999, INT64_MIN};
    const double dates[] = {46361, 46361, 46362.75, 46361, NAN, -5, 1e10, 2958465};
    const double times[] = {0, 0.5, 1.0 / 86400, 0.999999999, NAN, 12.75, -0.25, 0.3};
    QByteArray users(qsizetype(values.size()) * kUserRecordSize, '\0');
    QByteArray history(qsizetype(values.size()) * kHistoryRecordSize, '\0');
    QList<QStringList> plain, csv, readings;
    for (size_t i = 0; i < values.size(); ++i) {
        UserRecord u;
        u.setTexts(i % 2 ? "Иванов" : "Li", "Олег", i % 3 ? "" : "O\"N", i % 5 ? "" : "Lab, \"2\"");
        std::tie(u.UserNo, u.ED, u.DosimeterId) = std::tuple(int(i + 1), values[i], ids[i % 6]);
        u.toBytes(users.data() + i * kUserRecordSize);
        QStringList row;
        row << QString::number(i) << QString::number(u.UserNo) << u.lastName() << u.firstName()
            << u.middleName() << u.department() << identifierDisplayText(u.DosimeterId);
        plain << row + QStringList(formatNumber(u.ED));
        const QString name = u.lastName() + " Олег" + (i % 3 ? "" : " O\"N");
        csv << row + QStringList{formatNumber(u.ED, '.'), name, ""};
        const HistoryRecord h{dates[i % 8], times[i % 8], values[i], values[i / 2], 1, ids[i % 6]};
        h.toBytes(history.data() + i * kHistoryRecordSize);
        readings << (QStringList() << dateFromDays(h.HistDate).toString("yyyy-MM-dd")
                                   << timeFromFraction(h.HistTime).toString("HH:mm:ss")
                                   << formatNumber(h.Dose, '.') << formatNumber(h.DoseSum, '.')
                                   << "1" << identifierDisplayText(h.DosimeterId));
    }
    store.ensureDataDir();
    for (const auto& [path, bytes] :
         {std::pair(store.userPath(), users), {store.historyPath(), history}}) {
        QFile file(QString::fromStdString(path.string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    EXPECT_EQ(run({"persons"}).out, aligned(plain));
    EXPECT_EQ(run({"persons", "--csv"}).out,
              csvText("record,user_no,last_name,first_name,middle_name,department,dosimeter_id,ed,"
                      "full_name,left",
                      csv));
    EXPECT_EQ(run({"history", "--person", "1", "--csv"}).out,
              csvText("date,time,dose,dose_sum,user_no,dosimeter_id", readings));
    // Times with and without leading zeros, with AM/PM, in digits other than 0 to 9.
    for (const QString lang :
         {"ru_RU.UTF-8", "fi_FI.UTF-8", "en_US.UTF-8", "ar_EG.UTF-8", "fa_IR.UTF-8", "C"}) {
        const ValueFormats formats{QLocale(lang)};
        QList<QStringList> rows;
        for (size_t i = 0; i < values.size(); ++i)
            rows << (QStringList() << formats.date(dates[i % 8]) << formats.time(times[i % 8])
                                   << formatNumber(values[i]) << formatNumber(values[i / 2]) << "1"
                                   << identifierDisplayText(ids[i % 6]));
        EXPECT_EQ(test::runTool({"history", "--person", "1", "--dir", dir.path()}, lang).out,
                  aligned(rows))
            << lang.toStdString();
    }
}

// check with person numbers far apart, a text too long in each field the first test leaves out
// (one record each), and last names out of order in their third letter only.
TEST_F(ToolTest, CheckWithPersonNumbersFarApart) {
    store.ensureDataDir();
    for (const char* name : {"Bcdf", "Bcde", "Cab", "Caa"})
        store.appendPerson(name, name, "", "");
    UserRecord far = store.readUser(3);
    far.UserNo = 2000000000;
    store.writeUser(3, far);
    for (int no : {2000000000, 1999999999, 1, -5, 5})
        store.appendHistory({46361, 0.5, 1, 1, no, 0});
    QFile file(QString::fromStdString(store.userPath().string()));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    for (int k : {0, 1, 2, 3})
        file.seek(k * kUserRecordSize + QList{21, 42, 63, 104 + 61 * 99}[k]),
            file.write(QByteArray(1, char(QList{21, 255, 21, 61}[k])));
    file.close();
    QString faults;
    for (const char* field : {"FN", "MN", "Dep", "MED[99]"})
        faults += QString("DB/DataUsers.usr: record %1: the length of %2 is above the field's "
                          "capacity\n")
                      .arg(faults.count('\n'))
                      .arg(field);
    const QString nobody = "DB/DataHist.hst: record %1 belongs to person number %2, whom no "
                           "person record has\n";
    faults += "DB/DataUsers.usr: not in name order (record 3 belongs before record 2)\n";
    EXPECT_EQ(run({"check"}).out, faults + nobody.arg(1).arg(1999999999) + nobody.arg(3).arg(-5) +
                                      nobody.arg(4).arg(5));
}

class ConcurrentWritersTest : public ToolTest {
protected:
    void SetUp() override {
        store.ensureDataDir();
        for (int i = 0; i < 300; ++i)
            store.appendPerson(QStringLiteral("Base%1").arg(i, 3, 10, QChar('0')), "F", "", "");
        store.sortByName();
    }
};

TEST_F(ConcurrentWritersTest, ThirtyAddPersonsAtOnceStoreEachPersonOnce) {
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < 30; ++i)
        runs.push_back(
            start({"add-person", "--last", QString("New%1").arg(29 - i), "--first", "N"}));
    for (auto& p : runs) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    std::set<std::int32_t> numbers;
    std::set<QString> names;
    for (const UserRecord& u : store.readUsers())
        numbers.insert(u.UserNo), names.insert(u.lastName());
    EXPECT_EQ(std::tuple(store.userCount(), numbers.size(), *numbers.begin(), *numbers.rbegin()),
              std::tuple(330, 330u, 1, 330));
    EXPECT_EQ(std::tuple(names.size(), store.firstOutOfNameOrder()), std::tuple(330u, -1LL));
}

TEST_F(ConcurrentWritersTest, RegistrationRacingAnAdditionIsKept) {
    for (int round = 0; round < 15; ++round) {
        SCOPED_TRACE(round);
        const QString id = QString::number(1000 + round);
        auto adding = start({"add-person", "--last", QString("Aaa%1").arg(round), "--first", "A"});
        auto registering = start({"register", "--person", "150", "--id", id, "--replace"});
        ASSERT_TRUE(adding->waitForFinished(30000) && registering->waitForFinished(30000));
        EXPECT_EQ(adding->exitCode(), 0);
        ASSERT_EQ(registering->exitCode(), 0) << registering->readAllStandardError().toStdString();
        EXPECT_EQ(store.readUser(store.findUserIndex(150)).DosimeterId, id.toLongLong(nullptr, 16));
    }
    EXPECT_EQ(store.userCount(), 315);
}

// The write lock held by another program, and a full disk, leave the user file as it was.
TEST_F(ConcurrentWritersTest, RefusedWritesChangeNothing) {
    const QByteArray before = users();
    QProcess holder;
    holder.start("flock", {dir.filePath("DB/Write.lock"), "sleep", "8"});
    ASSERT_TRUE(holder.waitForStarted());
    QThread::msleep(300);
    auto late = start({"add-person", "--last", "Late", "--first", "L"}, "LANG=en_US.UTF-8");
    ASSERT_TRUE(late->waitForFinished(30000));
    EXPECT_EQ(late->exitCode(), 1);
    EXPECT_TRUE(late->readAllStandardError().contains("being changed by another program"));
    holder.waitForFinished(15000);
    // Files may not grow past the present user file (in KiB): the new file cannot be written whole.
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto full = start({"add-person", "--last", "Full", "--first", "F"},
                          "trap '' XFSZ; ulimit -f " + QString::number(before.size() / 1024) + ";");
        ASSERT_TRUE(full->waitForFinished(30000));
        EXPECT_EQ(full->exitCode(), 1) << "attempt " << attempt;
        EXPECT_EQ(full->readAllStandardError().trimmed(), "Disk full");
    }
    EXPECT_EQ(users(), before);
    EXPECT_EQ(QDir(dir.filePath("DB")).entryList({"*.tmp"}, QDir::Files | QDir::Hidden),
              QStringList());
}
