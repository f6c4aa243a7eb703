#include "core/link/dosimeter_link.h"
#include "core/link/frame.h"
#include "core/link/registration.h"
#include "core/store/dose_periods.h"
#include "core/store/store.h"
#include "core/store/store_error.h"
#include "core/text/language.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace sarvo {
namespace {

// The officer's boxes with scripted answers and the window's side, as one list of events.
struct Script : Officer, LinkHost {
    QStringList events;
    QList<bool> answers;
    std::function<void()> whileOpen; // runs inside every box, as a nested event loop would
    std::function<void()> once;      // runs inside the next box only
    std::function<void()> inLog;     // runs inside the next dose-rate log window only
    std::vector<std::vector<DoseRateRow>> logs;

    void information(const QString& text) override { box("info: " + text); }
    void error(const QString& text) override { box("error: " + text); }
    bool warningQuestion(const QString& text) override {
        box("question: " + text);
        EXPECT_FALSE(answers.empty()) << "unexpected question " << text.toStdString();
        return !answers.empty() && answers.takeFirst();
    }
    void box(const QString& text) {
        events << text;
        if (whileOpen)
            whileOpen();
        if (auto run = std::exchange(once, nullptr))
            run();
    }
    void purgePort() override { events << "purge"; }
    void setDoseRateLog(const std::vector<DoseRateRow>& rows) override {
        logs.push_back(rows);
        events << QString("log of %1").arg(rows.size());
    }
    void showDoseRateLog(const UserRecord&) override {
        events << "log window";
        if (auto run = std::exchange(inLog, nullptr))
            run();
    }
    void highlightPerson(long long index) override { events << QString("row %1").arg(index); }
    void doseAddingChanged(bool checked) override { events << QString("adding %1").arg(checked); }
};

struct FixedClock : Clock {
    QDateTime at{QDate(2026, 3, 20), QTime(10, 15, 30)};
    QDateTime now() const override { return at; }
};

DoseRateEntry entry(int rate, int month, int day) {
    return {rate, month, day, 9, 30};
}

// Ivanov without a dosimeter and Petrov (UserNo 2, index 1) with 0x1234 and ED 1.5.
class Intake : public ::testing::Test {
protected:
    void SetUp() override {
        store.ensureDataDir();
        for (int n : {75, 76, 78, 79, 92})
            languageStrings().setLine(n, QStringLiteral("line %1").arg(n));
        store.appendPerson("Ivanov", "Ivan", "", "");
        store.appendPerson("Petrov", "Petr", "", "");
        setPetrovEd(1.5);
        timer.onTimeout = [this] { link.answerTimeout(); };
        retry.onTimeout = [this] { link.retryQueued(); };
    }

