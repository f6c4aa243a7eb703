#include "link/dosimeter_link.h"
#include "link/frame.h"
#include "shell/language.h"
#include "store/store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>

namespace sarvo {
namespace {

// The officer's boxes with scripted answers and the window's side, as one list of events.
struct Script : Officer, LinkHost {
    QStringList events;
    std::deque<bool> answers;
    std::function<void()> whileOpen; // runs inside every box, as a nested event loop would
    std::vector<std::vector<DoseRateRow>> logs;

    void information(const QString& text) override { box("info: " + text); }
    void error(const QString& text) override { box("error: " + text); }
    bool warningQuestion(const QString& text) override {
        box("question: " + text);
        EXPECT_FALSE(answers.empty()) << "unexpected question " << text.toStdString();
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    void box(const QString& text) {
        events << text;
        if (whileOpen)
            whileOpen();
    }
    void purgePort() override { events << "purge"; }
    void setDoseRateLog(const std::vector<DoseRateRow>& rows) override {
        logs.push_back(rows);
        events << QString("log of %1").arg(rows.size());
    }
    void showDoseRateLog(const UserRecord&) override { events << "log window"; }
    void highlightPerson(long long index) override { events << QString("row %1").arg(index); }
    void savEDChanged(bool checked) override { events << QString("savED %1").arg(checked); }
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
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("DB")));
        for (int n : {75, 76, 78, 79, 92})
            languageStrings().setLine(n, QStringLiteral("line %1").arg(n));
        store.appendPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString(), QString());
        store.appendPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QString(), QString());
        setPetrovEd(1.5, 0x1234);
        timer.onTimeout = [this] { link.TimerWauthTimer(); };
    }

    void setPetrovEd(double ed, std::int64_t id = 0x1234) {
        UserRecord petrov = store.readUser(1);
        petrov.DosimeterId = id;
        petrov.ED = ed;
        store.writeUser(1, petrov);
    }
    void read(std::vector<DoseRateEntry> entries = {}, std::int64_t id = 0x1234) {
        link.receive(encodeFrame(Reading{id, 250, std::move(entries), 0}));
    }
    HistoryRecord lastHistory() {
        HistoryRecord last;
        store.forEachHistory([&](long long, const HistoryRecord& r) { return last = r, true; });
        return last;
    }
    // The link is idle again: buffer emptied, timer stopped.
    void expectIdle() {
        EXPECT_EQ(link.decoder().receiveCount(), 0);
        EXPECT_FALSE(timer.isActive());
    }

    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
    Script script;
    ManualWaitTimer timer;
    FixedClock clock;
    DosimeterLink link{store, script, script, timer, clock};
};

TEST_F(Intake, UnknownIdentifierWritesNothingAndAKnownOneOneHistoryRecord) {
    const std::vector<UserRecord> before = store.readUsers();
    read({entry(100, 1, 1)}, 0x5678);
    EXPECT_EQ(script.events, QStringList({"info: line 76 5678", "error: line 92", "purge"}));
    EXPECT_EQ(store.historyCount(), 0);
    EXPECT_EQ(store.readUsers(), before);
    EXPECT_FALSE(link.highlight().on);
    expectIdle();

    script.events.clear();
    read();
    EXPECT_EQ(script.events, QStringList({"info: line 76 1234", "log of 0", "purge", "row 1"}));
    ASSERT_EQ(store.historyCount(), 1);
    const HistoryRecord h = lastHistory();
    EXPECT_EQ(h.HistDate, QDate(1899, 12, 30).daysTo(QDate(2026, 3, 20)));
    EXPECT_DOUBLE_EQ(h.HistTime, (10 * 3600 + 15 * 60 + 30) / 86400.0);
    EXPECT_EQ(h, (HistoryRecord{h.HistDate, h.HistTime, 0.25, 1.75, 2, 0x1234}));
    EXPECT_EQ(store.readUser(1).ED, 1.5); // mnu_SavED unchecked: ED stays
    EXPECT_EQ(link.person().UserNo, 2);
    EXPECT_EQ(link.highlight().recordIndex, 1);
    expectIdle();
}

TEST_F(Intake, EdChangesOnlyOnYesAndDoseSumIsTheSame) {
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        setPetrovEd(1.5);
        script.events.clear();
        link.setSavED(true);
        script.answers = {yes};
        read();
        EXPECT_EQ(script.events.mid(0, 3),
                  QStringList({"savED 1", "info: line 76 1234", "question: line 79"}));
        EXPECT_EQ(script.events.contains("savED 0"), yes); // Yes unchecks mnu_SavED
        EXPECT_EQ(link.savED(), !yes);
        EXPECT_EQ(store.readUser(1).ED, yes ? 1.75 : 1.5);
        EXPECT_EQ(lastHistory().DoseSum, 1.75);
    }
}

