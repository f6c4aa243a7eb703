#include "ui_support.h"

#include "link/com_port.h"
#include "link/form_sel_port.h"
#include "shell/form_abou.h"
#include "shell/form_zast.h"
#include "shell/language.h"
#include "shell/pictogram.h"
#include "shell/sarvo_app.h"
#include "shell/single_instance.h"
#include "views/form_sarvo.h"
#include "views/user_list_grid.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLocalServer>
#include <QLockFile>
#include <QMenu>
#include <QPushButton>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sarvo::test {
namespace {

using StartupTest = UiTest;

SarvoApp::Options sideBySide() {
    SarvoApp::Options options;
    options.singleInstance = false;
    return options;
}

TEST_F(StartupTest, FirstStartInEmptyDirectoryCreatesSettingsAndAsksForThePort) {
    ModalScript script;
    script.add([](QWidget* modal) {
        auto* dialog = qobject_cast<TFormSelPort*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->BtnCancel->click();
    });
    SarvoApp app(sideBySide());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));

    // 27 bytes: PortName (length 0 and 4 characters), LangIndex, VersionText.
    const QByteArray ini = fileBytes(QStringLiteral("Sarvo.ini"));
    ASSERT_EQ(ini.size(), 27);
    EXPECT_EQ(ini.at(0), 0);
    EXPECT_EQ(static_cast<std::uint8_t>(ini.at(5)), defaultLanguageIndex());
    EXPECT_EQ(ini.mid(7, static_cast<std::uint8_t>(ini.at(6))), defaultVersionText());

    // Without Lang.txt every text is empty.
    TFormSarvo* main = app.mainWindow();
    EXPECT_TRUE(main->windowTitle().isEmpty());
    EXPECT_TRUE(main->mnu_File->title().isEmpty());
    EXPECT_TRUE(main->tb_exit->toolTip().isEmpty());
    EXPECT_EQ(main->StringGridUser->horizontalHeaderItem(0)->text(), QStringLiteral("  "));

    // The port dialog was the only window asked for; Cancel wrote nothing and opened nothing.
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].kind, QStringLiteral("TFormSelPort"));
    EXPECT_EQ(fileBytes(QStringLiteral("Sarvo.ini")), ini);
    EXPECT_FALSE(main->ComPortSarvo->isOpen());
    EXPECT_TRUE(app.splash()->isVisible());
    // The user file is created with the list.
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("DB/DataUsers.usr"))));
    EXPECT_EQ(main->StringGridUser->rowCount(), 29);
}

TEST_F(StartupTest, StoredPortThatCannotBeOpenedShowsLine22AndKeepsTheSplash) {
    writeTestLangFile();
    writeSettings(path(QStringLiteral("no-such-port")), 1);
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QStringLiteral("Ivanovich"));
    ModalScript script;
    script.answer(QMessageBox::Ok);
    SarvoApp app(sideBySide());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));

    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/22")});
    EXPECT_TRUE(app.splash()->isVisible());
    EXPECT_FALSE(app.mainWindow()->ComPortSarvo->isOpen());
    // The rest of the window works.
    EXPECT_EQ(app.mainWindow()->windowTitle(), QStringLiteral("1/1"));
    EXPECT_EQ(app.mainWindow()->StringGridUser->rowCount(), 30);
    EXPECT_EQ(app.splash()->LabelZast[0]->text(), QStringLiteral("1/6"));
    EXPECT_EQ(app.splash()->LabelZast[4]->text(), QStringLiteral("1/10"));
}

TEST_F(StartupTest, OnlyAReturnFromTheSplashWindowActivatesTheMainWindowAgain) {
    writeTestLangFile();
    writeSettings(path(QStringLiteral("no-such-port")), 1);
    ModalScript script;
    script.answer(QMessageBox::Ok);
    script.answer(QMessageBox::Ok);
    SarvoApp app(sideBySide());
    ASSERT_TRUE(app.start());
    const auto answered = [&](std::size_t boxes) {
        return script.seen().size() == boxes && !QApplication::activeModalWidget();
    };
    ASSERT_TRUE(waitUntil([&] { return answered(1); }));

    // The focus back from a dialog or another program: no activation.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(app.mainWindow(), &activate);
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(script.seen().size(), 1u);

    // The focus back from the splash window: the activation runs again and tries the port.
    emit app.splash()->activated();
    QApplication::sendEvent(app.mainWindow(), &activate);
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(), QStringList(2, QStringLiteral("1/22")));
    EXPECT_TRUE(app.splash()->isVisible());
}

