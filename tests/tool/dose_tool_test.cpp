// The sarvo-tool commands of the dose of record as real processes on real files: add-dose,
// ledger, doses, limits, alerts, ack, report, and check against the ledger.
#include "core/store/store.h"
#include "tool/run_tool.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using namespace sarvo;
using test::ToolResult;

namespace {

// The rows of CSV output without quoted fields, header first.
QList<QStringList> csvRows(const QString& text) {
    QList<QStringList> rows;
    for (const QString& line : text.split("\r\n", Qt::SkipEmptyParts))
        rows << line.split(',');
    return rows;
}

class DoseToolTest : public ::testing::Test {
protected:
    ToolResult run(const QString& line) {
        // Words split at spaces; '' is an empty word, _ a blank.
        QStringList args = line.split(' ', Qt::SkipEmptyParts);
        for (QString& word : args)
            word = word == "''" ? "" : word == "_" ? " " : word;
        ToolResult r = test::runTool(args + QStringList{"--dir", dir.path()}, "ru_RU.UTF-8");
        r.err = r.err.trimmed();
        return r;
    }
    QList<QStringList> csv(const QString& line) { return csvRows(run(line + " --csv").out); }
    bool hasDatabase() const { return QFile::exists(dir.filePath("DB/Sarvo.sqlite")); }
    // Petrov (1, no dosimeter, ED 0) and Иванов (2, dosimeter 77, ED 1.5 before any ledger).
    void fill() {
        store.ensureDataDir();
        store.appendPerson("Petrov", "Ivan", "", "Lab");
        store.appendPerson("Иванов", "Олег", "", "");
        UserRecord ivanov = store.readUser(1);
        std::tie(ivanov.DosimeterId, ivanov.ED) = std::tuple(0x77, 1.5);
        store.writeUser(1, ivanov);
    }
    // Writes ED straight into record `index` of the user file.
    void writeEd(long long index, double ed) {
        QFile file(QString::fromStdString(store.userPath().string()));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(index * kUserRecordSize + 88));
        QByteArray bytes(8, '\0');
        qToLittleEndian(ed, bytes.data());
        ASSERT_EQ(file.write(bytes), 8);
    }
    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
    const QDate today = QDate::currentDate();
    const QString year = QString::number(today.year());
    const QString newYear = QDate(today.year(), 1, 1).toString(Qt::ISODate);
};

} // namespace

