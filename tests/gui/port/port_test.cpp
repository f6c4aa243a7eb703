#include "gui/support/ui_support.h"

#include "tool/run_tool.h"

#include <QComboBox>
#include <QFile>
#include <unistd.h>

namespace sarvo::test {
namespace {

// Each test has a virtual serial cable in its directory.
class PortTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        cable = std::make_unique<VirtualCable>(dir());
        ASSERT_TRUE(cable->ready());
        writeTestLangFile();
    }
    // A step that puts `port` into the dialog's list (pseudo-terminals are not listed by the
    // system), picks it and presses OK.
    static ModalScript::Step choose(const QString& port) {
        return on<TFormSelPort>([port](TFormSelPort* dialog) {
            auto* list = child<QComboBox>(dialog, "CCBSelPort");
            if (list->findText(port) < 0)
                list->addItem(port);
            list->setCurrentText(port);
            child<QPushButton>(dialog, "BtnOk")->click();
        });
    }
    std::unique_ptr<VirtualCable> cable;
};

// At the first start a port that cannot be opened keeps the dialog open; the next choice is
// opened and saved. A bad choice later closes the open port, and the dialog stays.
TEST_F(PortTest, ChoiceSavedOrRefused) {
    writeSettings(QString(), 1);
    SarvoApp app({.singleInstance = false});
    {
        ModalScript script;
        script.add(choose(path("no-such-port")));
        script.answer(QMessageBox::Ok); // line 22
        script.add(choose(cable->endB()));
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        EXPECT_EQ(script.boxTexts(), QStringList{"1/22"});
    }
    auto* port = child<ComPort>(app.mainWindow(), "ComPortSarvo");
    EXPECT_EQ(std::pair(port->portName(), port->isOpen()), std::pair(cable->endB(), true));
    // Choosing a port in the dialog does not close the splash window.
    EXPECT_TRUE(app.splash()->isVisible());
    const SettingsRecord saved = store().readSettings().value();
    EXPECT_EQ(std::pair(saved.portName(), int(saved.LangIndex)), std::pair(cable->endB(), 1));

    ModalScript refusal;
    refusal.add(on<TFormSelPort>([&](TFormSelPort* dialog) {
        EXPECT_EQ(dialog->portText(), cable->endB());
        choose(path("no-such-port"))(dialog);
    }));
    refusal.answer(QMessageBox::Ok);
    refusal.add(
        on<TFormSelPort>([](TFormSelPort* d) { child<QPushButton>(d, "BtnCancel")->click(); }));
    trigger(app.mainWindow(), "mnu_SelPort");
    ASSERT_TRUE(waitUntil([&] { return refusal.done(); }));
    EXPECT_EQ(refusal.boxTexts(), QStringList{"1/22"});
    EXPECT_FALSE(port->isOpen());
}

// The program's port comes first, chosen when it is there and only named when it is not; a
// device path typed in is opened and stored as typed. A device file the user may not open
// names the group dialout.
TEST_F(PortTest, StoredFirstTypedPathKept) {
    const QString locked = path("locked");
    QFile file(locked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.setPermissions({}));
    writeSettings(locked, 1);
    SarvoApp app({.singleInstance = false});
    {
        ModalScript start;
        start.answer(QMessageBox::Ok);
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(waitUntil([&] { return start.done(); }));
        const QString box = start.boxTexts().value(0);
        EXPECT_TRUE(box.startsWith("1/22")) << box;
        if (::geteuid() != 0) { // permissions do not stop root
            EXPECT_TRUE(box.contains("group dialout") && box.contains("adduser")) << box;
        }
    }
    file.remove();
    const auto lines = [](QComboBox* list) {
        QStringList texts{QString::number(list->currentIndex()), list->currentText()};
        for (int line = 0; line < list->count(); ++line)
            texts << list->itemText(line);
        return texts.mid(0, 3);
    };
    {
        ModalScript typed;
        typed.add(on<TFormSelPort>([&](TFormSelPort* dialog) {
            auto* list = child<QComboBox>(dialog, "CCBSelPort");
            EXPECT_EQ(lines(list), (QStringList{"-1", "", locked + " (not present)"}));
            QTest::keyClicks(list->lineEdit(), cable->endB());
            QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        }));
        trigger(app.mainWindow(), "mnu_SelPort");
        EXPECT_TRUE(typed.done());
    }
    EXPECT_EQ(store().readSettings()->portName(), cable->endB());
    EXPECT_TRUE(child<ComPort>(app.mainWindow(), "ComPortSarvo")->isOpen());
    ModalScript again;
    again.add(on<TFormSelPort>([&](TFormSelPort* dialog) {
        auto* list = child<QComboBox>(dialog, "CCBSelPort");
        EXPECT_EQ(lines(list), (QStringList{"0", cable->endB(), cable->endB()}));
        EXPECT_EQ(dialog->portText(), cable->endB());
        child<QPushButton>(dialog, "BtnCancel")->click();
    }));
    trigger(app.mainWindow(), "mnu_SelPort");
    EXPECT_TRUE(again.done());
}

TEST_F(PortTest, ToolPortOpensLossGivesOneBox) {
    // What the run script does: the settings file made with the program's end of the cable.
    const ToolResult set =
        runTool({"settings", "--dir", dir(), "--port", cable->endB(), "--lang", "6"}, "C.UTF-8");
    EXPECT_EQ(std::pair(set.code, set.out),
              std::pair(0, QStringLiteral("port %1\nlanguage 6\n").arg(cable->endB())));

    SarvoApp app({.singleInstance = false});
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(waitUntil([&] { return !app.splash()->isVisible(); }));
    EXPECT_TRUE(child<ComPort>(app.mainWindow(), "ComPortSarvo")->isOpen());
    ModalScript script;
    script.answer(QMessageBox::Ok);
    cable->stop();
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_FALSE(child<ComPort>(app.mainWindow(), "ComPortSarvo")->isOpen());
    waitUntil([] { return false; }, 300); // nothing more follows
    EXPECT_EQ(script.boxTexts(), QStringList{"6/22"});
}

} // namespace
} // namespace sarvo::test
