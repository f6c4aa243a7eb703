#include "link/dosimeter_link.h"
#include "link/frame.h"
#include "shell/language.h"
#include "store/store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <deque>

namespace sarvo {
namespace {

struct ScriptedOfficer : Officer {
    QStringList boxes;
    std::deque<bool> answers;
    std::function<void()> whileOpen; // runs inside every box, as a nested event loop would

    void information(const QString& text) override { show(QStringLiteral("info: ") + text); }
    void error(const QString& text) override { show(QStringLiteral("error: ") + text); }
    bool warningQuestion(const QString& text) override {
        show(QStringLiteral("question: ") + text);
        EXPECT_FALSE(answers.empty()) << "unexpected question " << text.toStdString();
        if (answers.empty())
            return false;
        bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void show(const QString& text) {
        boxes << text;
        if (whileOpen)
            whileOpen();
    }
};

struct RecordingHost : LinkHost {
    int purges = 0;
    std::vector<std::vector<DoseRateRow>> logs;
    int shown = 0;
    std::vector<long long> highlighted;
    std::vector<bool> savEDChanges;

    void purgePort() override { ++purges; }
    void setDoseRateLog(const std::vector<DoseRateRow>& rows) override { logs.push_back(rows); }
    void showDoseRateLog(const UserRecord&) override { ++shown; }
    void highlightPerson(long long index) override { highlighted.push_back(index); }
    void savEDChanged(bool checked) override { savEDChanges.push_back(checked); }
};

struct FixedClock : Clock {
    QDateTime at{QDate(2026, 3, 20), QTime(10, 15, 30)};
    QDateTime now() const override { return at; }
};

DoseRateEntry entry(int rate, int month, int day) {
    return {rate, month, day, 9, 30};
}

class Intake : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("DB")));
        for (int n : {75, 76, 78, 79, 92})
            languageStrings().setLine(n, QStringLiteral("line %1").arg(n));
        store.appendPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString(), QString());
        store.appendPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QString(), QString());
        UserRecord petrov = store.readUser(1);
        petrov.DosimeterId = 0x1234;
        petrov.ED = 1.5;
        store.writeUser(1, petrov);
        timer.onTimeout = [this] { link.TimerWauthTimer(); };
    }

    void read(const Reading& reading) { link.receive(encodeFrame(reading)); }
    Reading reading(std::vector<DoseRateEntry> entries = {}) {
        return Reading{0x1234, 250, std::move(entries), 0};
    }
    QByteArray fileBytes(const std::filesystem::path& path) {
        QFile f(QString::fromStdString(path.string()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
    ScriptedOfficer officer;
    RecordingHost host;
    ManualWaitTimer timer;
    FixedClock clock;
    DosimeterLink link{store, officer, host, timer, clock};
};

TEST_F(Intake, UnknownIdentifierShowsTwoBoxesAndWritesNothing) {
    const QByteArray users = fileBytes(store.userPath());
    link.receive(encodeFrame(Reading{0x5678, 250, {entry(100, 1, 1)}, 0}));
    EXPECT_EQ(officer.boxes, QStringList({"info: line 76 5678", "error: line 92"}));
    EXPECT_EQ(store.historyCount(), 0);
    EXPECT_EQ(fileBytes(store.userPath()), users);
    EXPECT_EQ(host.purges, 1);
    EXPECT_TRUE(host.logs.empty());
    EXPECT_FALSE(link.highlight().on);
    EXPECT_EQ(link.decoder().receiveCount(), 0);
    EXPECT_FALSE(timer.isActive());
}

TEST_F(Intake, KnownPersonGetsExactlyOneHistoryRecord) {
    read(reading());
    EXPECT_EQ(officer.boxes, QStringList({"info: line 76 1234"}));
    ASSERT_EQ(store.historyCount(), 1);

    // The 48 bytes as the history file holds them.
    const QByteArray h = fileBytes(store.historyPath());
    ASSERT_EQ(h.size(), 48);
    const double days = QDate(1899, 12, 30).daysTo(QDate(2026, 3, 20));
    const double time = (10 * 3600 + 15 * 60 + 30) / 86400.0;
    auto real = [&](int at) { return qFromLittleEndian<double>(h.constData() + at); };
    EXPECT_EQ(real(0), days);
    EXPECT_DOUBLE_EQ(real(8), time);
    EXPECT_EQ(real(16), 0.25);
    EXPECT_EQ(real(24), 1.75);
    EXPECT_EQ(qFromLittleEndian<qint32>(h.constData() + 32), 2);
    EXPECT_EQ(qFromLittleEndian<qint64>(h.constData() + 40), 0x1234);

    EXPECT_EQ(store.readUser(1).ED, 1.5); // mnu_SavED unchecked: ED stays
    EXPECT_EQ(link.person().UserNo, 2);
    EXPECT_EQ(host.purges, 1);
    EXPECT_EQ(host.highlighted, std::vector<long long>{1});
    EXPECT_TRUE(link.highlight().on);
    EXPECT_EQ(link.highlight().recordIndex, 1);
    EXPECT_EQ(link.decoder().receiveCount(), 0);
}

TEST_F(Intake, EdChangesOnlyOnYesAndDoseSumIsTheSame) {
    struct Case {
        bool yes;
        double ed;
        bool savEDAfter;
    } cases[] = {{true, 1.75, false}, {false, 1.5, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.yes);
        UserRecord petrov = store.readUser(1);
        petrov.ED = 1.5;
        store.writeUser(1, petrov);
        link.setSavED(true);
        officer.boxes.clear();
        officer.answers = {c.yes};
        read(reading());
        EXPECT_EQ(officer.boxes, QStringList({"info: line 76 1234", "question: line 79"}));
        EXPECT_EQ(store.readUser(1).ED, c.ed);
        EXPECT_EQ(link.savED(), c.savEDAfter);
        double doseSum = 0;
        store.forEachHistory([&](long long, const HistoryRecord& r) {
            doseSum = r.DoseSum;
            return true;
        });
        EXPECT_EQ(doseSum, 1.75);
    }
    EXPECT_EQ(host.savEDChanges, (std::vector<bool>{true, false, true}));
}

TEST_F(Intake, DoseRateLinesNewAndKept) {
    // Eight entries, then the same eight again: nothing new, no log window.
    std::vector<DoseRateEntry> eight;
    for (int k = 0; k < 8; ++k)
        eight.push_back(entry(100 + k, 3, 1 + k));
    read(reading(eight));
    ASSERT_EQ(host.logs.size(), 1u);
    EXPECT_EQ(host.logs[0].size(), 8u);
    EXPECT_EQ(host.logs[0][0], (DoseRateRow{0, "01.03.2026", "09:30", "1,00 uSv/h"}));
    EXPECT_EQ(host.shown, 1);
    read(reading(eight));
    EXPECT_TRUE(host.logs.at(1).empty());
    EXPECT_EQ(host.shown, 1);

    // Five entries of which only one differs: one grid row numbered 3; lines 5 to 7 kept.
    std::vector<DoseRateEntry> five(eight.begin(), eight.begin() + 5);
    five[3].rate = 9999;
    read(reading(five));
    EXPECT_EQ(host.logs.at(2),
              (std::vector<DoseRateRow>{{3, "04.03.2026", "09:30", "99,99 uSv/h"}}));
    EXPECT_EQ(host.shown, 2);
    const UserRecord petrov = store.readUser(1);
    EXPECT_EQ(petrov.MED[3], "04.03.202609:3099,99 uSv/h");
    EXPECT_EQ(petrov.MED[7], "08.03.202609:301,07 uSv/h");
    EXPECT_TRUE(petrov.MED[8].isEmpty());
    EXPECT_EQ(link.person().MED[3], petrov.MED[3]);
}

TEST_F(Intake, OnlyTheLastOfThreeIsNew) {
    UserRecord petrov = store.readUser(1);
    petrov.MED[0] = "01.03.202609:301,00 uSv/h";
    petrov.MED[1] = "02.03.202609:301,01 uSv/h";
    petrov.MED[2] = "03.03.202609:301,02 uSv/h";
    store.writeUser(1, petrov);
    read(reading({entry(100, 3, 1), entry(101, 3, 2), entry(555, 3, 3)}));
    ASSERT_EQ(host.logs.size(), 1u);
    EXPECT_EQ(host.logs[0], (std::vector<DoseRateRow>{{2, "03.03.2026", "09:30", "5,55 uSv/h"}}));
}

TEST_F(Intake, DecemberReadOnSecondJanuaryGetsTheNewYear) {
    clock.at = QDateTime(QDate(2027, 1, 2), QTime(8, 0));
    read(reading({entry(5, 12, 31)}));
    EXPECT_EQ(store.readUser(1).MED[0], "31.12.202709:300,05 uSv/h");
}

TEST_F(Intake, LoneBytesExpireOnce) {
    int boxesWhileOpen = 0;
    officer.whileOpen = [&] {
        // The box keeps the event loop running: more bytes and time pass, nothing repeats.
        link.receive(QByteArray(5, char(0xC0)));
        timer.advance(2 * kAnswerWaitMs);
        ++boxesWhileOpen;
    };
    link.receive(QByteArray(19, char(0xC0)));
    EXPECT_TRUE(timer.isActive());
    link.receive(QByteArray(0, '\0'));
    EXPECT_EQ(timer.starts(), 1); // a running timer is not restarted
    timer.advance(kAnswerWaitMs - 1);
    EXPECT_TRUE(officer.boxes.isEmpty());
    timer.advance(1);
    EXPECT_EQ(officer.boxes, QStringList({"error: line 75"}));
    EXPECT_EQ(boxesWhileOpen, 1);
    EXPECT_EQ(timer.timeouts(), 1);
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(link.decoder().receiveCount(), 0);
    EXPECT_EQ(host.purges, 1);
    EXPECT_EQ(link.discardedPieces(), 1);
}

TEST_F(Intake, BrokenFrameIsRejectedAtOnce) {
    QByteArray wire = encodeFrame(reading());
    wire[11] = 0x00;
    link.receive(wire.left(20));
    EXPECT_EQ(officer.boxes, QStringList({"error: line 75"}));
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(link.decoder().receiveCount(), 0);
    EXPECT_EQ(host.purges, 1);
    EXPECT_EQ(store.historyCount(), 0);
}

TEST_F(Intake, BytesDuringTheIntakeAreDiscarded) {
    const QByteArray other = encodeFrame(Reading{0x1234, 999, {entry(1, 1, 1)}, 0});
    officer.whileOpen = [&] { link.receive(other); };
    read(reading({entry(700, 6, 15)}));
    EXPECT_EQ(officer.boxes, QStringList({"info: line 76 1234"}));
    ASSERT_EQ(store.historyCount(), 1);
    store.forEachHistory([](long long, const HistoryRecord& r) {
        EXPECT_EQ(r.Dose, 0.25);
        return true;
    });
    EXPECT_EQ(store.readUser(1).MED[0], "15.06.202609:307,00 uSv/h");
    EXPECT_EQ(link.discardedPieces(), 1);
    EXPECT_EQ(link.decoder().receiveCount(), 0);
    EXPECT_FALSE(timer.isActive());
}

TEST_F(Intake, StoreFailureIsShownAndEndsTheFrame) {
    ASSERT_TRUE(QDir(dir.path()).removeRecursively());
    read(reading());
    EXPECT_EQ(officer.boxes, QStringList({"error: File not found"}));
    EXPECT_EQ(host.purges, 1);
    EXPECT_EQ(link.decoder().receiveCount(), 0);
}

TEST_F(Intake, ClearEd) {
    struct Case {
        long long index;
        std::deque<bool> answers;
        int questions;
        double ed;
    } cases[] = {{1, {false}, 1, 1.5}, {5, {}, 0, 1.5}, {-1, {}, 0, 1.5}, {1, {true}, 1, 0.0}};
    for (const Case& c : cases) {
        officer.boxes.clear();
        officer.answers = c.answers;
        EXPECT_EQ(link.mnu_ClearEDClick(c.index), c.ed == 0.0);
        EXPECT_EQ(officer.boxes.size(), c.questions);
        EXPECT_EQ(store.readUser(1).ED, c.ed);
    }
    EXPECT_EQ(officer.boxes, QStringList({"question: line 78"}));
}

} // namespace
} // namespace sarvo