// Bad arguments (exit 2) and refusals (exit 1) of add-dose change nothing and create no
// database; then a dose is added and its ED printed.
TEST_F(DoseToolTest, AddDoseArguments) {
    fill();
    const QByteArray users = test::readBytes(store.userPath());
    const QString tomorrow = today.addDays(1).toString(Qt::ISODate);
    std::vector<std::tuple<QString, int, QString>> steps = {
        {"--dose 1 --reason r", 2, "sarvo-tool: --person is required"},
        {"--person 1 --reason r", 2, "sarvo-tool: --dose is required"},
        {"--person 1 --dose 1", 2, "sarvo-tool: --reason is required"},
        {"--person x --dose 1 --reason r", 2, "sarvo-tool: --person takes a whole number"},
        {"--person 1 --dose 1 --reason ''", 2, "sarvo-tool: --reason must not be empty"},
        {"--person 1 --dose 1 --reason _", 2, "sarvo-tool: --reason must not be empty"},
        {"--person 1 --dose 1 --reason r --date 2026-02-30", 2, "sarvo-tool: --date takes"},
        {"--person 1 --dose 1 --reason r --date 06.12.2026", 2, "sarvo-tool: --date takes"},
        {"--person 1 --dose 1 --reason r --date " + tomorrow, 2,
         "sarvo-tool: --date " + tomorrow + " is after today"},
        {"--person 9 --dose 1 --reason r", 1, "no person with the number 9"},
        {"--person 0 --dose 1 --reason r", 1, "no person with the number 0"},
    };
    for (const char* dose : {"''", "abc", "nan", "inf", "1e3", "1.2.3", "1,5,"})
        steps.emplace_back(QString("--person 1 --reason r --dose ") + dose, 2,
                           "sarvo-tool: --dose takes a dose in mSv");
    for (const auto& [line, code, text] : steps) {
        SCOPED_TRACE(line.toStdString());
        const ToolResult r = run("add-dose " + line);
        EXPECT_EQ(r.code, code);
        EXPECT_TRUE(r.err.startsWith(text)) << r.err.toStdString();
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(hasDatabase());
    EXPECT_EQ(test::readBytes(store.userPath()), users);
    // An ED below 0 is refused and leaves the user file as it was.
    const ToolResult below = run("add-dose --person 2 --dose -1,6 --reason r");
    EXPECT_EQ(std::tuple(below.code, below.out), std::tuple(1, QString()));
    EXPECT_FALSE(below.err.isEmpty());
    EXPECT_EQ(test::readBytes(store.userPath()), users);
    const ToolResult added = run("add-dose --person 2 --dose -,5 --reason r --date " + newYear);
    EXPECT_EQ(std::tuple(added.code, added.out, added.err),
              std::tuple(0, QString("1\n"), QString()));
    EXPECT_EQ(run("add-dose --person 1 --dose +0.25 --reason lost").out, "0,25\n");
    EXPECT_EQ(store.readUser(0).ED, 0.25);
    EXPECT_EQ(run("check").code, 0);
}

// The ledger keeps the opening row and each manual row; doses and report show the sums in the
// columns scripts rely on.
TEST_F(DoseToolTest, LedgerDosesAndReportColumns) {
    fill();
    ASSERT_EQ(run("add-dose --person 1 --dose 0.25 --reason a --date " + newYear).code, 0);
    ASSERT_EQ(run("add-dose --person 1 --dose 0,5 --reason b").code, 0);
    ASSERT_EQ(run("add-dose --person 2 --dose -0.5 --reason c").code, 0);

    const QList<QStringList> ledger = csv("ledger --person 2");
    ASSERT_EQ(ledger.size(), 3);
    EXPECT_EQ(ledger[0].join(','), "time,date,user_no,dosimeter_id,kind,dose,ed_before,ed_after,"
                                   "history_record,user,reason");
    // date, user_no, dosimeter_id, kind, dose, ed_before, ed_after; the reason last.
    EXPECT_EQ(ledger[1].mid(1, 7),
              QStringList({today.toString(Qt::ISODate), "2", "77", "opening", "1.5", "0", "1.5"}));
    EXPECT_EQ(ledger[2].mid(1, 7),
              QStringList({today.toString(Qt::ISODate), "2", "77", "manual", "-0.5", "1.5", "1"}));
    EXPECT_EQ(ledger[2].last(), "c");
    EXPECT_EQ(csv("ledger --person 1").size(), 3);
    const ToolResult nobody = run("ledger --person 3");
    EXPECT_EQ(std::tuple(nobody.code, nobody.err),
              std::tuple(1, QString("no person with the number 3")));
    EXPECT_EQ(run("ledger").code, 2);

    const QList<QStringList> doses = csv("doses");
    ASSERT_EQ(doses.size(), 3);
    EXPECT_EQ(doses[0].join(','), "user_no,last_name,first_name,middle_name,department,"
                                  "dosimeter_id,ed,year,year_dose,rolling_12m,five_year,pending,"
                                  "last_reading,overdue,status,full_name");
    // Readings never taken: Иванов, who holds a dosimeter, is overdue.
    EXPECT_EQ(doses[1], QStringList({"1", "Petrov", "Ivan", "", "Lab", "0", "0.75", year, "0.75",
                                     "0.75", "0.75", "0", "", "no", "ok", "Petrov Ivan"}));
    EXPECT_EQ(doses[2], QStringList({"2", "Иванов", "Олег", "", "", "77", "1", year, "-0.5", "-0.5",
                                     "-0.5", "0", "", "yes", "ok", "Иванов Олег"}));
    const QList<QStringList> before = csv("doses --year 2001");
    ASSERT_EQ(before.size(), 3);
    EXPECT_EQ(before[1].mid(6, 5), QStringList({"0.75", "2001", "0", "0", "0"}));
    const ToolResult plain = run("doses");
    EXPECT_EQ(plain.code, 0);
    EXPECT_EQ(plain.out.count('\n'), 2);
    EXPECT_TRUE(plain.out.contains("0,75")) << plain.out.toStdString();
    for (const char* bad : {"doses --year 26", "doses --year x", "report", "report --year 0000"})
        EXPECT_EQ(run(bad).code, 2) << bad;

    const QList<QStringList> report = csv("report --year " + year);
    ASSERT_EQ(report.size(), 3);
    EXPECT_EQ(report[0].join(','), "user_no,last_name,first_name,middle_name,department,01,02,03,"
                                   "04,05,06,07,08,09,10,11,12,total,status,full_name");
    QStringList months(12, "0");
    months[0] = "0.25";
    months[today.month() - 1] = today.month() == 1 ? "0.75" : "0.5";
    EXPECT_EQ(report[1], QStringList({"1", "Petrov", "Ivan", "", "Lab"}) + months +
                             QStringList({"0.75", "ok", "Petrov Ivan"}));
    EXPECT_EQ(report[2].mid(17), QStringList({"-0.5", "ok", "Иванов Олег"}));
}

// Limits are stored and printed; bad values store nothing.
TEST_F(DoseToolTest, LimitsRoundTrip) {
    fill();
    const QString defaults = "annual         20\nfive-year      100\ninvestigation  6\n"
                             "monthly        off\noverdue-days   35\n";
    EXPECT_EQ(run("limits").out, defaults);
    EXPECT_FALSE(hasDatabase());
    for (const char* bad : {"--annual 0", "--annual -1", "--five-year x", "--investigation ''",
                            "--monthly on", "--monthly nan", "--overdue-days 0",
                            "--overdue-days 1.5", "--overdue-days +3", "--annual 5 --monthly 1e1"})
        EXPECT_EQ(run(QString("limits ") + bad).code, 2) << bad;
    EXPECT_FALSE(hasDatabase());
    const QString changed = "annual         25,5\nfive-year      100\ninvestigation  6\n"
                            "monthly        0,5\noverdue-days   10\n";
    EXPECT_EQ(run("limits --annual 25,5 --monthly 0.5 --overdue-days 10").out, changed);
    EXPECT_EQ(run("limits").out, changed);
    EXPECT_EQ(run("limits --monthly off --annual 20 --overdue-days 35").out, defaults);
}

// A level reached raises one alert, told on standard error; ack closes it once.
TEST_F(DoseToolTest, AlertsAndAck) {
    fill();
    ASSERT_EQ(run("limits --investigation 1").code, 0);
    ToolResult r = run("add-dose --person 1 --dose 0.6 --reason a");
    EXPECT_EQ(std::tuple(r.code, r.err), std::tuple(0, QString()));
    r = run("add-dose --person 1 --dose 0.6 --reason b");
    EXPECT_EQ(std::tuple(r.code, r.out), std::tuple(0, QString("1,2\n")));
    EXPECT_TRUE(r.err.contains("Petrov")) << r.err.toStdString();
    const QString header = "id,time,user_no,kind,period,dose,level,acknowledged_by,"
                           "acknowledged_at,note";
    QList<QStringList> alerts = csv("alerts");
    ASSERT_EQ(alerts.size(), 2);
    EXPECT_EQ(alerts[0].join(','), header);
    EXPECT_EQ(alerts[1][2] + ' ' + alerts[1].mid(3, 4).join(' '),
              "1 investigation " + year + " 1.2 1");
    EXPECT_EQ(alerts[1].mid(7), QStringList({"", "", ""}));
    const QString id = alerts[1][0];
    for (const QString& bad :
         QStringList{"ack", "ack " + id, "ack " + id + " --note ''", "ack " + id + " --note _",
                     "ack x --note n", "ack 1 2 --note n"})
        EXPECT_EQ(run(bad).code, 2) << bad.toStdString();
    EXPECT_EQ(run("ack 999 --note n").code, 1);
    EXPECT_EQ(run("ack " + id + " --note seen").code, 0);
    EXPECT_EQ(run("ack " + id + " --note again").code, 1);
    EXPECT_EQ(run("alerts --csv").out, header + "\r\n");
    alerts = csv("alerts --all");
    ASSERT_EQ(alerts.size(), 2);
    EXPECT_FALSE(alerts[1][7].isEmpty());
    EXPECT_EQ(alerts[1].last(), "seen");
}

// check finds an ED that disagrees with the person's last ledger row, or a non-zero ED of a
// person without a row.
TEST_F(DoseToolTest, CheckFindsEdLedgerMismatch) {
    fill();
    ASSERT_EQ(run("add-dose --person 1 --dose 0.75 --reason a").code, 0);
    const ToolResult sound = run("check");
    EXPECT_EQ(std::tuple(sound.code, sound.out), std::tuple(0, QString()));
    store.appendPerson("Яковлев", "P", "", ""); // after the others in name order
    writeEd(0, 0.5);
    writeEd(2, 2);
    const ToolResult r = run("check");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "DB/DataUsers.usr: record 0: ED 0.5 of person number 1 disagrees with the "
                     "dose ledger (0.75)\n"
                     "DB/DataUsers.usr: record 2: ED 2 of person number 3 disagrees with the "
                     "dose ledger (no row)\n");
}