TEST_F(StartupTest, ShortSettingsFileEndsStartUpWithItsFailureText) {
    QFile ini(path(QStringLiteral("Sarvo.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("\x04"
              "COM1");
    ini.close();
    ModalScript script;
    script.answer(QMessageBox::Ok);
    SarvoApp app(sideBySide());
    EXPECT_FALSE(app.start());
    EXPECT_EQ(app.exitCode(), 1);
    EXPECT_EQ(app.mainWindow(), nullptr);
    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("Read beyond end of file")});
}

TEST_F(StartupTest, DirectoryLockedByALiveProgramIsRefused) {
    QLockFile held(path(SarvoApp::lockFileName()));
    ASSERT_TRUE(held.tryLock(0));
    ModalScript script;
    script.answer(QMessageBox::Ok);
    SarvoApp app(sideBySide());
    EXPECT_FALSE(app.start());
    EXPECT_EQ(app.exitCode(), 1);
    EXPECT_EQ(app.splash(), nullptr);
    ASSERT_EQ(script.boxTexts().size(), 1);
    EXPECT_TRUE(script.boxTexts()[0].contains(QStringLiteral("in use")));
}

TEST_F(StartupTest, LockLeftByADeadProgramIsTakenOver) {
    const QString lockPath = path(SarvoApp::lockFileName());
    const pid_t child = fork();
    if (child == 0) {
        // Take the lock and end without giving it back.
        QLockFile lock(lockPath);
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(lockPath));

    writeSettings(path(QStringLiteral("no-such-port")), 1);
    ModalScript script;
    script.answer(QMessageBox::Ok); // the port
    SarvoApp app(sideBySide());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_NE(app.mainWindow(), nullptr);
}

TEST_F(StartupTest, SecondProgramWithTheSameTitleShowsTheFirst) {
    const QString title = QStringLiteral("title %1").arg(QCoreApplication::applicationPid());
    SingleInstance first;
    ASSERT_TRUE(first.listen(title));
    int requests = 0;
    QObject::connect(&first, &SingleInstance::showRequested, [&] { ++requests; });

    EXPECT_TRUE(SingleInstance::askRunningToShow(title));
    ASSERT_TRUE(waitUntil([&] { return requests == 1; }));
    EXPECT_FALSE(SingleInstance::askRunningToShow(title + QStringLiteral(" other")));

    // After a language pick the running program answers under its new title only.
    ASSERT_TRUE(first.listen(title + QStringLiteral(" new")));
    EXPECT_FALSE(SingleInstance::askRunningToShow(title));
    EXPECT_TRUE(SingleInstance::askRunningToShow(title + QStringLiteral(" new")));
}

TEST_F(StartupTest, SocketLeftByACrashedProgramDoesNotBlockTheNextStart) {
    const QString title = QStringLiteral("crashed %1").arg(QCoreApplication::applicationPid());
    const QString name = SingleInstance::serverName(title);
    // What a crashed program leaves: the socket's file, bound once, with nobody listening.
    const QByteArray file = QDir(QDir::tempPath()).filePath(name).toLocal8Bit();
    QLocalServer::removeServer(name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<size_t>(file.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, file.constData(), static_cast<size_t>(file.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QString::fromLocal8Bit(file)));

    EXPECT_FALSE(SingleInstance::askRunningToShow(title));
    SingleInstance next;
    EXPECT_TRUE(next.listen(title));
    EXPECT_TRUE(SingleInstance::askRunningToShow(title));
}

TEST_F(StartupTest, AboutBoxShowsItsTextsAndAnimatesWhileOpen) {
    writeTestLangFile();
    languageStrings().load(dir(), 1);
    TFormAbou about;
    bool animating = false;
    ModalScript script;
    script.add([&](QWidget* modal) {
        auto* box = qobject_cast<TFormAbou*>(modal);
        ASSERT_NE(box, nullptr);
        animating = box->GIFImageAbou->isAnimating();
        box->BtnOk->click();
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_TRUE(animating);
    EXPECT_FALSE(about.GIFImageAbou->isAnimating());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("1/90"));
    EXPECT_EQ(about.BtnOk->text(), QStringLiteral("1/19"));
    EXPECT_EQ(about.LabelAbou[0]->text(), QStringLiteral("1/6"));
    EXPECT_EQ(about.LabelAbou[4]->text(), QStringLiteral("1/10"));
    EXPECT_EQ(about.LabelWeb->text(), TFormAbou::webAddress());
}

TEST_F(StartupTest, ExitHidesTheTrayAndEndsTheProgram) {
    TFormSarvo main(dir(), SettingsRecord::defaults(1));
    // Offscreen there is no notification area: the program runs without the icon.
    EXPECT_EQ(main.TrayIconSarvo, nullptr);
    int ends = 0;
    QObject::connect(&main, &TFormSarvo::programEnds, [&] { ++ends; });
    main.mnu_ExitClick();
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(main.isVisible());
}

} // namespace
} // namespace sarvo::test