TEST_F(Intake, DoseRateLinesNewAndKept) {
    // Eight entries, then the same eight again: nothing new, no log window.
    std::vector<DoseRateEntry> eight;
    for (int k = 0; k < 8; ++k)
        eight.push_back(entry(100 + k, 3, 1 + k));
    read(eight);
    read(eight);
    EXPECT_EQ(script.events.filter("log"), QStringList({"log of 8", "log window", "log of 0"}));
    EXPECT_EQ(script.logs.at(0).at(0), (DoseRateRow{0, "01.03.2026", "09:30", "1,00 uSv/h"}));

    // Five entries of which only one differs: one grid row numbered 3; lines 5 to 7 kept.
    std::vector<DoseRateEntry> five(eight.begin(), eight.begin() + 5);
    five[3].rate = 9999;
    read(five);
    EXPECT_EQ(script.logs.at(2),
              (std::vector<DoseRateRow>{{3, "04.03.2026", "09:30", "99,99 uSv/h"}}));
    EXPECT_EQ(script.events.filter("log window").size(), 2);
    const UserRecord petrov = store.readUser(1);
    EXPECT_EQ(petrov.MED[3], "04.03.202609:3099,99 uSv/h");
    EXPECT_EQ(petrov.MED[7], "08.03.202609:301,07 uSv/h");
    EXPECT_TRUE(petrov.MED[8].isEmpty());
    EXPECT_EQ(link.person().MED[3], petrov.MED[3]);

    // Three entries of which only the last is new: one row numbered 2.
    read({entry(555, 4, 1), entry(101, 3, 2)});
    read({entry(555, 4, 1), entry(101, 3, 2), entry(777, 4, 3)});
    EXPECT_EQ(script.logs.at(4),
              (std::vector<DoseRateRow>{{2, "03.04.2026", "09:30", "7,77 uSv/h"}}));
}

TEST_F(Intake, DecemberReadOnSecondJanuaryGetsTheNewYear) {
    clock.at = QDateTime(QDate(2027, 1, 2), QTime(8, 0));
    read({entry(5, 12, 31)});
    EXPECT_EQ(store.readUser(1).MED[0], "31.12.202709:300,05 uSv/h");
}

TEST_F(Intake, LoneBytesExpireOnce) {
    script.whileOpen = [&] {
        // The box keeps the event loop running: more bytes and time pass, nothing repeats.
        link.receive(QByteArray(5, char(0xC0)));
        timer.advance(2 * kAnswerWaitMs);
    };
    link.receive(QByteArray(19, char(0xC0)));
    link.receive(QByteArray());
    EXPECT_EQ(timer.starts(), 1); // a running timer is not restarted
    timer.advance(kAnswerWaitMs - 1);
    EXPECT_TRUE(script.events.isEmpty());
    timer.advance(1);
    EXPECT_EQ(script.events, QStringList({"error: line 75", "purge"}));
    EXPECT_EQ(timer.timeouts(), 1);
    EXPECT_EQ(link.discardedPieces(), 1);
    expectIdle();
}

TEST_F(Intake, BrokenFrameAndStoreFailureEndTheFrame) {
    QByteArray wire = encodeFrame(Reading{0x1234, 250, {}, 0});
    wire[11] = 0x00;
    link.receive(wire.left(20)); // rejected at once
    EXPECT_EQ(store.historyCount(), 0);
    expectIdle();
    ASSERT_TRUE(QDir(dir.path()).removeRecursively());
    read();
    EXPECT_EQ(script.events,
              QStringList({"error: line 75", "purge", "error: File not found", "purge"}));
    expectIdle();
}

TEST_F(Intake, BytesDuringTheIntakeAreDiscarded) {
    const QByteArray other = encodeFrame(Reading{0x1234, 999, {entry(1, 1, 1)}, 0});
    script.whileOpen = [&] { link.receive(other); };
    read({entry(700, 6, 15)});
    EXPECT_EQ(script.events.filter("info"), QStringList({"info: line 76 1234"}));
    ASSERT_EQ(store.historyCount(), 1);
    EXPECT_EQ(lastHistory().Dose, 0.25);
    EXPECT_EQ(store.readUser(1).MED[0], "15.06.202609:307,00 uSv/h");
    EXPECT_EQ(link.discardedPieces(), 1);
    expectIdle();
}

TEST_F(Intake, ClearEd) {
    const std::tuple<long long, std::deque<bool>, int, double> cases[] = {
        {1, {false}, 1, 1.5}, {5, {}, 0, 1.5}, {-1, {}, 0, 1.5}, {1, {true}, 1, 0.0}};
    for (const auto& [index, answers, questions, ed] : cases) {
        script.events.clear();
        script.answers = answers;
        EXPECT_EQ(link.mnu_ClearEDClick(index), ed == 0.0);
        EXPECT_EQ(script.events.size(), questions);
        EXPECT_EQ(store.readUser(1).ED, ed);
    }
    EXPECT_EQ(script.events, QStringList({"question: line 78"}));
}

} // namespace
} // namespace sarvo