// Read commands create no database, neither in a data directory without one nor in an empty
// directory.
TEST_F(DoseToolTest, ReadCommandsCreateNothing) {
    const char* reads[] = {
        "doses",  "doses --csv", "report --year 2026", "ledger --person 1", "alerts --all",
        "limits", "check"};
    for (const char* line : reads) {
        const ToolResult r = run(line);
        EXPECT_TRUE(r.code == 0 || (r.code == 1 && QString(line).startsWith("ledger"))) << line;
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    fill();
    for (const char* line : reads)
        EXPECT_EQ(run(line).code, 0) << line;
    EXPECT_FALSE(hasDatabase());
    EXPECT_EQ(run("ack 1 --note n").code, 1);
    EXPECT_FALSE(hasDatabase());
    for (const QString command :
         {"doses", "ledger", "add-dose", "limits", "alerts", "ack", "report"})
        EXPECT_TRUE(run(command + " --help").out.startsWith("usage: sarvo-tool " + command + ' '));
}

// Several writers at once: each dose reaches ED once, each leaves one row, and every row starts
// from the ED the row before left.
TEST_F(DoseToolTest, DosesAddedAtOnceAreEachKeptOnce) {
    fill();
    constexpr int kWriters = 6;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int k = 0; k < kWriters; ++k) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(SARVO_TOOL_PATH,
                              {"add-dose", "--person", "2", "--dose", "0.125", "--reason",
                               QString("writer %1").arg(k), "--dir", dir.path()});
    }
    for (const auto& writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(60000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().toStdString();
    }
    EXPECT_EQ(store.readUser(1).ED, 1.5 + kWriters * 0.125);
    const QList<QStringList> rows = csv("ledger --person 2");
    ASSERT_EQ(rows.size(), 1 + 1 + kWriters); // header, opening, the doses
    for (qsizetype k = 2; k < rows.size(); ++k)
        EXPECT_EQ(rows[k][6], rows[k - 1][7]) << k; // ed_before == previous ed_after
    EXPECT_EQ(rows.last()[7], "2.25");
}

