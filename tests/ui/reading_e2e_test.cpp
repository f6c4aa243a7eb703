#include "ui_support.h"

#include "link/com_port.h"
#include "shell/form_zast.h"
#include "shell/sarvo_app.h"
#include "store/store.h"
#include "views/form_med.h"

#include <QAbstractButton>
#include <QDate>
#include <QMenu>
#include <QTableView>

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
        addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QStringLiteral("I"), 0x1234);
        addPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QStringLiteral("P"), 0x5678);
        SarvoApp::Options options;
        options.singleInstance = false;
        app = std::make_unique<SarvoApp>(options);
        ASSERT_TRUE(app->start());
        ASSERT_TRUE(waitUntil([&] { return !app->splash()->isVisible(); }));
        main = app->mainWindow();
        userFile = fileBytes(QStringLiteral("DB/DataUsers.usr"));
    }

    void TearDown() override {
        app.reset();
        cable.reset();
        UiTest::TearDown();
    }

    // Sends one reading; returns when the last byte is written.
    void simulate(const QStringList& options) const {
        QProcess tool;
        tool.start(
            QStringLiteral(SARVO_TOOL_PATH),
            QStringList{QStringLiteral("simulate"), QStringLiteral("--port"), cable->endA()} +
                options);
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
        script.add([lines](QWidget* modal) {
            auto* log = qobject_cast<TFormMED*>(modal);
            ASSERT_NE(log, nullptr);
            for (int row = 1; !log->cell(row, 0).isEmpty(); ++row)
                *lines << QStringList{log->cell(row, 0), log->cell(row, 1), log->cell(row, 2),
                                      log->cell(row, 3)}
                              .join(QLatin1Char('|'));
            log->mnu_MEDExit->trigger();
        });
        script.answer(QMessageBox::No);
    }

    std::unique_ptr<VirtualCable> cable;
    std::unique_ptr<SarvoApp> app;
    TFormSarvo* main = nullptr;
    QByteArray userFile;
};

TEST_F(ReadingTest, RegisteredReadingInPiecesIsStoredAndMarked) {
    const QString year = QString::number(QDate::currentDate().year());
    main->StringGridUser->selectRow(1);
    main->ToggleHistGrid(); // a reading returns the window to the list
    main->mnu_SavED->trigger();
    ModalScript script;
    script.answer(QMessageBox::Ok);  // line 76 with the identifier
    script.answer(QMessageBox::Yes); // line 79: add the dose to ED
    QStringList lines;
    leaveLog(script, &lines);

    simulate({QStringLiteral("--id"), QStringLiteral("1234"), QStringLiteral("--dose"),
              QStringLiteral("1.234"), QStringLiteral("--entry"),
              QStringLiteral("12.05,14.03,09:30"), QStringLiteral("--entry"),
              QStringLiteral("0.5,14.03,09:40"), QStringLiteral("--piece"), QStringLiteral("7"),
              QStringLiteral("--gap"), QStringLiteral("5")});
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));

    EXPECT_EQ(script.boxTexts(), QStringList({QStringLiteral("1/76 1234"), QStringLiteral("1/79"),
                                              QStringLiteral("1/81")}));
    EXPECT_EQ(lines, QStringList({QStringLiteral("0|14.03.%1|09:30|12,05 uSv/h").arg(year),
                                  QStringLiteral("1|14.03.%1|09:40|0,50 uSv/h").arg(year)}));
    const std::vector<HistoryRecord> records = history();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].UserNo, 1);
    EXPECT_EQ(records[0].DosimeterId, 0x1234);
    EXPECT_DOUBLE_EQ(records[0].Dose, 1.234);
    EXPECT_DOUBLE_EQ(records[0].DoseSum, 1.234);
    const UserRecord ivanov = Store(dir().toStdString(), true).readUser(0);
    EXPECT_DOUBLE_EQ(ivanov.ED, 1.234);
    EXPECT_EQ(ivanov.MED[0],
              (QStringLiteral("14.03.") + year + QStringLiteral("09:3012,05 uSv/h")).toLatin1());
    EXPECT_EQ(ivanov.MED[1],
              (QStringLiteral("14.03.") + year + QStringLiteral("09:400,50 uSv/h")).toLatin1());
    EXPECT_TRUE(ivanov.MED[2].isEmpty());

    EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
    EXPECT_FALSE(main->StringGridUser->isHidden());
    EXPECT_EQ(main->StringGridUser->highlightedRow(), 0);
    EXPECT_FALSE(main->mnu_SavED->isChecked());
    EXPECT_EQ(main->link().decoder().receiveCount(), 0);
    EXPECT_FALSE(main->TimerWauth->isActive());
}

TEST_F(ReadingTest, UnregisteredIdentifierStoresNothing) {
    ModalScript script;
    script.answer(QMessageBox::Ok);
    script.answer(QMessageBox::Ok);
    simulate({QStringLiteral("--id"), QStringLiteral("9999"), QStringLiteral("--piece"),
              QStringLiteral("20")});
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(),
              QStringList({QStringLiteral("1/76 9999"), QStringLiteral("1/92")}));
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(fileBytes(QStringLiteral("DB/DataUsers.usr")), userFile);
    EXPECT_EQ(main->StringGridUser->highlightedRow(), -1);
}

TEST_F(ReadingTest, BrokenFrameShowsLine75AndStoresNothing) {
    ModalScript script;
    script.answer(QMessageBox::Ok);
    simulate({QStringLiteral("--id"), QStringLiteral("1234"), QStringLiteral("--corrupt"),
              QStringLiteral("fcs")});
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/75")});
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(fileBytes(QStringLiteral("DB/DataUsers.usr")), userFile);
    EXPECT_EQ(main->link().decoder().receiveCount(), 0);
}

TEST_F(ReadingTest, SecondReadingDuringTheBoxesIsDiscarded) {
    ModalScript script;
    script.add([&](QWidget* modal) {
        // While line 76 is on screen, a second dosimeter is read.
        simulate({QStringLiteral("--id"), QStringLiteral("5678"), QStringLiteral("--dose"),
                  QStringLiteral("9")});
        ASSERT_TRUE(waitUntil([&] { return main->ComPortSarvo->bytesWaiting() >= 72; }));
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
    });
    simulate({QStringLiteral("--id"), QStringLiteral("1234"), QStringLiteral("--dose"),
              QStringLiteral("0.5")});
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));

    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/76 1234")});
    const std::vector<HistoryRecord> records = history();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].UserNo, 1);
    EXPECT_EQ(main->ComPortSarvo->bytesWaiting(), 0);
    EXPECT_EQ(main->link().decoder().receiveCount(), 0);
    EXPECT_FALSE(main->TimerWauth->isActive());
    EXPECT_EQ(main->StringGridUser->highlightedRow(), 0);
}

} // namespace
} // namespace sarvo::test
