// A reading taken in through a virtual serial cable, and the dose-rate log window it opens: its
// grid, its save, print and exit.
#include "core/store/dose_database.h"
#include "gui/support/ui_support.h"

#include <QFileSystemWatcher>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTableWidget>

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
    }

    // Sends one reading; returns when the last byte is written.
    void simulate(const QStringList& options) const {
        QProcess tool;
        tool.start(QStringLiteral(SARVO_TOOL_PATH),
                   QStringList{"simulate", "--port", cable->endA()} + options);
        ASSERT_TRUE(tool.waitForFinished(30000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }

    // The stored readings: person, dosimeter, dose and dose sum.
    using Readings = std::vector<std::tuple<int, std::int64_t, double, double>>;
    Readings readings() const {
        Readings found;
        Store(dir().toStdString(), true).forEachHistory([&](long long, const HistoryRecord& r) {
            found.emplace_back(r.UserNo, r.DosimeterId, r.Dose, r.DoseSum);
            return true;
        });
        return found;
    }

    UserListGrid* grid() const { return child<UserListGrid>(main, "StringGridUser"); }

    std::unique_ptr<VirtualCable> cable;
    std::unique_ptr<SarvoApp> app;
    TFormSarvo* main = nullptr;
};

TEST_F(ReadingTest, InPieces) {
    const QString year = QString::number(QDate::currentDate().year());
    grid()->selectRow(1);
    trigger(main, "mnu_HistGrid"); // a reading returns the window to the list
    trigger(main, "mnu_SavED");
    ModalScript script;
    script.answer(QMessageBox::Ok);  // line 76 with the identifier
    script.answer(QMessageBox::Yes); // line 79: add the dose to ED
    QStringList cells;               // the dose-rate log's: then Exit, and No to the question
    script.add(on<TFormMED>([&cells](TFormMED* log) {
        for (int row = 1; !log->cell(row, 0).isEmpty(); ++row)
            for (int column = 0; column < 4; ++column)
                cells << log->cell(row, column);
        trigger(log, "mnu_MEDExit");
    }));
    script.answer(QMessageBox::No);

    simulate({"--id", "1234", "--dose", "1.234", "--entry", "12.05,14.03,09:30", "--entry",
              "0.5,14.03,09:40", "--piece", "7", "--gap", "5"});
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));

    EXPECT_EQ(script.boxTexts(), QStringList({"1/76 1234", "1/79", "1/81"}));
    EXPECT_EQ(cells.join('|'),
              "0|14.03." + year + "|09:30|12,05 uSv/h|1|14.03." + year + "|09:40|0,50 uSv/h");
    EXPECT_EQ(readings(), (Readings{{1, 0x1234, 1.234, 1.234}}));
    const UserRecord ivanov = Store(dir().toStdString(), true).readUser(0);
    EXPECT_EQ(ivanov.ED, 1.234);
    EXPECT_EQ((QByteArrayList{ivanov.MED[0], ivanov.MED[1], ivanov.MED[2]}),
              (QByteArrayList{("14.03." + year + "09:3012,05 uSv/h").toLatin1(),
                              ("14.03." + year + "09:400,50 uSv/h").toLatin1(), ""}));
    // No frame half taken in, no reading waiting for its time.
    EXPECT_EQ(std::tuple(main->viewState(), grid()->highlightedRow(),
                         child<QAction>(main, "mnu_SavED")->isChecked(),
                         main->link().decoder().receiveCount(),
                         child<QTimer>(main, "TimerWauth")->isActive()),
              std::tuple(TFormSarvo::ViewUserList, 0, false, 0, false));
    // A coarse timer fires up to 5 % early.
    EXPECT_EQ(child<QTimer>(main, "TimerWauth")->timerType(), Qt::PreciseTimer);
}

