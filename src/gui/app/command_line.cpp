#include "gui/app/command_line.h"

#include "sarvo_version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

namespace sarvo {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("sarvo::CommandLine", text);
}

QString usage() {
    return tr("usage: sarvo [--data-dir DIR | --user-data]\n");
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption userData(QStringLiteral("user-data"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({dataDir, userData, help, version});
    outcome_ = Outcome::Mistake;
    if (!parser.parse(arguments)) {
        mistake_ = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        mistake_ = tr("unexpected argument %1").arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(help)) {
        outcome_ = Outcome::Help;
    } else if (parser.isSet(version)) {
        outcome_ = Outcome::Version;
    } else if (parser.isSet(dataDir) && parser.isSet(userData)) {
        mistake_ = tr("--data-dir and --user-data name two different data folders: give one");
    } else if (parser.values(dataDir).size() > 1) {
        mistake_ = tr("--data-dir is given more than once");
    } else if (parser.isSet(dataDir) && parser.value(dataDir).isEmpty()) {
        mistake_ = tr("--data-dir needs the name of a folder");
    } else {
        outcome_ = Outcome::Run;
        userData_ = parser.isSet(userData);
        if (userData_)
            dataFolder_ = userDataFolder();
        else if (parser.isSet(dataDir))
            dataFolder_ = QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(dataDir)));
    }
}

QString CommandLine::answerText() const {
    switch (outcome_) {
    case Outcome::Help:
        return usage() +
               tr("Keeps the dosimeter readings of a group of persons. Without an option the data "
                  "are in the working directory.\n"
                  "  --data-dir DIR  the data in the folder DIR, made when missing (the folder it "
                  "is in must exist)\n"
                  "  --user-data     the data in %1, made at the first start\n"
                  "  --help          this list\n"
                  "  --version       the version of the program\n")
                   .arg(QDir::toNativeSeparators(userDataFolder()));
    case Outcome::Version:
        return QStringLiteral("sarvo %1\n").arg(QStringLiteral(SARVO_VERSION));
    case Outcome::Mistake:
        return QStringLiteral("sarvo: %1\n").arg(mistake_) + usage();
    case Outcome::Run:
        break;
    }
    return QString();
}

int CommandLine::answer() const {
    const QByteArray text = answerText().toLocal8Bit();
    std::fputs(text.constData(), outcome_ == Outcome::Mistake ? stderr : stdout);
    std::fflush(outcome_ == Outcome::Mistake ? stderr : stdout);
    return outcome_ == Outcome::Mistake ? 2 : 0;
}

QString CommandLine::userDataFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents.isEmpty() ? QDir::homePath() : documents)
        .absoluteFilePath(QStringLiteral("Sarvo"));
}

} // namespace sarvo
