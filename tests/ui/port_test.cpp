#include "ui_support.h"

#include "link/com_port.h"
#include "link/form_sel_port.h"
#include "shell/form_zast.h"
#include "shell/language.h"
#include "shell/sarvo_app.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace sarvo::test {
namespace {

using PortTest = UiTest;

SarvoApp::Options sideBySide() {
    SarvoApp::Options options;
    options.singleInstance = false;
    return options;
}

// Puts `port` into the dialog's list (pseudo-terminals are not listed by the system) and picks
// it.
void choose(TFormSelPort* dialog, const QString& port) {
    if (dialog->CCBSelPort->findText(port) < 0)
        dialog->CCBSelPort->addItem(port);
    dialog->CCBSelPort->setCurrentText(port);
}

TEST_F(PortTest, ChoiceInTheFirstStartDialogOpensThePortAndIsSaved) {
    VirtualCable cable(dir());
    ASSERT_TRUE(cable.ready());
    writeTestLangFile();
    writeSettings(QString(), 1);
    const QString missing = path(QStringLiteral("no-such-port"));
    ModalScript script;
    script.add([&](QWidget* modal) {
        auto* dialog = qobject_cast<TFormSelPort*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->LabelSelPort->text(), QStringLiteral("1/21"));
        choose(dialog, missing);
        dialog->BtnOk->click();
    });
    script.answer(QMessageBox::Ok); // line 22, the dialog stays open
    script.add([&](QWidget* modal) {
        auto* dialog = qobject_cast<TFormSelPort*>(modal);
        ASSERT_NE(dialog, nullptr);
        choose(dialog, cable.endB());
        dialog->BtnOk->click();
    });
    SarvoApp app(sideBySide());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));

    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/22")});
    ASSERT_EQ(script.seen().size(), 3u);
    EXPECT_EQ(script.seen()[2].kind, QStringLiteral("TFormSelPort"));
    ComPort* port = app.mainWindow()->ComPortSarvo;
    EXPECT_TRUE(port->isOpen());
    EXPECT_EQ(port->portName(), cable.endB());
    // Choosing a port in the dialog does not close the splash window.
    EXPECT_TRUE(app.splash()->isVisible());

    // The record keeps the first 4 characters; the whole name follows it.
    const QByteArray ini = fileBytes(QStringLiteral("Sarvo.ini"));
    const QByteArray name = cable.endB().toLocal8Bit();
    ASSERT_EQ(ini.size(), 27 + 256);
    EXPECT_EQ(ini.at(0), 4);
    EXPECT_EQ(ini.mid(1, 4), name.left(4));
    EXPECT_EQ(static_cast<std::uint8_t>(ini.at(27)), name.size());
    EXPECT_EQ(ini.mid(28, name.size()), name);
}

TEST_F(PortTest, PortStoredBySarvoToolOpensAtStartAndClosesTheSplash) {
    VirtualCable cable(dir());
    ASSERT_TRUE(cable.ready());
    // What the run script does: the settings file made with the program's end of the cable.
    QProcess tool;
    tool.start(QStringLiteral(SARVO_TOOL_PATH),
               {QStringLiteral("settings"), QStringLiteral("--dir"), dir(),
                QStringLiteral("--port"), cable.endB(), QStringLiteral("--lang"),
                QStringLiteral("6")});
    ASSERT_TRUE(tool.waitForFinished());
    ASSERT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(tool.readAllStandardOutput()),
              QStringLiteral("port %1\nlanguage 6\n").arg(cable.endB()));
    const QByteArray ini = fileBytes(QStringLiteral("Sarvo.ini"));
    ASSERT_GT(ini.size(), 27);
    EXPECT_EQ(ini.at(5), 6);

    SarvoApp app(sideBySide());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(waitUntil([&] { return !app.splash()->isVisible(); }));
    EXPECT_TRUE(app.mainWindow()->ComPortSarvo->isOpen());
}

TEST_F(PortTest, UnopenablePortChosenWhileAnotherIsOpenLeavesNoPortOpen) {
    VirtualCable cable(dir());
    ASSERT_TRUE(cable.ready());
    writeTestLangFile();
    languageStrings().load(dir(), 1);
    ComPort port;
    port.setPortName(cable.endB());
    port.open();
    ASSERT_TRUE(port.isOpen());
    TFormSelPort dialog(port);
    ModalScript script;
    script.add([&](QWidget*) {
        EXPECT_EQ(dialog.CCBSelPort->currentText(), cable.endB());
        choose(&dialog, path(QStringLiteral("no-such-port")));
        dialog.BtnOk->click();
    });
    script.answer(QMessageBox::Ok);
    script.add([&](QWidget* modal) {
        EXPECT_EQ(modal, &dialog); // still open
        dialog.BtnCancel->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/22")});
    EXPECT_FALSE(port.isOpen());
}

TEST_F(PortTest, AdapterThatGoesAwayClosesThePortWithOneMessage) {
    auto cable = std::make_unique<VirtualCable>(dir());
    ASSERT_TRUE(cable->ready());
    writeTestLangFile();
    writeSettings(cable->endB(), 1);
    SarvoApp app(sideBySide());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(waitUntil([&] { return !app.splash()->isVisible(); }));
    ModalScript script;
    script.answer(QMessageBox::Ok);
    cable->stop();
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_FALSE(app.mainWindow()->ComPortSarvo->isOpen());
    // Nothing more follows.
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/22")});
}

} // namespace
} // namespace sarvo::test