// A broken frame and an unknown identifier store nothing; then a second reading taken in while a
// box is open is stored after it, a repeat of the first is not.
TEST_F(ReadingTest, BoxesAndRepeats) {
    const QByteArray users = userFile();
    ModalScript script;
    for (int box = 0; box < 3; ++box)
        script.answer(QMessageBox::Ok);
    simulate({"--id", "1234", "--corrupt", "fcs"});
    ASSERT_TRUE(waitUntil([&] { return script.seen().size() == 1; }));
    EXPECT_EQ(main->link().decoder().receiveCount(), 0);
    simulate({"--id", "9999", "--piece", "20"});
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(), QStringList({"1/75", "1/76 9999", "1/92"}));
    EXPECT_TRUE(readings().empty());
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
    EXPECT_EQ(readings(), (Readings{{1, 0x1234, 0.5, 0.5}, {2, 0x5678, 9, 9}}));
    EXPECT_EQ(std::tuple(grid()->highlightedRow(), main->link().decoder().receiveCount(),
                         child<QTimer>(main, "TimerWauth")->isActive()),
              std::tuple(1, 0, false));
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
    {
        Store files(dir().toStdString());
        DoseDatabase levels(files);
        levels.setLimits({1000, 1000, 1000, std::nullopt, 35}); // no level is reached here
    }
    constexpr int kReadings = 25;
    for (int k = 0; k < kReadings; ++k) {
        SCOPED_TRACE(k);
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
    // Each reading saw the ED of all confirmed before it.
    Readings expected;
    for (int k = 1; k <= kReadings; ++k)
        expected.emplace_back(1, 0x1234, 1, k);
    EXPECT_EQ(readings(), expected);
    // One ledger row for each, each ED after the one before.
    DoseDatabase doses(files);
    const std::vector<LedgerRow> rows = doses.ledger(1);
    ASSERT_EQ(rows.size(), std::size_t(kReadings));
    for (int k = 0; k < kReadings; ++k)
        EXPECT_EQ(std::tuple(rows[k].kind, rows[k].historyRecord, rows[k].edAfter),
                  std::tuple(LedgerKind::Reading, k, double(k + 1)));
}

// The window with an entry of a reading of Ivanov Ivan Petrovich, in language 4.
class MedWindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        writeTestLangFile();
        languageStrings().load(dir(), 4);
        UserRecord person;
        person.setTexts("Ivanov", "Ivan", "Petrovich", "Lab");
        window.setPerson(person);
        window.setPrintWindow(&print);
        window.setLine(1, "2", "14.03.2026", "09:30", "12,05 uSv/h");
    }
    TFormPrint print;
    TFormMED window;
};