// Register data: printed without creating anything; set, the fields not given kept, cleared with
// ''; a bad value (exit 2), an unknown person or a registry number another holds (exit 1)
// changes nothing. A person who left is listed by doses and report with --left only.
TEST_F(DoseToolTest, PersonDetails) {
    fill();
    const QByteArray users = test::readBytes(store.userPath());
    const auto fields = [this](const QStringList& args) {
        const ToolResult r = test::runTool(QStringList{"person-details", "--person"} + args +
                                               QStringList{"--dir", dir.path()},
                                           "ru_RU.UTF-8");
        QStringList values{QString::number(r.code)};
        for (const QString& line : r.out.split('\n', Qt::SkipEmptyParts))
            values << line.left(11).trimmed() + '=' + line.mid(13);
        return values.join(' ');
    };
    const QString none = "0 user_no=1 full_name= registry_id= birth= category= site= left=";
    EXPECT_EQ(fields({"1"}), none);
    EXPECT_FALSE(hasDatabase());
    EXPECT_EQ(fields({"1", "--full-name", " Pëtr Ilyich Petrov ", "--registry-id", "R-1", "--birth",
                      "1980-02-29", "--category", "b"}),
              "0 user_no=1 full_name=Pëtr Ilyich Petrov registry_id=R-1 birth=1980-02-29 "
              "category=B site= left=");
    const QString stored = "0 user_no=1 full_name=Pëtr Ilyich Petrov registry_id=R-1 "
                           "birth=1980-02-29 category=B site=S 7 left=2020-01-31";
    EXPECT_EQ(fields({"1", "--site", "S 7", "--left", "2020-01-31"}), stored);
    const QString tomorrow = today.addDays(1).toString(Qt::ISODate);
    const std::vector<std::tuple<QStringList, int, QString>> refused = {
        {{"1", "--birth", "1980-02-30"}, 2, "--birth takes a date YYYY-MM-DD"},
        {{"1", "--birth", "80-01-01"}, 2, "--birth takes a date YYYY-MM-DD"},
        {{"1", "--birth", tomorrow}, 2, "lies in the future"},
        {{"1", "--left", "2020-13-01"}, 2, "--left takes a date YYYY-MM-DD"},
        {{"1", "--left", "1979-12-31"}, 2, "lies before the birth"},
        {{"1", "--birth", "2021-01-01"}, 2, "lies before the birth"},
        {{"1", "--category", "C"}, 2, "--category takes A, B, unclassified"},
        {{"x", "--site", "S"}, 2, "--person takes a whole number"},
        {{"3", "--site", "S"}, 1, "no person with the number 3"},
        {{"2", "--registry-id", "R-1"}, 1, "The registry number R-1 belongs to the person"},
    };
    for (const auto& [args, code, message] : refused) {
        const ToolResult r = test::runTool(QStringList{"person-details", "--person"} + args +
                                               QStringList{"--dir", dir.path()},
                                           "ru_RU.UTF-8");
        EXPECT_EQ(r.code, code) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(fields({"1"}), stored);
    EXPECT_EQ(test::readBytes(store.userPath()), users);

    const QList<QStringList> doses = csv("doses");
    ASSERT_EQ(doses.size(), 2);
    EXPECT_EQ(doses[1].first(), "2");
    const QList<QStringList> all = csv("report --left --year " + year);
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[1].last(), "Pëtr Ilyich Petrov");
    EXPECT_EQ(csv("report --year " + year).size(), 2);
    EXPECT_EQ(csv("doses --left").size(), 3);

    EXPECT_EQ(fields({"1", "--full-name", "", "--left", "", "--category", ""}),
              "0 user_no=1 full_name= registry_id=R-1 birth=1980-02-29 category= site=S 7 left=");
}
