#include "gui/support/ui_support.h"

#include "gui/app/command_line.h"
#include "gui/app/single_instance.h"
#include "gui/dialogs/form_new_user.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLockFile>
#include <QScopeGuard>
#include <QSystemTrayIcon>
#include <sys/wait.h>
#include <unistd.h>

namespace sarvo::test {
namespace {

using StartupTest = UiTest;

// Runs `act` in a child process, which it ends with _exit (nothing is cleaned up); true when
// the child ended with 0.
bool inChild(const std::function<void()>& act) {
    const pid_t pid = fork();
    if (pid == 0)
        act();
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

ModalScript::Step cancelPort() {
    return on<TFormSelPort>([](TFormSelPort* d) { child<QPushButton>(d, "BtnCancel")->click(); });
}

TEST_F(StartupTest, FirstStartWritesDefaults) {
    ModalScript script;
    script.add(cancelPort());
    SarvoApp app({.singleInstance = false});
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    // The defaults of the system's language; Cancel in the port dialog wrote nothing more and
    // opened nothing.
    EXPECT_EQ(fileBytes("Sarvo.ini"),
              SettingsRecord::defaults(defaultLanguageIndex()).toFileBytes());
    // Without Lang.txt every text is empty.
    TFormSarvo* main = app.mainWindow();
    EXPECT_EQ(main->windowTitle() + child<QMenu>(main, "mnu_File")->title() +
                  child<QAction>(main, "tb_exit")->toolTip() +
                  child<UserListGrid>(main, "StringGridUser")->horizontalHeaderItem(0)->text(),
              "  ");
    EXPECT_EQ(std::tuple(child<ComPort>(main, "ComPortSarvo")->isOpen(), app.splash()->isVisible(),
                         QFile::exists(path("DB/DataUsers.usr"))),
              std::tuple(false, true, true));
}

// A lock left by a program that died is taken over; a port that cannot be opened keeps the
// splash window.
TEST_F(StartupTest, DeadLockAndBadPort) {
    writeTestLangFile();
    writeSettings(path("no-such-port"), 1);
    // A program that takes the lock and ends without giving it back.
    const QString lockPath = path(SarvoApp::lockFileName());
    ASSERT_TRUE(inChild([&] { _exit(QLockFile(lockPath).tryLock(0) ? 0 : 1); }));
    addPerson("Ivanov", "Ivan", "Ivanovich");
    ModalScript script;
    script.answer(QMessageBox::Ok);
    script.answer(QMessageBox::Ok);
    SarvoApp app({.singleInstance = false});
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(
        waitUntil([&] { return script.seen().size() == 1 && !QApplication::activeModalWidget(); }));
    EXPECT_EQ(script.boxTexts(), QStringList{"1/22"});
    EXPECT_TRUE(app.splash()->isVisible());
    EXPECT_FALSE(child<ComPort>(app.mainWindow(), "ComPortSarvo")->isOpen());

    // The focus back from a dialog or another program: no activation.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(app.mainWindow(), &activate);
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(script.seen().size(), 1u);
    // The focus back from the splash window: the activation runs again and tries the port.
    emit app.splash()->activated();
    QApplication::sendEvent(app.mainWindow(), &activate);
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(), QStringList(2, "1/22"));
    EXPECT_TRUE(app.splash()->isVisible());
}

// A short settings file or a lock another program holds end start-up with a box.
TEST_F(StartupTest, BadSettingsAndLocks) {
    QFile ini(path("Sarvo.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write("\x04COM1", 5) == 5 && ini.flush());
    const QString lockPath = path(SarvoApp::lockFileName());
    {
        QLockFile held(lockPath);
        for (const QString expected : {"Read beyond end of file", "in use"}) {
            ModalScript script;
            script.answer(QMessageBox::Ok);
            SarvoApp app({.singleInstance = false});
            EXPECT_FALSE(app.start());
            EXPECT_EQ(std::pair(app.exitCode(), app.splash()), std::pair(1, (TFormZast*)nullptr));
            EXPECT_TRUE(script.boxTexts().size() == 1 && script.boxTexts()[0].contains(expected))
                << script.boxTexts().join('|');
            // The second round: a good settings file in a directory another program holds.
            writeSettings(path("no-such-port"), 1);
            ASSERT_TRUE(held.isLocked() || held.tryLock(0));
        }
    }
}

// A base or data directory that may not be written opens read-only: the persons and their
// readings are shown, a missing settings file counts as the defaults, nobody is said to hold the
// data, and a write is refused with "File access denied".
TEST_F(StartupTest, ReadOnlyDirectoryShowsTheDataAndRefusesEveryWrite) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permissions do not stop root";
    writeTestLangFile();
    const long long ivanov = addPerson("Ivanov", "Ivan", QString());
    store().appendHistory({46000, 0.5, 0.5, 1.5, store().readUser(ivanov).UserNo, 0x1234});
    const QByteArray users = userFile();
    const QFile::Permissions writable = QFileInfo(dir()).permissions();
    for (const QString& locked : {dir(), path("DB")}) {
        ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        const auto restore = qScopeGuard([&] { QFile::setPermissions(locked, writable); });
        ModalScript script;
        script.add(cancelPort());
        script.add(on<TFormNewUser>([](TFormNewUser* dialog) {
            for (const char* keys : {"Petr", "\t", "\t", "Petrov"})
                QTest::keyClicks(QApplication::focusWidget(), keys);
            child<QPushButton>(dialog, "btnOk")->click();
        }));
        script.answer(QMessageBox::Ok);
        {
            SarvoApp app({.singleInstance = false});
            ASSERT_TRUE(app.start());
            ASSERT_TRUE(waitUntil([&] { return script.seen().size() == 1; }));
            EXPECT_TRUE(app.readOnly());
            TFormSarvo* main = app.mainWindow();
            EXPECT_EQ(main->windowTitle(), QStringLiteral("%1/1").arg(defaultLanguageIndex()));
            EXPECT_EQ(child<UserListGrid>(main, "StringGridUser")->nameCell(0), " Ivanov Ivan ");
            trigger(main, "mnu_HistGrid");
            EXPECT_EQ(child<QTableView>(main, "StringGridHist")->model()->rowCount(), 1 + 29);
            trigger(main, "mnu_HistGrid");
            trigger(main, "mnu_NewUser");
            ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        }
        EXPECT_EQ(script.boxTexts(), QStringList{"File access denied"}) << locked;
        EXPECT_EQ(userFile(), users);
        EXPECT_FALSE(QFile::exists(path("Sarvo.ini")) ||
                     QFile::exists(path(SarvoApp::lockFileName())));
    }
}

// The command line: the folder it names, its questions and its mistakes (exit code 2).
TEST_F(StartupTest, CommandLine) {
    using O = CommandLine::Outcome;
    const struct {
        QStringList arguments;
        O outcome;
        QString folderOrText;
    } cases[] = {
        {{}, O::Run, QString()},
        {{"--data-dir", "a/../b"}, O::Run, dir() + "/b"},
        {{"--data-dir=/x/y"}, O::Run, "/x/y"},
        {{"--user-data"}, O::Run, CommandLine::userDataFolder()},
        {{"--help"}, O::Help, "--user-data"},
        {{"--version"}, O::Version, "sarvo 1."},
        {{"--data-dir", "a", "--user-data"}, O::Mistake, "give one"},
        {{"--data-dir", "a", "--data-dir", "b"}, O::Mistake, "more than once"},
        {{"--data-dir", ""}, O::Mistake, "needs the name"},
        {{"--data-dir"}, O::Mistake, "data-dir"},
        {{"--colour"}, O::Mistake, "colour"},
        {{"here"}, O::Mistake, "unexpected argument here"},
    };
    for (const auto& c : cases) {
        const CommandLine line(QStringList{"sarvo"} + c.arguments);
        const QString what = c.arguments.join(' ');
        EXPECT_EQ(line.outcome(), c.outcome) << what;
        if (c.outcome == O::Run) {
            EXPECT_EQ(line.dataFolder(), c.folderOrText) << what;
            EXPECT_EQ(line.userData(), c.arguments == QStringList{"--user-data"}) << what;
        } else {
            EXPECT_TRUE(line.answerText().contains(c.folderOrText)) << line.answerText();
            EXPECT_EQ(line.answer(), c.outcome == O::Mistake ? 2 : 0) << what;
        }
    }
}

// The data folder of the command line becomes the base directory, made when missing; a file or
// a folder that cannot be made ends start-up with a box.
TEST_F(StartupTest, DataFolder) {
    // The officer's documents folder inside the test's folder.
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
    });
    qputenv("HOME", path("home").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", path("home/.config").toLocal8Bit());
    ASSERT_EQ(CommandLine::userDataFolder(), path("home/Documents/Sarvo"));
    ASSERT_TRUE(QFile(path("file")).open(QIODevice::WriteOnly));
    const struct {
        QStringList arguments;
        QString baseOrBox;
    } cases[] = {
        {{"--user-data"}, path("home/Documents/Sarvo")},
        {{"--data-dir", "new"}, path("new")},
        {{"--data-dir", "file"}, "is a file"},
        {{"--data-dir", "missing/new"}, "does not exist"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(QDir::setCurrent(dir()));
        const CommandLine line(QStringList{"sarvo"} + c.arguments);
        const bool opens = c.baseOrBox.startsWith('/');
        ModalScript script;
        if (opens)
            script.add(cancelPort());
        else
            script.answer(QMessageBox::Ok);
        SarvoApp app({.singleInstance = false,
                      .dataFolder = line.dataFolder(),
                      .userData = line.userData()});
        EXPECT_EQ(app.start(), opens) << c.baseOrBox;
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        if (opens) {
            EXPECT_EQ(std::pair(app.baseDir(), QDir::currentPath()),
                      std::pair(c.baseOrBox, c.baseOrBox));
            EXPECT_TRUE(QFile::exists(c.baseOrBox + "/Sarvo.ini"));
        } else {
            EXPECT_EQ(app.exitCode(), 1);
            EXPECT_TRUE(script.boxTexts().value(0).contains(c.baseOrBox))
                << script.boxTexts().join(" | ");
        }
    }
    EXPECT_FALSE(QFileInfo::exists(path("missing")));
}

TEST_F(StartupTest, SingleInstance) {
    const QString title = QStringLiteral("title %1").arg(QCoreApplication::applicationPid());
    const QString name = SingleInstance::serverName(title);
    // What a crashed program leaves: the socket's file, with nobody listening.
    QLocalServer::removeServer(name);
    ASSERT_TRUE(inChild([&] { _exit(QLocalServer().listen(name) ? 0 : 1); }));
    ASSERT_TRUE(QFile::exists(QDir(QDir::tempPath()).filePath(name)));
    EXPECT_FALSE(SingleInstance::askRunningToShow(title));

    SingleInstance first;
    ASSERT_TRUE(first.listen(title));
    int requests = 0;
    QObject::connect(&first, &SingleInstance::showRequested, [&] { ++requests; });
    EXPECT_TRUE(SingleInstance::askRunningToShow(title));
    ASSERT_TRUE(waitUntil([&] { return requests == 1; }));
    EXPECT_FALSE(SingleInstance::askRunningToShow(title + " other"));
    // After a language pick the running program answers under its new title only.
    ASSERT_TRUE(first.listen(title + " new"));
    EXPECT_FALSE(SingleInstance::askRunningToShow(title));
    EXPECT_TRUE(SingleInstance::askRunningToShow(title + " new"));
}

TEST_F(StartupTest, Exit) {
    TFormSarvo main(dir(), SettingsRecord::defaults(1));
    // Offscreen there is no notification area: the program runs without the icon.
    EXPECT_EQ(main.findChild<QSystemTrayIcon*>("TrayIconSarvo"), nullptr);
    int ends = 0;
    QObject::connect(&main, &TFormSarvo::programEnds, [&] { ++ends; });
    trigger(&main, "mnu_Exit");
    EXPECT_EQ(std::pair(ends, main.isVisible()), std::pair(1, false));
}

} // namespace
} // namespace sarvo::test
