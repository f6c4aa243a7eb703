#include "tool/commands.h"

#include "core/store/store_error.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <map>
#include <string>

namespace sarvo::tool {

namespace {

struct Entry {
    const char* usage;
    CommandFunction function;
};

std::map<std::string, Entry>& registry() {
    static std::map<std::string, Entry> commands;
    return commands;
}

void printUsage() {
    err() << "usage: sarvo-tool COMMAND [OPTIONS]\n";
    for (const auto& [name, entry] : registry())
        err() << "  " << entry.usage << "\n";
    err().flush();
}

} // namespace

Registration::Registration(const char* name, const char* usage, CommandFunction function) {
    registry()[name] = Entry{usage, function};
}

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

Args::Args(const QStringList& arguments, const QStringList& valued, const QStringList& flags) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a.startsWith(QLatin1String("--"))) {
            if (valued.contains(a)) {
                if (i + 1 >= arguments.size())
                    throw UsageError(QStringLiteral("%1 needs a value").arg(a));
                values_[a].append(arguments.at(++i));
            } else if (flags.contains(a)) {
                values_[a].append(QString());
            } else {
                throw UsageError(QStringLiteral("unknown option %1").arg(a));
            }
        } else {
            positional_.append(a);
        }
    }
}

QString Args::value(const QString& name, const QString& fallback) const {
    auto it = values_.find(name);
    return it == values_.end() || it->isEmpty() ? fallback : it->last();
}

QString Args::required(const QString& name) const {
    if (!has(name))
        throw UsageError(QStringLiteral("%1 is required").arg(name));
    return value(name);
}

long long Args::integer(const QString& name) const {
    bool ok = false;
    long long number = required(name).toLongLong(&ok);
    if (!ok)
        throw UsageError(QStringLiteral("%1 takes a whole number").arg(name));
    return number;
}

QString Args::dir() const {
    const QString dir = value(QStringLiteral("--dir"), QDir::currentPath());
    if (!QFileInfo(dir).isDir())
        throw StoreError(QStringLiteral("Directory not found: %1").arg(dir));
    return dir;
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

int run(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        printUsage();
        return 2;
    }
    auto it = registry().find(arguments.first().toStdString());
    if (it == registry().end()) {
        err() << "sarvo-tool: unknown command " << arguments.first() << "\n";
        printUsage();
        return 2;
    }
    try {
        int code = it->second.function(arguments.mid(1));
        out().flush();
        return code;
    } catch (const UsageError& e) {
        out().flush();
        err() << "sarvo-tool: " << e.what() << "\n"
              << "usage: sarvo-tool " << it->second.usage << "\n";
        err().flush();
        return 2;
    } catch (const StoreError& e) {
        out().flush();
        err() << e.text() << "\n";
        err().flush();
        return 1;
    }
}

} // namespace sarvo::tool
