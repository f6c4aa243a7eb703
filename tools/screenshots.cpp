// Takes the README's screenshots: the program runs in a prepared working directory on a display
// (Xvfb), a reading arrives over the virtual serial cable, the message boxes are answered, and
// the screen is saved at six moments: the About box, the dose-rate log window, the main window
// with the person marked, that person's history table and chart, and the dose overview. The splash
// window is saved as drawn.
//
//   sarvo_screenshots WORKDIR DOSIMETER-END ID OUT-PREFIX
//
// Modal windows run event loops of their own, so everything here is driven by one polling
// timer: each tick looks at what is on screen and takes the next step.

#include "gui/app/sarvo_app.h"
#include "gui/dialogs/form_abou.h"
#include "gui/dialogs/form_zast.h"
#include "gui/main/form_med.h"
#include "gui/main/form_sarvo.h"
#include "gui/main/user_list_grid.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

template <typename T> T* modal() {
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

// Saves the whole screen.
bool shoot(const QString& file) {
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    if (!screen.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: sarvo_screenshots WORKDIR DOSIMETER-END ID OUT-PREFIX\n");
        return 2;
    }
    const QString prefix = QDir(args[4]).absolutePath();
    if (!QDir::setCurrent(args[1]))
        return 1;

    sarvo::SarvoApp::Options options;
    options.singleInstance = false;
    sarvo::SarvoApp program(options);
    if (!program.start())
        return 1;
    sarvo::TFormSarvo* main = program.mainWindow();
    auto* users = main->findChild<sarvo::UserListGrid*>(QStringLiteral("StringGridUser"));
    // The splash window as drawn at start-up (it closes as soon as the port is open).
    program.splash()->grab().save(prefix + QStringLiteral("-splash.png"));

    QProcess simulate;
    auto sendReading = [&] {
        simulate.start(QStringLiteral(SARVO_TOOL_PATH),
                       {QStringLiteral("simulate"), QStringLiteral("--port"), args[2],
                        QStringLiteral("--id"), args[3], QStringLiteral("--dose"),
                        QStringLiteral("0.42"), QStringLiteral("--entry"),
                        QStringLiteral("1.25,14.03,09:30"), QStringLiteral("--entry"),
                        QStringLiteral("0.75,14.03,10:45"), QStringLiteral("--entry"),
                        QStringLiteral("2.10,14.03,13:05")});
    };

    enum class Stage {
        PortOpen,
        About,
        AboutClose,
        Reading,
        Log,
        LogClose,
        Marked,
        Table,
        Chart,
        Overview,
        Done
    };
    Stage stage = Stage::PortOpen;
    int exitCode = 1;
    QElapsedTimer settle; // lets a window paint before the screen is saved
    QElapsedTimer limit;
    limit.start();
    auto finish = [&](int code) {
        exitCode = code;
        stage = Stage::Done;
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    };
    auto settled = [&] {
        if (!settle.isValid())
            settle.start();
        if (settle.elapsed() < 600)
            return false;
        settle.invalidate();
        return true;
    };

    QTimer tick;
    tick.setInterval(50);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (limit.elapsed() > 60000) {
            std::fprintf(stderr, "no progress; stopped\n");
            finish(1);
            return;
        }
        switch (stage) {
        case Stage::PortOpen:
            if (!program.splash()->isVisible() && settled()) {
                stage = Stage::About;
                QTimer::singleShot(0, main, [main] {
                    main->findChild<QAction*>(QStringLiteral("mnu_HelpAbout"))->trigger();
                });
            }
            break;
        case Stage::About:
            if (modal<sarvo::TFormAbou>() && settled()) {
                if (!shoot(prefix + QStringLiteral("-about.png")))
                    return finish(1);
                stage = Stage::AboutClose;
                modal<sarvo::TFormAbou>()
                    ->findChild<QPushButton*>(QStringLiteral("BtnOk"))
                    ->click();
            }
            break;
        case Stage::AboutClose:
            if (!QApplication::activeModalWidget()) {
                stage = Stage::Reading;
                sendReading();
            }
            break;
        case Stage::Reading: // line 76 with the identifier, then the dose-rate log window
            if (auto* box = modal<QMessageBox>()) {
                box->button(QMessageBox::Ok)->click();
                stage = Stage::Log;
            }
            break;
        case Stage::Log:
            if (auto* log = modal<sarvo::TFormMED>(); log && settled()) {
                if (!shoot(prefix + QStringLiteral("-log.png")))
                    return finish(1);
                stage = Stage::LogClose;
                QTimer::singleShot(0, log, [log] {
                    log->findChild<QAction*>(QStringLiteral("mnu_MEDExit"))->trigger();
                });
            }
            break;
        case Stage::LogClose: // the question before leaving unsaved lines
            if (auto* question = modal<QMessageBox>()) {
                question->button(QMessageBox::No)->click();
                stage = Stage::Marked;
            }
            break;
        case Stage::Marked:
            if (!QApplication::activeModalWidget() && users->highlightedRow() >= 0 && settled()) {
                if (!shoot(prefix + QStringLiteral("-main.png")))
                    return finish(1);
                // The history of the person read, as a table.
                stage = Stage::Table;
                users->selectRow(users->highlightedRow());
                main->findChild<QAction*>(QStringLiteral("mnu_HistGrid"))->trigger();
            }
            break;
        case Stage::Table:
            if (settled()) {
                if (!shoot(prefix + QStringLiteral("-table.png")))
                    return finish(1);
                stage = Stage::Chart;
                main->findChild<QAction*>(QStringLiteral("mnu_HistGrid"))->trigger();
                main->findChild<QAction*>(QStringLiteral("mnu_HistChart"))->trigger();
                // The logarithmic dose axis, with its decade labels.
                main->findChild<QAction*>(QStringLiteral("pmnu_Log"))->trigger();
            }
            break;
        case Stage::Chart:
            if (settled()) {
                if (!shoot(prefix + QStringLiteral("-chart.png")))
                    return finish(1);
                stage = Stage::Overview;
                main->findChild<QAction*>(QStringLiteral("mnu_DoseOverview"))->trigger();
            }
            break;
        case Stage::Overview:
            if (settled())
                finish(shoot(prefix + QStringLiteral("-overview.png")) ? 0 : 1);
            break;
        case Stage::Done:
            break;
        }
    });
    tick.start();
    QApplication::exec();
    simulate.waitForFinished();
    return exitCode;
}
