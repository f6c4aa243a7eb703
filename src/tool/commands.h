#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <stdexcept>

namespace sarvo::tool {

// Runs sarvo-tool with `arguments` (without the program name); returns the exit code (0 success,
// 1 failure or a fault found, 2 bad arguments).
int run(const QStringList& arguments);

// Thrown for bad arguments: the message goes to standard error with the usage, exit code 2.
struct UsageError : std::runtime_error {
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The arguments of one command, parsed by QCommandLineParser against the command's options. Names
// are given without dashes ("dir"); an option given more than once keeps every value. Values may
// begin with "-" ("--dose -1"); "--name=value" is read as well.
class Args {
public:
    // UsageError when the parser refuses `arguments`, in the words the tool has always used.
    Args(const QList<QCommandLineOption>& options, const QStringList& arguments);

    bool has(const QString& name) const { return parser_.isSet(name); }
    QString value(const QString& name, const QString& fallback = QString()) const;
    QStringList values(const QString& name) const { return parser_.values(name); }
    QStringList positional() const { return parser_.positionalArguments(); }
    // The arguments as given.
    const QStringList& arguments() const { return arguments_; }
    // UsageError naming the first positional argument, when there is one.
    void refusePositional() const;
    // The value of a required option; UsageError when it is missing.
    QString required(const QString& name) const;
    // An integer option; UsageError when it is not a number.
    long long integer(const QString& name) const;
    // The base directory: --dir, or the working directory.
    QString dir() const;
    // The option list of --help.
    QString optionsHelp() const;

private:
    QCommandLineParser parser_;
    QStringList arguments_;
};

using CommandFunction = int (*)(const Args& args);

// A command registers itself from its own file, with its usage line, what it does and its options
// (--help is added to every command):
//   static const sarvo::tool::Registration reg{"persons", usage, summary, options, &runPersons};
struct Registration {
    Registration(const char* name, const char* usage, const char* summary,
                 QList<QCommandLineOption> options, CommandFunction function);
};

// An option that takes a value, and one that does not.
QCommandLineOption valued(const char* name, const char* valueName, const char* description);
QCommandLineOption flag(const char* name, const char* description);
// --dir DIR, which most commands take, and --person USERNO.
QCommandLineOption dirOption();
QCommandLineOption personOption();
// --date-from, --date-to, --time-from, --time-to: the bounds of the history filter.
QList<QCommandLineOption> filterOptions();

QTextStream& out();
QTextStream& err();

} // namespace sarvo::tool
