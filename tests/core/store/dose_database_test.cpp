// The dose of record: the embedded database, the ledger, period sums, alerts and the overview.
#include "core/store/dose_database.h"
#include "core/store/dose_overview.h"
#include "core/store/dose_periods.h"
#include "core/store/store.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace sarvo;
namespace fs = std::filesystem;

namespace {

class DoseDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.ensureDataDir();
        store.appendPerson("Ivanov", "Ivan", "", "Lab");
        store.appendPerson("Petrov", "Petr", "", "Lab");
    }
    void setEd(int index, double ed) {
        UserRecord user = store.readUser(index);
        user.ED = ed;
        store.writeUser(index, user);
    }
    EdChange manual(std::int32_t userNo, double dose, const QDate& date = QDate(2026, 3, 10)) {
        return db.changeEd(userNo - 1, userNo, {LedgerKind::Manual, dose, date, -1, "assessed"});
    }
    fs::path dbPath() const { return store.dataDir() / "Sarvo.sqlite"; }

    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
    DoseDatabase db{store};
};

LedgerRow row(LedgerKind kind, double dose, const QDate& date) {
    LedgerRow r;
    r.kind = kind;
    r.dose = dose;
    r.date = date;
    return r;
}

} // namespace

TEST_F(DoseDatabaseTest, ReadsCreateNothingAndTheFileTakesTheUserFilesMode) {
    EXPECT_TRUE(db.ledger().empty());
    EXPECT_TRUE(db.alerts(true).empty());
    EXPECT_EQ(db.limits(), DoseLimits{});
    EXPECT_FALSE(fs::exists(dbPath()));

    ASSERT_EQ(chmod(store.userPath().c_str(), 0640), 0);
    manual(1, 0.5);
    struct stat info {};
    ASSERT_EQ(stat(dbPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    const fs::path wal = dbPath().string() + "-wal";
    if (fs::exists(wal)) {
        ASSERT_EQ(stat(wal.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0640u);
    }
    // WAL mode is recorded in the file header: bytes 18 and 19 are 2.
    QFile file(QString::fromStdString(dbPath().string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(20);
    EXPECT_EQ(header.mid(18, 2), QByteArray("\x02\x02", 2));
}

TEST_F(DoseDatabaseTest, ANewerSchemaIsRefusedAndNothingChanges) {
    manual(1, 0.5);
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", "raw");
        raw.setDatabaseName(QString::fromStdString(dbPath().string()));
        ASSERT_TRUE(raw.open());
        QSqlQuery(raw).exec("UPDATE settings SET value = '3' WHERE name = 'schema_version'");
        raw.close();
    }
    QSqlDatabase::removeDatabase("raw");
    DoseDatabase later(store);
    EXPECT_THROW(later.ledger(), NewerDatabaseError);
    EXPECT_THROW(later.changeEd(0, 1, {LedgerKind::Manual, 1.0, {}, -1, "x"}), NewerDatabaseError);
    EXPECT_DOUBLE_EQ(store.readUser(0).ED, 0.5);
}

TEST_F(DoseDatabaseTest, RegisterDataOnAVersion1DatabaseAndTheRegistryNumberUnique) {
    manual(1, 0.5);
    { // The database as version 1 left it.
        QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", "raw");
        raw.setDatabaseName(QString::fromStdString(dbPath().string()));
        ASSERT_TRUE(raw.open());
        for (const char* sql : {"DROP TABLE person_details", "DROP TABLE registry_pushed",
                                "UPDATE settings SET value = '1' WHERE name = 'schema_version'"})
            ASSERT_TRUE(QSqlQuery(raw).exec(sql)) << sql;
        raw.close();
    }
    QSqlDatabase::removeDatabase("raw");
    DoseDatabase old(store);
    EXPECT_TRUE(old.personDetails().empty()); // a read does not migrate
    EXPECT_EQ(old.personDetails(2).userNo, 2);

    PersonDetails mueller{1,
                          "Müller-Lüdenscheidt, Hans-Jürgen",
                          " DE-123 ",
                          QDate(1980, 2, 29),
                          PersonCategory::A,
                          "Site 7",
                          {}};
    old.setPersonDetails(mueller);
    EXPECT_EQ(old.ledger().size(), 1u); // migrated forward, the ledger kept
    mueller.registryId = "DE-123";
    EXPECT_EQ(old.personDetails(1), mueller);

    PersonDetails other{2, {}, "DE-123", {}, PersonCategory::B, {}, QDate(2026, 1, 31)};
    EXPECT_THROW(old.setPersonDetails(other), RefusedChange); // held by person 1
    other.userNo = 9;
    other.registryId.clear();
    EXPECT_THROW(old.setPersonDetails(other), RefusedChange); // nobody has number 9
    other.userNo = 2;
    old.setPersonDetails(other);
    mueller = {};
    mueller.userNo = 1;
    old.setPersonDetails(mueller); // cleared: removed
    EXPECT_EQ(old.personDetails().size(), 1u);
    EXPECT_TRUE(old.personDetails(2).hasLeft());

    const DoseDatabase::RegistrySettings settings{"north", "postgresql://st@server/sarvo"};
    old.setRegistrySettings(settings);
    const DoseDatabase::PushedState pushed{12, 3, {{1, -5}, {2, 7}}, {{4, 1LL << 40}}};
    old.setPushedState(pushed);
    DoseDatabase again(store);
    EXPECT_EQ(again.registrySettings(), settings);
    EXPECT_EQ(again.pushedState(), pushed);
}

TEST_F(DoseDatabaseTest, EveryEdChangeLeavesOneRowAndRefusalsLeaveNone) {
    setEd(0, 1.5); // before the ledger exists: it becomes the opening
    manual(2, 0.25);
    const EdChange cleared = db.changeEd(0, 1, {LedgerKind::Clear});
    ASSERT_TRUE(cleared.done);
    EXPECT_THROW(manual(2, -0.3), RefusedChange); // ED would fall below 0
    EXPECT_THROW(db.changeEd(1, 2, {LedgerKind::Manual, 0.1, {}, -1, "  "}), RefusedChange);
    // A record that holds someone else now is left alone when moves are not followed.
    EXPECT_FALSE(db.changeEd(0, 2, {LedgerKind::Clear, 0, {}, -1, {}, false}).done);

    const std::vector<LedgerRow> rows = db.ledger();
    ASSERT_EQ(rows.size(), 3u);
    const std::tuple<LedgerKind, std::int32_t, double, double, double> expected[] = {
        {LedgerKind::Opening, 1, 1.5, 0.0, 1.5},
        {LedgerKind::Manual, 2, 0.25, 0.0, 0.25},
        {LedgerKind::Clear, 1, -1.5, 1.5, 0.0},
    };
    for (size_t k = 0; k < rows.size(); ++k) {
        const auto& [kind, userNo, dose, before, after] = expected[k];
        EXPECT_EQ(rows[k].kind, kind) << k;
        EXPECT_EQ(rows[k].userNo, userNo) << k;
        EXPECT_DOUBLE_EQ(rows[k].dose, dose) << k;
        EXPECT_DOUBLE_EQ(rows[k].edBefore, before) << k;
        EXPECT_EQ(rows[k].edAfter, rows[k].edBefore + rows[k].dose) << k;
        EXPECT_DOUBLE_EQ(rows[k].edAfter, after) << k;
        EXPECT_FALSE(rows[k].user.isEmpty()) << k;
    }
    EXPECT_EQ(rows[1].date, QDate(2026, 3, 10));
    EXPECT_EQ(rows[1].reason, "assessed");
    EXPECT_EQ(store.readUser(0).ED, 0.0);
    EXPECT_EQ(store.readUser(1).ED, 0.25);
    EXPECT_EQ(db.ledger(2).size(), 1u);
}

TEST(DosePeriods, SumsByPeriodDateInWholeMicroSievert) {
    struct Case {
        const char* what;
        std::vector<LedgerRow> rows;
        int year;
        QDate reference;
        long long yearDose, rolling12, fiveYear;
    };
    std::vector<LedgerRow> twenty(20, row(LedgerKind::Reading, 0.3, QDate(2026, 5, 1)));
    const Case cases[] = {
        {"31.12 and 01.01 fall into their own years",
         {row(LedgerKind::Reading, 1.0, QDate(2025, 12, 31)),
          row(LedgerKind::Manual, 2.0, QDate(2026, 1, 1))},
         2026,
         QDate(2026, 12, 31),
         2000,
         2000,
         3000},
        {"twenty doses of 0.3 make 6", twenty, 2026, QDate(2026, 12, 31), 6000, 6000, 6000},
        {"opening and clear rows count nowhere",
         {row(LedgerKind::Opening, 5.0, QDate(2026, 2, 1)),
          row(LedgerKind::Clear, -5.0, QDate(2026, 2, 2))},
         2026,
         QDate(2026, 12, 31),
         0,
         0,
         0},
        {"five years: the year and the four before",
         {row(LedgerKind::Manual, 1.0, QDate(2021, 12, 31)),
          row(LedgerKind::Manual, 2.0, QDate(2022, 1, 1)),
          row(LedgerKind::Manual, 4.0, QDate(2027, 1, 1))},
         2026,
         QDate(2026, 12, 31),
         0,
         0,
         2000},
        {"rolling 12 months after 28.02 of the year before a 29.02",
         {row(LedgerKind::Manual, 1.0, QDate(2027, 2, 28)),
          row(LedgerKind::Manual, 2.0, QDate(2027, 3, 1)),
          row(LedgerKind::Manual, 4.0, QDate(2028, 2, 29)),
          row(LedgerKind::Manual, 8.0, QDate(2028, 3, 1))},
         2028,
         QDate(2028, 2, 29),
         4000,
         6000,
         7000},
    };
    for (const Case& c : cases) {
        const PeriodDoses doses = periodDoses(c.rows, c.year, c.reference);
        EXPECT_EQ(doses.year, c.yearDose) << c.what;
        EXPECT_EQ(doses.rolling12, c.rolling12) << c.what;
        EXPECT_EQ(doses.fiveYear, c.fiveYear) << c.what;
    }
    EXPECT_EQ(referenceDate(2026, QDate(2026, 6, 1)), QDate(2026, 6, 1));
    EXPECT_EQ(referenceDate(2025, QDate(2026, 6, 1)), QDate(2025, 12, 31));
}

TEST(DosePeriods, StatusIsJudgedAtOrAboveEachLevel) {
    DoseLimits limits;
    limits.monthly = 1.0;
    const auto status = [&](long long year, long long five, long long month) {
        PeriodDoses doses;
        doses.year = year;
        doses.fiveYear = five;
        doses.months[4] = month;
        return doseStatus(doses, limits);
    };
    EXPECT_EQ(status(5999, 5999, 999), DoseStatus::Ok);
    EXPECT_EQ(status(6000, 6000, 0), DoseStatus::Investigation);
    EXPECT_EQ(status(100, 100, 1000), DoseStatus::Investigation);
    EXPECT_EQ(status(20000, 20000, 0), DoseStatus::Limit);
    EXPECT_EQ(status(100, 100000, 0), DoseStatus::Limit);
}

// A level reached alerts once per person, level and period: not for the next entry, nor after a
// negative correction and a rise; another period alerts again.
TEST_F(DoseDatabaseTest, ALevelReachedAlertsOncePerPeriodUntilAcknowledged) {
    DoseLimits limits;
    limits.monthly = 2.0;
    db.setLimits(limits);
    const QDate march(2026, 3, 5);
    const struct {
        double dose;
        QDate date;
        std::vector<AlertKind> raised;
    } steps[] = {
        {1.9, march, {}},
        {0.1, march, {AlertKind::Monthly}},
        {3.9, march, {}},
        {0.1, march, {AlertKind::Investigation}},
        {0.5, march, {}},
        {-1.0, march, {}},
        {1.0, march, {}},
        {2.0, QDate(2026, 4, 1), {AlertKind::Monthly}},
        {13.0, QDate(2026, 4, 2), {AlertKind::Limit}},
        {6.0, QDate(2027, 1, 2), {AlertKind::Investigation, AlertKind::Monthly}},
    };
    for (const auto& step : steps) {
        const EdChange change = manual(1, step.dose, step.date);
        std::vector<AlertKind> kinds;
        for (const Alert& alert : change.raised)
            kinds.push_back(alert.kind);
        EXPECT_EQ(kinds, step.raised) << step.dose << " on " << step.date.toString().toStdString();
    }
    const std::vector<Alert> open = db.alerts();
    ASSERT_EQ(open.size(), 6u);
    EXPECT_EQ(open[0].period, "2026-03");
    EXPECT_DOUBLE_EQ(open[0].dose, 2.0);
    EXPECT_DOUBLE_EQ(open[1].level, 6.0);
    EXPECT_EQ(open[3].period, "2026");
    EXPECT_EQ(open[4].period, "2027");

    const Alert acknowledged = db.acknowledge(open[0].id, "dosimeter dropped near the source");
    EXPECT_FALSE(acknowledged.acknowledgedBy.isEmpty());
    EXPECT_EQ(db.alerts().size(), 5u);
    const std::vector<Alert> all = db.alerts(true);
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[0].note, "dosimeter dropped near the source");
    EXPECT_EQ(all[0].acknowledgedAt, acknowledged.acknowledgedAt);
    EXPECT_THROW(db.acknowledge(open[0].id, "again"), RefusedChange);
    EXPECT_THROW(db.acknowledge(99, "none"), RefusedChange);
}

TEST_F(DoseDatabaseTest, PendingIsTheLatestReadingNotYetAddedOrCleared) {
    const auto reading = [&](const QDateTime& at, double dose) {
        HistoryRecord h;
        h.HistDate = daysFromDate(at.date());
        h.HistTime = fractionFromTime(at.time());
        h.UserNo = 1;
        h.Dose = dose;
        return store.appendHistory(h);
    };
    const QDate today(2026, 6, 30);
    const auto pending = [&] {
        return buildDoseOverview(store, db, 2026, today).persons[0].pending;
    };
    const QDateTime first(QDate(2026, 6, 1), QTime(9, 0));
    const long long r0 = reading(first, 0.2);
    EXPECT_DOUBLE_EQ(pending(), 0.2);
    db.changeEd(0, 1, {LedgerKind::Reading, 0.2, first.date(), r0, {}, true, first.addSecs(5)});
    EXPECT_DOUBLE_EQ(pending(), 0.0);
    reading(first.addDays(1), 0.3);
    EXPECT_DOUBLE_EQ(pending(), 0.3);
    db.changeEd(0, 1, {LedgerKind::Clear, 0, {}, -1, {}, true, first.addDays(2)});
    EXPECT_DOUBLE_EQ(pending(), 0.0);
    reading(first.addDays(3), 0.1);

    const DoseOverview overview = buildDoseOverview(store, db, 2026, today);
    const PersonDoses& person = overview.persons[0];
    EXPECT_DOUBLE_EQ(person.pending, 0.1);
    EXPECT_EQ(person.doses.year, 200);
    EXPECT_EQ(person.lastReading, QDate(2026, 6, 4));
    EXPECT_EQ(person.daysSince, 26);
    EXPECT_FALSE(person.overdue); // holds no dosimeter
}
