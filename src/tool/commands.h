#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <stdexcept>

namespace sarvo::tool {

// Runs one command of sarvo-tool; returns the exit code (0 success, 1 failure or a fault found,
// 2 bad arguments).
int run(const QStringList& arguments);

// Thrown for bad arguments: the message goes to standard error with the usage, exit code 2.
struct UsageError : std::runtime_error {
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The options of one command: "--name value" pairs, bare "--flag"s, and the rest as positional
// arguments. An option given more than once keeps every value.
class Args {
public:
    // `valued` names the options that take a value, `flags` those that do not.
    Args(const QStringList& arguments, const QStringList& valued, const QStringList& flags);

    bool has(const QString& name) const { return values_.contains(name); }
    QString value(const QString& name, const QString& fallback = QString()) const;
    QStringList values(const QString& name) const { return values_.value(name); }
    const QStringList& positional() const { return positional_; }
    // The value of a required option; UsageError when it is missing.
    QString required(const QString& name) const;
    // An integer option; UsageError when it is not a number.
    long long integer(const QString& name) const;
    // The base directory: --dir, or the working directory.
    QString dir() const;

private:
    QMap<QString, QStringList> values_;
    QStringList positional_;
};

using CommandFunction = int (*)(const QStringList& arguments);

// A command registers itself from its own file:
//   static const sarvo::tool::Registration reg{"persons", usage, &runPersons};
struct Registration {
    Registration(const char* name, const char* usage, CommandFunction function);
};

QTextStream& out();
QTextStream& err();

// RFC 4180 field: quoted when it holds a comma, a quote or a line break.
QString csvField(const QString& text);

} // namespace sarvo::tool
