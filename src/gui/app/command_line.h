#pragma once

#include <QString>
#include <QStringList>

namespace sarvo {

// The program's command line: where the data live, or a question that is answered without
// starting the program.
//   sarvo                  the working directory is the base directory
//   sarvo --data-dir DIR   the folder DIR (relative to the working directory), made when missing
//   sarvo --user-data      the officer's own data folder, userDataFolder(), made when missing
//   sarvo --help | --version
// The two folder options exclude each other; anything else is a mistake (exit code 2).
class CommandLine {
public:
    enum class Outcome { Run, Help, Version, Mistake };

    // `arguments` as QCoreApplication::arguments() gives them, the program's name first.
    explicit CommandLine(const QStringList& arguments);

    Outcome outcome() const { return outcome_; }
    // Run: the folder to take as the base directory, absolute; empty for the working directory.
    const QString& dataFolder() const { return dataFolder_; }
    // Run: the folder is the officer's own one (its missing parent folders are made too).
    bool userData() const { return userData_; }

    // Help, Version, Mistake: writes the answer (the option list, the version, or what is wrong
    // on standard error) and gives the exit code, 0 or 2.
    int answer() const;
    // The text answer() writes.
    QString answerText() const;

    // "Sarvo" in the documents folder of the user.
    static QString userDataFolder();

private:
    Outcome outcome_ = Outcome::Run;
    QString dataFolder_;
    bool userData_ = false;
    QString mistake_;
};

} // namespace sarvo
