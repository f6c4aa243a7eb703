#include "gui/support/ui_support.h"

#include <QComboBox>

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
            EXPECT_EQ(child<QLabel>(dialog, "LabelSelPort")->text(), "1/21");
            auto* list = child<QComboBox>(dialog, "CCBSelPort");
            if (list->findText(port) < 0)
                list->addItem(port);
            list->setCurrentText(port);
            child<QPushButton>(dialog, "BtnOk")->click();
        });
    }
    std::unique_ptr<VirtualCable> cable;
};

TEST_F(PortTest, FirstStartChoiceSaved) {
    writeSettings(QString(), 1);
    ModalScript script;
    script.add(choose(path("no-such-port")));
    script.answer(QMessageBox::Ok); // line 22, the dialog stays open
    script.add(choose(cable->endB()));
    SarvoApp app({.singleInstance = false});
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(), QStringList{"1/22"});
    EXPECT_EQ(child<ComPort>(app.mainWindow(), "ComPortSarvo")->portName(), cable->endB());
    EXPECT_TRUE(child<ComPort>(app.mainWindow(), "ComPortSarvo")->isOpen());
    // Choosing a port in the dialog does not close the splash window.
    EXPECT_TRUE(app.splash()->isVisible());
    // The record keeps the first 4 characters; the whole name follows it.
    const QByteArray ini = fileBytes("Sarvo.ini");
    const QByteArray name = cable->endB().toLocal8Bit();
    ASSERT_EQ(ini.size(), 27 + 256);
    EXPECT_EQ(ini.left(5), '\x04' + name.left(4));
    EXPECT_EQ(static_cast<std::uint8_t>(ini.at(27)), name.size());
    EXPECT_EQ(ini.mid(28, name.size()), name);
}

TEST_F(PortTest, ToolPortOpensLossGivesOneBox) {
    // What the run script does: the settings file made with the program's end of the cable.
    QProcess tool;
    tool.start(SARVO_TOOL_PATH,
               {"settings", "--dir", dir(), "--port", cable->endB(), "--lang", "6"});
    ASSERT_TRUE(tool.waitForFinished() && tool.exitCode() == 0);
    EXPECT_EQ(QString::fromLocal8Bit(tool.readAllStandardOutput()),
              QStringLiteral("port %1\nlanguage 6\n").arg(cable->endB()));
    EXPECT_EQ(fileBytes("Sarvo.ini").at(5), 6);

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

TEST_F(PortTest, BadChoiceClosesOpenPort) {
    languageStrings().load(dir(), 1);
    ComPort port;
    port.setPortName(cable->endB());
    port.open();
    ASSERT_TRUE(port.isOpen());
    TFormSelPort dialog(port);
    ModalScript script;
    script.add([&](QWidget* modal) {
        EXPECT_EQ(dialog.portText(), cable->endB());
        choose(path("no-such-port"))(modal);
    });
    script.answer(QMessageBox::Ok);
    script.add([&](QWidget* modal) {
        EXPECT_EQ(modal, &dialog); // still open
        child<QPushButton>(&dialog, "BtnCancel")->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), QStringList{"1/22"});
    EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace sarvo::test
