#include "gui/support/ui_support.h"

#include "gui/main/form_med.h"

#include <QAbstractButton>
#include <QDate>

namespace sarvo::test {
namespace {

// The program on one end of a virtual serial cable, sarvo-tool simulate on the other.
class ReadingTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        cable = std::make_unique<VirtualCable>(dir());
        ASSERT_TRUE(cable->ready());
        writeTestLangFile();
        writeSettings(cable->endB(), 1);
        addPerson("Ivanov", "Ivan", "I", 0x1234);
        addPerson("Petrov", "Petr", "P", 0x5678);
        app = std::make_unique<SarvoApp>(SarvoApp::Options{.singleInstance = false});
        ASSERT_TRUE(app->start());
        ASSERT_TRUE(waitUntil([&] { return !app->splash()->isVisible(); }));
        main = app->mainWindow();
        users = userFile();
    }

    void TearDown() override {
        app.reset();
        cable.reset();
        UiTest::TearDown();
    }

    // Sends one reading; returns when the last byte is written.
    void simulate(const QStringList& options) const {
        QProcess tool;
        tool.start(QStringLiteral(SARVO_TOOL_PATH),
                   QStringList{"simulate", "--port", cable->endA()} + options);
        ASSERT_TRUE(tool.waitForFinished(30000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }

    std::vector<HistoryRecord> history() const {
        std::vector<HistoryRecord> records;
        Store(dir().toStdString(), true).forEachHistory([&](long long, const HistoryRecord& r) {
            records.push_back(r);
            return true;
        });
        return records;
    }

    // Answers the dose-rate log window: its lines, then Exit and No to the question.
    void leaveLog(ModalScript& script, QStringList* lines) {
        script.add(on<TFormMED>([lines](TFormMED* log) {
            for (int row = 1; !log->cell(row, 0).isEmpty(); ++row)
                *lines << QStringList{log->cell(row, 0), log->cell(row, 1), log->cell(row, 2),
                                      log->cell(row, 3)}
                              .join(QLatin1Char('|'));
            trigger(log, "mnu_MEDExit");
        }));
        script.answer(QMessageBox::No);
    }

    UserListGrid* grid() const { return child<UserListGrid>(main, "StringGridUser"); }

    std::unique_ptr<VirtualCable> cable;
    std::unique_ptr<SarvoApp> app;
    TFormSarvo* main = nullptr;
    QByteArray users;
};

TEST_F(ReadingTest, InPieces) {
    const QString year = QString::number(QDate::currentDate().year());
    grid()->selectRow(1);
    trigger(main, "mnu_HistGrid"); // a reading returns the window to the list
    trigger(main, "mnu_SavED");
    ModalScript script;
    script.answer(QMessageBox::Ok);  // line 76 with the identifier
    script.answer(QMessageBox::Yes); // line 79: add the dose to ED
    QStringList lines;
    leaveLog(script, &lines);

    simulate({"--id", "1234", "--dose", "1.234", "--entry", "12.05,14.03,09:30", "--entry",
              "0.5,14.03,09:40", "--piece", "7", "--gap", "5"});
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));

    EXPECT_EQ(script.boxTexts(), QStringList({"1/76 1234", "1/79", "1/81"}));
    EXPECT_EQ(lines, QStringList({"0|14.03." + year + "|09:30|12,05 uSv/h",
                                  "1|14.03." + year + "|09:40|0,50 uSv/h"}));
    const std::vector<HistoryRecord> records = history();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(std::pair(int(records[0].UserNo), records[0].DosimeterId),
              std::pair(1, std::int64_t{0x1234}));
    EXPECT_DOUBLE_EQ(records[0].Dose, 1.234);
    EXPECT_DOUBLE_EQ(records[0].DoseSum, 1.234);
    const UserRecord ivanov = Store(dir().toStdString(), true).readUser(0);
    EXPECT_DOUBLE_EQ(ivanov.ED, 1.234);
    EXPECT_EQ(ivanov.MED[0], ("14.03." + year + "09:3012,05 uSv/h").toLatin1());
    EXPECT_EQ(ivanov.MED[1], ("14.03." + year + "09:400,50 uSv/h").toLatin1());
    EXPECT_TRUE(ivanov.MED[2].isEmpty());

    EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
    EXPECT_EQ(grid()->highlightedRow(), 0);
    EXPECT_FALSE(child<QAction>(main, "mnu_SavED")->isChecked());
    EXPECT_EQ(main->link().decoder().receiveCount(), 0);
    const auto* wait = child<QTimer>(main, "TimerWauth");
    EXPECT_FALSE(wait->isActive());
    EXPECT_EQ(wait->timerType(), Qt::PreciseTimer); // a coarse one fires up to 5 % early
}

// A broken frame and an unknown identifier store nothing; then a second reading taken in while a
// box is open is stored after it, a repeat of the first is not.
TEST_F(ReadingTest, BoxesAndRepeats) {
    ModalScript script;
    for (int box = 0; box < 3; ++box)
        script.answer(QMessageBox::Ok);
    simulate({"--id", "1234", "--corrupt", "fcs"});
    ASSERT_TRUE(waitUntil([&] { return script.seen().size() == 1; }));
    EXPECT_EQ(main->link().decoder().receiveCount(), 0);
    simulate({"--id", "9999", "--piece", "20"});
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(), QStringList({"1/75", "1/76 9999", "1/92"}));
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(userFile(), users);
    EXPECT_EQ(grid()->highlightedRow(), -1);

    script.add([&](QWidget* modal) {
        // While line 76 is on screen, the first dosimeter's broadcast comes again, then a second
        // dosimeter is read (one after the other: two frames in one buffer break each other).
        simulate({"--id", "1234", "--dose", "0.5"});
        ASSERT_TRUE(waitUntil([&] { return main->link().repeats() == 1; }));
        simulate({"--id", "5678", "--dose", "9", "--piece", "20", "--gap", "5"});
        ASSERT_TRUE(waitUntil([&] { return main->link().queued() == 1; }));
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
    });
    script.answer(QMessageBox::Ok); // line 76 of the second reading
    simulate({"--id", "1234", "--dose", "0.5"});
    ASSERT_TRUE(waitUntil([&] { return script.done() && !main->link().busy(); }));
    EXPECT_EQ(script.boxTexts().mid(3), QStringList({"1/76 1234", "1/76 5678"}));
    const std::vector<HistoryRecord> records = history();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(std::pair(records[0].UserNo, records[0].Dose), std::pair(1, 0.5));
    EXPECT_EQ(std::pair(records[1].UserNo, records[1].Dose), std::pair(2, 9.0));
    EXPECT_EQ(main->link().decoder().receiveCount(), 0);
    EXPECT_FALSE(child<QTimer>(main, "TimerWauth")->isActive());
    EXPECT_EQ(grid()->highlightedRow(), 1);
}

TEST_F(ReadingTest, EdWhileReordered) {
    // Another program keeps adding persons whose names sort before Ivanov's, so that his record
    // moves down the user file with every addition, until the file "stop" appears.
    QProcess writer;
    writer.setWorkingDirectory(dir());
    writer.start("/bin/sh", {"-c",
                             "i=0; while [ ! -e stop ]; do i=$((i+1)); "
                             "\"$0\" add-person --dir . --last \"Aa$i\" --first X >/dev/null "
                             "|| exit 1; done",
                             QStringLiteral(SARVO_TOOL_PATH)});
    ASSERT_TRUE(writer.waitForStarted());
    constexpr int kReadings = 25;
    for (int k = 0; k < kReadings; ++k) {
        SCOPED_TRACE(k);
        ASSERT_FALSE(child<QAction>(main, "mnu_SavED")->isChecked());
        trigger(main, "mnu_SavED");
        ModalScript script;
        script.answer(QMessageBox::Ok);  // line 76
        script.answer(QMessageBox::Yes); // line 79: add the dose to ED
        simulate({"--id", "1234", "--dose", "1"});
        ASSERT_TRUE(waitUntil([&] { return script.done() && !main->link().busy(); }));
        ASSERT_EQ(script.boxTexts(), QStringList({"1/76 1234", "1/79"}));
    }
    QFile(path("stop")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(writer.waitForFinished(60000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();

    Store files(dir().toStdString(), true);
    const long long index = files.findUserIndex(1);
    ASSERT_GT(index, 0) << "the file was not reordered";
    EXPECT_EQ(files.readUser(index).ED, double(kReadings));
    const std::vector<HistoryRecord> records = history();
    std::vector<double> sums, expected;
    for (const HistoryRecord& record : records)
        sums.push_back(record.DoseSum);
    for (int k = 1; k <= kReadings; ++k)
        expected.push_back(k); // each reading saw the ED of all confirmed before it
    EXPECT_EQ(sums, expected);
}

} // namespace
} // namespace sarvo::test