// Its texts, Esc, the printout; then a failed save keeps the window open, a cancelled one closes
// it without a file; a saved log closes without a question.
TEST_F(MedWindowTest, PrintAndSave) {
    window.setLine(2, "12", "14.03.2026", "09:40", "0,2 uSv/h");
    window.setLine(101, "x", "x", QString(), QString());
    EXPECT_EQ(
        std::pair(window.cell(1, 3), child<QTableWidget>(&window, "StringGridMED")->rowCount()),
        std::pair(QString("12,05 uSv/h"), 100));
    ModalScript script;
    script.add(on<TFormMED>([](TFormMED* med) {
        EXPECT_EQ(med->windowTitle(), QStringLiteral("4/82"));
        auto* grid = child<QTableWidget>(med, "StringGridMED");
        EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("4/80"));
        // The grid fills the window under the menu bar.
        EXPECT_EQ(grid->geometry(), QRect(QPoint(0, med->height() - 354), TFormMED::kGridSize));
        EXPECT_EQ(med->findChild<QMenuBar*>()->geometry().bottom() + 1, grid->y());
        EXPECT_EQ(child<QMenu>(med, "mnu_MEDFile")->title(), QStringLiteral("4/37"));
        // Esc asks as File -> Exit does (Cancel: it stays); the close request does nothing.
        QTest::keyClick(med, Qt::Key_Escape);
        med->close();
        EXPECT_TRUE(med->isVisible());
        trigger(med, "mnu_MEDPrint");
    }));
    script.answer(QMessageBox::Cancel); // line 81 after Esc
    // The printout: a one-digit number right-aligned under the number's column.
    script.add(on<TFormPrint>([](TFormPrint* window) {
        const QString text = child<QTextEdit>(window, "RichEditPrint")->toPlainText();
        EXPECT_TRUE(text.contains(" 4/82. 4/83 Ivanov Ivan Petrovich")) << text.toStdString();
        EXPECT_TRUE(text.contains("\n   2  14.03.2026") && text.contains("\n  12  14.03.2026"));
        child<QPushButton>(window, "btnPrn_Cancel")->click();
    }));
    script.add([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    script.answer(QMessageBox::No); // line 81: leaves without saving
    window.exec();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), (QStringList{"4/81", "4/81"}));

    // A name that leads into a folder that is not there.
    ASSERT_TRUE(QFile::link(path("missing/log.txt"), path("log.txt")));
    script.add([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    script.answer(QMessageBox::Yes); // line 81
    script.add(saveAs(path("log.txt")));
    script.answer(QMessageBox::Ok); // the failure
    script.add([](QWidget* modal) { trigger(modal, "mnu_MEDExit"); });
    script.answer(QMessageBox::Yes); // line 81 again, then no file chosen: the window closes
    script.add([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    ASSERT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts().mid(2), (QStringList{"4/81", "File not found", "4/81"}));
    EXPECT_TRUE(window.unsaved());
    EXPECT_FALSE(QFile::exists(path("missing")));

    script.add([](QWidget* modal) { trigger(modal, "mnu_MEDSaveAs"); });
    script.add(saveAs(path("saved"), {"Text file (*.txt)", "Any file (*)"}));
    script.add([](QWidget* modal) { trigger(modal, "mnu_MEDExit"); });
    window.exec();
    EXPECT_EQ(std::tuple(script.done(), script.boxTexts().size(), window.unsaved()),
              std::tuple(true, qsizetype(5), false));
    // The file's layout is the saved log's; here its texts and the one entry.
    EXPECT_EQ(
        fileBytes("saved.txt").simplified(),
        "4/82. 4/83 Ivanov Ivan Petrovich \xB9 4/59 4/60 4/82 2 14.03.2026 09:30 12,05 uSv/h 12 "
        "14.03.2026 09:40 0,2 uSv/h");
    window.clearLines();
    EXPECT_FALSE(window.hasLines());
}

// A reading that arrives while a history view is open: the list comes back as it was when the
// person file is unchanged, and filled again when another program changed the file before the
// change was reported; either way the person read is marked.
class ReadingOverHistoryTest : public ReadingTest,
                               public ::testing::WithParamInterface<std::tuple<std::string, bool>> {
};

TEST_P(ReadingOverHistoryTest, MarksThePersonRead) {
    const auto [view, changed] = GetParam();
    grid()->selectRow(1);
    trigger(main, QString::fromStdString(view));
    main->userFileWatcher()->blockSignals(true); // no report of a change arrives
    if (changed)
        tool({"add-person", "--last", "Abramov", "--first", "A"}); // Petrov moves to row 2
    QSignalSpy resets(grid()->model(), &QAbstractItemModel::modelReset);
    int resetsAtBox = -1;
    ModalScript script;
    script.add([&](QWidget* modal) {
        resetsAtBox = static_cast<int>(resets.count());
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
    });
    simulate({"--id", "5678", "--dose", "9"});
    ASSERT_TRUE(waitUntil([&] { return script.done() && !main->link().busy(); }));
    main->userFileWatcher()->blockSignals(false);
    const int row = changed ? 2 : 1;
    EXPECT_EQ(std::tuple(script.boxTexts(), resetsAtBox, main->viewState(),
                         grid()->highlightedRow(), grid()->nameCell(row)),
              std::tuple(QStringList{"1/76 5678"}, changed ? 1 : 0, int(TFormSarvo::ViewUserList),
                         row, QString(" Petrov Petr P")));
}

INSTANTIATE_TEST_SUITE_P(Views, ReadingOverHistoryTest,
                         ::testing::Combine(::testing::Values("mnu_HistGrid", "mnu_HistChart"),
                                            ::testing::Bool()));

} // namespace
} // namespace sarvo::test
