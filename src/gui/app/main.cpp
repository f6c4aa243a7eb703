#include "gui/app/command_line.h"
#include "gui/app/sarvo_app.h"
#include "sarvo_version.h"

#include <QApplication>

int main(int argc, char** argv) {
    using sarvo::CommandLine;
    // --help, --version and a mistake are answered before a display is opened. Qt's own options
    // (-platform, -style ...) start with a single dash: with one of those the application takes
    // them out first, and what is left is read again.
    {
        QStringList arguments;
        bool qtOptions = false;
        for (int i = 0; i < argc; ++i) {
            arguments << QString::fromLocal8Bit(argv[i]);
            qtOptions = qtOptions || (i > 0 && argv[i][0] == '-' && argv[i][1] != '-');
        }
        const CommandLine early(arguments);
        if (early.outcome() != CommandLine::Outcome::Run &&
            (early.outcome() != CommandLine::Outcome::Mistake || !qtOptions))
            return early.answer();
    }
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(SARVO_VERSION));
    // The launcher's name, so that the desktop gives the window the launcher's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sarvo.Sarvo"));
    const CommandLine line(QApplication::arguments());
    if (line.outcome() != CommandLine::Outcome::Run)
        return line.answer();
    QApplication::setQuitOnLastWindowClosed(false);
    sarvo::SarvoApp program({.dataFolder = line.dataFolder(), .userData = line.userData()});
    if (!program.start())
        return program.exitCode();
    return program.exec();
}
