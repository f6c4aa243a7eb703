#include "tool/commands.h"

#include "core/store/store_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <map>
#include <string>

namespace sarvo::tool {

namespace {

struct Entry {
    const char* usage;
    const char* summary;
    QList<QCommandLineOption> options;
    CommandFunction function;
};

std::map<std::string, Entry>& registry() {
    static std::map<std::string, Entry> commands;
    return commands;
}

void printUsage(QTextStream& stream) {
    stream << "usage: sarvo-tool COMMAND [OPTIONS]\n";
    for (const auto& [name, entry] : registry())
        stream << "  " << entry.usage << "\n";
    stream.flush();
}

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

const QCommandLineOption* optionNamed(const QList<QCommandLineOption>& options,
                                      const QString& name) {
    for (const QCommandLineOption& option : options)
        if (option.names().contains(name))
            return &option;
    return nullptr;
}

// What the parser refused, named as the tool has always named it: an unknown "--name", a word
// of single letters (taken as an argument), an option at the end without its value, a value given
// to an option that takes none.
QString refusal(const QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                const QStringList& arguments) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        const QString name = unknown.first();
        for (const QString& a : arguments) {
            if (a == QLatin1String("--") + name || a.startsWith(QLatin1String("--") + name + '='))
                return QStringLiteral("unknown option %1").arg(a);
            if (a.size() > 1 && a.startsWith('-') && !a.startsWith(QLatin1String("--")) &&
                a.contains(name))
                return QStringLiteral("unexpected argument %1").arg(a);
        }
    }
    // An option that takes a value, given last (and not itself the value of the one before).
    const auto valuedOption = [&](const QString& a) -> const QCommandLineOption* {
        const bool named = a.startsWith(QLatin1String("--")) || (a.size() == 2 && a[0] == '-');
        const QCommandLineOption* o =
            named ? optionNamed(options, a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1))
                  : nullptr;
        return o && !o->valueName().isEmpty() ? o : nullptr;
    };
    const QString last = arguments.value(arguments.size() - 1);
    const QCommandLineOption* option = valuedOption(last);
    if (option && (arguments.size() < 2 || !valuedOption(arguments[arguments.size() - 2]))) {
        if (option->valueName() == QLatin1String("FILE"))
            return dashed(option->names().first()) + QStringLiteral(" needs a file name");
        return QStringLiteral("%1 needs a value").arg(last);
    }
    for (const QString& a : arguments)
        if (a.startsWith(QLatin1String("--")) && a.contains('=')) {
            const QCommandLineOption* option = optionNamed(options, a.mid(2).section('=', 0, 0));
            if (option && option->valueName().isEmpty())
                return QStringLiteral("unknown option %1").arg(a);
        }
    return parser.errorText();
}

} // namespace

Registration::Registration(const char* name, const char* usage, const char* summary,
                           QList<QCommandLineOption> options, CommandFunction function) {
    options.append(flag("help", "Show this help and exit."));
    registry()[name] = Entry{usage, summary, std::move(options), function};
}

QCommandLineOption valued(const char* name, const char* valueName, const char* description) {
    return QCommandLineOption(QLatin1String(name), QLatin1String(description),
                              QLatin1String(valueName));
}

QCommandLineOption flag(const char* name, const char* description) {
    return QCommandLineOption(QLatin1String(name), QLatin1String(description));
}

QCommandLineOption dirOption() {
    return valued("dir", "DIR", "The base directory of the data (default: the working directory).");
}

QCommandLineOption personOption() {
    return valued("person", "USERNO", "The person number (required).");
}

QList<QCommandLineOption> filterOptions() {
    return {valued("date-from", "DD.MM.YY", "Readings from this day on."),
            valued("date-to", "DD.MM.YY", "Readings up to this day."),
            valued("time-from", "HH:MM", "Readings from this time of day on."),
            valued("time-to", "HH:MM", "Readings up to this time of day.")};
}

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

Args::Args(const QList<QCommandLineOption>& options, const QStringList& arguments)
    : arguments_(arguments) {
    parser_.addOptions(options);
    if (!parser_.parse(QStringList{QStringLiteral("sarvo-tool")} + arguments))
        throw UsageError(refusal(parser_, options, arguments));
    // A bare "--" that is no option's value would end the options for the parser: refused, as
    // every unknown option.
    qsizetype dashValues = 0;
    for (const QCommandLineOption& option : options)
        dashValues += parser_.values(option.names().first()).count(QStringLiteral("--"));
    if (arguments.count(QStringLiteral("--")) > dashValues)
        throw UsageError(QStringLiteral("unknown option --"));
}

QString Args::value(const QString& name, const QString& fallback) const {
    return has(name) ? parser_.value(name) : fallback;
}

void Args::refusePositional() const {
    if (!positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(positional().first()));
}

QString Args::required(const QString& name) const {
    if (!has(name))
        throw UsageError(QStringLiteral("--%1 is required").arg(name));
    return value(name);
}

long long Args::integer(const QString& name) const {
    bool ok = false;
    long long number = required(name).toLongLong(&ok);
    if (!ok)
        throw UsageError(QStringLiteral("--%1 takes a whole number").arg(name));
    return number;
}

QString Args::dir() const {
    const QString dir = value(QStringLiteral("dir"), QDir::currentPath());
    if (!QFileInfo(dir).isDir())
        throw StoreError(QStringLiteral("Directory not found: %1").arg(dir));
    return dir;
}

QString Args::optionsHelp() const {
    // The parser's first line names the program file; the usage line of the command says more.
    return parser_.helpText().section(QLatin1Char('\n'), 1);
}

int run(const QStringList& arguments) {
    // Only --help and --version stand before a command; the command parses the rest.
    QCommandLineParser top;
    top.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    top.addOptions({flag("help", ""), flag("version", "")});
    const bool parsed = top.parse(QStringList{QStringLiteral("sarvo-tool")} + arguments);
    if (arguments.isEmpty()) {
        printUsage(err());
        return 2;
    }
    if (parsed && top.isSet(QStringLiteral("version"))) {
        out() << "sarvo-tool " << QCoreApplication::applicationVersion() << "\n";
        out().flush();
        return 0;
    }
    if (parsed && top.isSet(QStringLiteral("help"))) {
        printUsage(out());
        out() << "  --help     this list; sarvo-tool COMMAND --help: the options of one command\n"
              << "  --version  the version of sarvo-tool\n";
        out().flush();
        return 0;
    }
    auto it = registry().find(arguments.first().toStdString());
    if (it == registry().end()) {
        err() << "sarvo-tool: unknown command " << arguments.first() << "\n";
        printUsage(err());
        return 2;
    }
    const Entry& command = it->second;
    try {
        const Args args(command.options, arguments.mid(1));
        if (args.has(QStringLiteral("help"))) {
            out() << "usage: sarvo-tool " << command.usage << "\n"
                  << command.summary << "\n"
                  << args.optionsHelp();
            out().flush();
            return 0;
        }
        int code = command.function(args);
        out().flush();
        return code;
    } catch (const UsageError& e) {
        out().flush();
        err() << "sarvo-tool: " << e.what() << "\n"
              << "usage: sarvo-tool " << command.usage << "\n";
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