    void setPetrovEd(double ed) {
        UserRecord petrov = store.readUser(1);
        std::tie(petrov.DosimeterId, petrov.ED) = std::tuple(0x1234, ed);
        store.writeUser(1, petrov);
    }
    static QByteArray wire(std::vector<DoseRateEntry> entries = {}, std::int64_t id = 0x1234,
                           std::int64_t dose = 250) {
        return encodeFrame(Reading{id, dose, std::move(entries), 0});
    }
    void read(std::vector<DoseRateEntry> entries = {}, std::int64_t id = 0x1234) {
        link.receive(wire(std::move(entries), id));
    }
    // The doses of the history in file order; `last` is its last record then.
    std::vector<double> doses() {
        std::vector<double> all;
        store.forEachHistory([&](long long, const HistoryRecord& r) {
            last = r;
            all.push_back(r.Dose);
            return true;
        });
        return all;
    }
    HistoryRecord lastHistory() { return doses(), last; }
    // The link is idle again: buffer emptied, timer stopped.
    void expectIdle() {
        EXPECT_EQ(std::pair(link.decoder().receiveCount(), timer.isActive()), std::pair(0, false));
    }

    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
    Script script;
    ManualWaitTimer timer;
    ManualWaitTimer retry{kLockRetryMs};
    FixedClock clock;
    DosimeterLink link{store, script, script, timer, retry, clock};
    HistoryRecord last;
};

// Identifier 0 is no dosimeter: Ivanov, who holds none, does not get its reading.
TEST_F(Intake, IdentifierZeroWritesNothingAKnownOneOneRecord) {
    const std::vector<UserRecord> before = store.readUsers();
    read({entry(100, 1, 1)}, 0);
    EXPECT_EQ(script.events, QStringList({"info: line 76 0", "error: line 92", "purge"}));
    EXPECT_EQ(std::tuple(store.historyCount(), store.readUsers(), link.highlight().on),
              std::tuple(0LL, before, false));
    expectIdle();

    SCOPED_TRACE("a known identifier: one History record; dose adding off: ED stays");
    script.events.clear();
    read();
    EXPECT_EQ(script.events, QStringList({"info: line 76 1234", "log of 0", "purge", "row 1"}));
    ASSERT_EQ(store.historyCount(), 1);
    const HistoryRecord h = lastHistory();
    EXPECT_DOUBLE_EQ(h.HistTime, (10 * 3600 + 15 * 60 + 30) / 86400.0);
    const double date = QDate(1899, 12, 30).daysTo(QDate(2026, 3, 20));
    EXPECT_EQ(h, (HistoryRecord{date, h.HistTime, 0.25, 1.75, 2, 0x1234}));
    EXPECT_EQ(std::tuple(store.readUser(1).ED, link.person().UserNo, link.highlight().recordIndex),
              std::tuple(1.5, 2, 1LL));
    expectIdle();

    SCOPED_TRACE("dose adding on: ED changes only on Yes, the dose sum is the same");
    for (bool yes : {true, false}) {
        setPetrovEd(1.5);
        script.events.clear();
        link.setDoseAdding(true);
        script.answers = {yes};
        read();
        EXPECT_EQ(script.events.mid(0, 4),
                  QStringList({"adding 1", "info: line 76 1234", "question: line 79",
                               yes ? "adding 0" : "log of 0"})); // Yes switches the addition off
        EXPECT_EQ(std::tuple(link.doseAdding(), store.readUser(1).ED, lastHistory().DoseSum),
                  std::tuple(!yes, yes ? 1.75 : 1.5, 1.75));
    }
}

TEST_F(Intake, DoseRateLinesNewAndKept) {
    SCOPED_TRACE("eight entries, then the same eight again: nothing new, no log window");
    std::vector<DoseRateEntry> eight;
    for (int k = 0; k < 8; ++k)
        eight.push_back(entry(100 + k, 3, 1 + k));
    read(eight);
    read(eight);
    EXPECT_EQ(script.events.filter("log"), QStringList({"log of 8", "log window", "log of 0"}));
    EXPECT_EQ(script.logs.at(0).at(0), (DoseRateRow{0, "01.03.2026", "09:30", "1,00 uSv/h"}));

    SCOPED_TRACE("five entries of which only one differs: one row numbered 3; lines 5 to 7 kept");
    std::vector<DoseRateEntry> five(eight.begin(), eight.begin() + 5);
    five[3].rate = 9999;
    read(five);
    EXPECT_EQ(script.logs.at(2),
              (std::vector<DoseRateRow>{{3, "04.03.2026", "09:30", "99,99 uSv/h"}}));
    EXPECT_EQ(script.events.filter("log window").size(), 2);
    const UserRecord petrov = store.readUser(1);
    EXPECT_EQ(petrov.MED[3] + '|' + petrov.MED[7] + '|' + petrov.MED[8],
              "04.03.202609:3099,99 uSv/h|08.03.202609:301,07 uSv/h|");
    EXPECT_EQ(link.person().MED[3], petrov.MED[3]);

    SCOPED_TRACE("three entries of which only the last is new: one row numbered 2");
    read({entry(555, 4, 1), entry(101, 3, 2)});
    read({entry(555, 4, 1), entry(101, 3, 2), entry(777, 4, 3)});
    EXPECT_EQ(script.logs.at(4),
              (std::vector<DoseRateRow>{{2, "03.04.2026", "09:30", "7,77 uSv/h"}}));

    SCOPED_TRACE("December read on the second of January gets the new year");
    clock.at = QDateTime(QDate(2027, 1, 2), QTime(8, 0));
    read({entry(5, 12, 31)});
    EXPECT_EQ(store.readUser(1).MED[0], "31.12.202709:300,05 uSv/h");
}

TEST_F(Intake, LoneBytesExpireOnceAndBytesDuringTheBoxExpireAfterIt) {
    script.once = [&] {
        // The box keeps the event loop running: more bytes and time pass. The box is not shown
        // again while it is open; the second piece, not completed either, is reported after it.
        link.receive(QByteArray(5, char(0xC0)));
        timer.advance(2 * kAnswerWaitMs);
    };
    link.receive(QByteArray(19, char(0xC0)));
    link.receive(QByteArray());
    EXPECT_EQ(timer.starts(), 1); // a running timer is not restarted
    timer.advance(kAnswerWaitMs - 1);
    EXPECT_TRUE(script.events.isEmpty());
    timer.advance(1);
    EXPECT_EQ(script.events, QStringList({"error: line 75", "error: line 75", "purge"}));
    EXPECT_EQ(timer.timeouts(), 2);
    expectIdle();
}

TEST_F(Intake, StoreFailureEndsTheFrame) {
    ASSERT_TRUE(QDir(dir.path()).removeRecursively());
    read();
    EXPECT_EQ(script.events, QStringList({"error: File not found", "purge"}));
    expectIdle();
}

TEST_F(Intake, FramesDuringTheBoxesAreTakenInAfterwardsRepeatsAreNot) {
    // While the first reading's box is open: the same broadcast again, a second reading in two
    // pieces, that one again, and a broken frame.
    const QByteArray first = wire({entry(700, 6, 15)}), second = wire({}, 0x1234, 999);
    QByteArray broken = wire({}, 0x1234, 5);
    broken[broken.size() - 3] = char(broken[broken.size() - 3] ^ 1);
    script.once = [&] {
        for (const QByteArray& piece : {first, second.left(30), second.mid(30), second, broken})
            link.receive(piece);
    };
    link.receive(first);
    EXPECT_EQ(script.events,
              QStringList({"info: line 76 1234", "log of 1", "log window", "row 1",
                           "error: line 75", "info: line 76 1234", "log of 0", "purge", "row 1"}));
    EXPECT_EQ(doses(), (std::vector<double>{0.25, 0.999}));
    EXPECT_EQ(store.readUser(1).MED[0], "15.06.202609:307,00 uSv/h");
    expectIdle();

    SCOPED_TRACE("a frame partly received when the intake ends: no purge, the rest completes it");
    script.events.clear();
    script.once = [&] { link.receive(first.left(40)); };
    link.receive(second);
    EXPECT_EQ(script.events, QStringList({"info: line 76 1234", "log of 0", "row 1"}));
    EXPECT_EQ(link.decoder().receiveCount(), 40);
    link.receive(first.mid(40));
    EXPECT_EQ(doses(), (std::vector<double>{0.25, 0.999, 0.999, 0.25}));
    expectIdle();

    SCOPED_TRACE("a reading while the dose-rate log window is open");
    script.events.clear();
    script.inLog = [&] { link.receive(second); };
    read({entry(1, 2, 3)});
    EXPECT_EQ(script.events, QStringList({"info: line 76 1234", "log of 1", "log window", "row 1",
                                          "info: line 76 1234", "log of 0", "purge", "row 1"}));
    EXPECT_EQ(doses().back(), 0.999);
}

TEST_F(Intake, FullQueueDropsAreToldWithTheirIdentifiers) {
    script.once = [&] {
        for (int k = 1; k <= DosimeterLink::kQueueCapacity; ++k)
            link.receive(wire({}, 0x1234, k));
        int extra = 0;
        for (std::int64_t id : {0x5678, 0x9999, 0x5678})
            link.receive(wire({}, id, 2000 + ++extra));
    };
    read();
    const QString told = script.events.value(3); // right after the first intake
    EXPECT_TRUE(told.startsWith("error: 3 reading(s)") && told.endsWith(": 5678, 9999"))
        << told.toStdString();
    EXPECT_EQ(script.events.filter("reading(s)").size(), 1);
    EXPECT_EQ(store.historyCount(), 1 + DosimeterLink::kQueueCapacity);
    EXPECT_EQ(lastHistory().Dose, 0.032);
    expectIdle();
}

TEST_F(Intake, LockedFilesDelayAReadingAndNeverDoubleIt) {
    // Another program holds the data lock from inside the identifier box until the retry, and
    // from inside question 79 until the busy box.
    QProcess holder;
    holder.setWorkingDirectory(dir.path());
    auto hold = [&] {
        holder.start("flock",
                     {"-x", "DB/Write.lock", "-c",
                      "touch held; while [ ! -e free ]; do sleep 0.05; done; rm held free"});
        ASSERT_TRUE(holder.waitForStarted());
        while (!QFile::exists(dir.filePath("held")))
            ASSERT_FALSE(holder.waitForFinished(5)); // the holder is still there
    };
    auto release = [&] {
        QFile(dir.filePath("free")).open(QIODevice::WriteOnly);
        ASSERT_TRUE(holder.waitForFinished());
    };
    const QString busy = "error: " + DataBusyError().text();
    script.whileOpen = [&] {
        if (script.events.last().startsWith("info") || script.events.last().startsWith("question"))
            hold();
        else if (script.events.last() == busy)
            release();
    };
    link.setDoseAdding(true);
    script.answers = {true};
    read();
    EXPECT_TRUE(retry.isActive());
    release();
    EXPECT_EQ(store.historyCount(), 0);
    retry.advance(kLockRetryMs);
    EXPECT_EQ(script.events, QStringList({"adding 1", "info: line 76 1234", "question: line 79",
                                          busy, "adding 0", "log of 0", "purge", "row 1"}));
    EXPECT_EQ(std::pair(store.historyCount(), store.readUser(1).ED), std::pair(1LL, 1.75));
    expectIdle();
}

// A damaged file with Petrov's UserNo on Ivanov's record too: the first record with that UserNo
// takes the reading. A holder whose UserNo is 0 is nobody.
TEST_F(Intake, ReadingGoesToTheFirstRecordWithTheHoldersUserNo) {
    UserRecord ivanov = store.readUser(0);
    ivanov.UserNo = 2;
    store.writeUser(0, ivanov);
    read({entry(100, 1, 1)});
    EXPECT_EQ(script.events.last(), "row 0");
    EXPECT_EQ(std::tuple(lastHistory().UserNo, last.DoseSum, link.person().LN),
              std::tuple(2, 0.25, QByteArray("Ivanov")));
    EXPECT_EQ(std::pair(store.readUser(0).MED[0], store.readUser(1).MED[0]),
              std::pair(QByteArray("01.01.202609:301,00 uSv/h"), QByteArray()));

    UserRecord petrov = store.readUser(1);
    petrov.UserNo = 0;
    store.writeUser(1, petrov);
    script.events.clear();
    read();
    EXPECT_EQ(script.events, QStringList({"info: line 76 1234", "error: line 92", "purge"}));
    EXPECT_EQ(store.historyCount(), 1);
}

TEST(Registration, DecimalDigitsReadAsHexadecimal) {
    const std::pair<const char*, std::uint64_t> good[] = {
        {"1234", 0x1234},
        {"0000", 0},
        {"0000000001234567", 0x1234567},
        {"9999999999999999", 0x9999999999999999ULL}};
    for (const auto& [text, value] : good)
        EXPECT_EQ(registrationValue(text), static_cast<std::int64_t>(value)) << text;
    // The last one holds digits of another script.
    for (const char* bad : {"", "ab", "G", " 12", "-1", "0x12", "12345678901234567", "١٢"})
        EXPECT_EQ(registrationValue(QString::fromUtf8(bad)), std::nullopt) << bad;
    EXPECT_TRUE(registrationTextFits(QString(16, '1')));
}

// A row that shows Petrov never clears Ivanov; a registration keeps the person's reading; the
// record at the index must still hold the person.
TEST_F(Intake, ClearEdAndRegistrationNeedTheSamePerson) {
    using R = ClearEdResult;
    UserRecord ivanov = store.readUser(0);
    std::tie(ivanov.ED, ivanov.MED[0]) = std::tuple(4.5, "0 05.12 10:00 1,5");
    store.writeUser(0, ivanov);
    const std::tuple<long long, std::int32_t, QList<bool>, R, double> cases[] = {
        {1, 2, {false}, R::Declined, 1.5}, {5, 2, {}, R::NotAsked, 1.5},
        {-1, 2, {}, R::NotAsked, 1.5},     {1, 0, {}, R::NotAsked, 1.5},
        {0, 2, {}, R::Moved, 1.5},         {1, 2, {true}, R::Cleared, 0.0}};
    for (const auto& [index, userNo, answers, result, ed] : cases) {
        script.events.clear();
        script.answers = answers;
        EXPECT_EQ(link.clearAccumulatedDose(index, userNo), result);
        EXPECT_EQ(script.events.size(), answers.size());
        EXPECT_EQ(std::pair(store.readUser(1).ED, store.readUser(0)), std::pair(ed, ivanov));
    }
    ivanov.DosimeterId = *registrationValue("9876543210987654");
    ASSERT_TRUE(storeRegistration(store, 0, 1, ivanov.DosimeterId, false));
    EXPECT_EQ(store.readUser(0), ivanov);
    EXPECT_FALSE(storeRegistration(store, 1, 1, 0x5678, true));
    EXPECT_FALSE(storeRegistration(store, 2, 3, 0x5678, true));
    EXPECT_EQ(store.readUser(1).DosimeterId, 0x1234);
}

// A confirmed reading and a clear each leave one ledger row; a refused addition none. The period
// date is the reading's date, on either side of a new year; a level reached warns.
TEST_F(Intake, ConfirmedDosesAndClearsAreInTheLedger) {
    DoseDatabase doses(store);
    DoseLimits limits;
    limits.investigation = 0.5;
    doses.setLimits(limits);
    const std::tuple<QDateTime, bool> readings[] = {
        {QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)), true},
        {QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)), false},
        {QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)), true},
        {QDateTime(QDate(2027, 1, 2), QTime(8, 0, 0)), true},
    };
    for (const auto& [at, yes] : readings) {
        clock.at = at;
        link.setDoseAdding(true);
        script.answers = {yes};
        read({}, 0x1234);
    }
    EXPECT_TRUE(script.events.filter("info:").last().contains("0,5"))
        << script.events.join('|').toStdString();
    script.events.clear();
    script.answers = {true};
    ASSERT_EQ(link.clearAccumulatedDose(1, 2), ClearEdResult::Cleared);
    EXPECT_TRUE(script.events.value(0).contains("Petrov Petr (number 2): ED 2,25 mSv"));

    const std::vector<LedgerRow> rows = doses.ledger(2);
    const std::tuple<LedgerKind, QDate, long long, double> expected[] = {
        {LedgerKind::Opening, QDate::currentDate(), -1, 1.5},
        {LedgerKind::Reading, QDate(2026, 12, 31), 0, 1.75},
        {LedgerKind::Reading, QDate(2027, 1, 1), 2, 2.0},
        {LedgerKind::Reading, QDate(2027, 1, 2), 3, 2.25},
        {LedgerKind::Clear, QDate(2027, 1, 2), -1, 0.0},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(std::tuple(rows[k].kind, rows[k].date, rows[k].historyRecord, rows[k].edAfter),
                  expected[k])
            << k;
    EXPECT_EQ(periodDoses(rows, 2026, QDate(2026, 12, 31)).year, 250);
    EXPECT_EQ(periodDoses(rows, 2027, QDate(2027, 12, 31)).year, 500);
    EXPECT_EQ(doses.alerts().size(), 1u);
}

} // namespace
} // namespace sarvo
