// sarvo-tool export: the text export files of the program, written by the same code.
#include "core/store/store.h"
#include "core/text/filter_texts.h"
#include "core/text/language.h"
#include "core/text/text_export.h"
#include "core/text/text_forms.h"
#include "tool/commands.h"

#include <QDir>

namespace sarvo::tool {
namespace {

const char* const kUsage =
    "export persons [--dir DIR] -o FILE | export history --person USERNO [--date-from DD.MM.YY]"
    " [--date-to DD.MM.YY] [--time-from HH:MM] [--time-to HH:MM] [--dir DIR] -o FILE";

int runExport(const Args& args) {
    // The subject comes first; only -o FILE may stand before it.
    const QStringList& given = args.arguments();
    qsizetype first = 0;
    while (first + 1 < given.size() &&
           (given.at(first) == QLatin1String("-o") || given.at(first) == QLatin1String("--output")))
        first += 2;
    if (first >= given.size() || given.at(first).startsWith(QLatin1String("-")))
        throw UsageError(QStringLiteral("export persons or export history?"));
    const QString what = args.positional().first();
    const bool history = what == QLatin1String("history");
    if (!history && what != QLatin1String("persons"))
        throw UsageError(QStringLiteral("unknown export %1").arg(what));
    // The options of a history export.
    const QStringList historyOptions{QStringLiteral("person"), QStringLiteral("date-from"),
                                     QStringLiteral("date-to"), QStringLiteral("time-from"),
                                     QStringLiteral("time-to")};
    for (const QString& name : historyOptions)
        if (!history && args.has(name))
            throw UsageError(QStringLiteral("unknown option --%1").arg(name));
    if (args.positional().size() > 1)
        throw UsageError(QStringLiteral("unexpected argument %1").arg(args.positional().at(1)));
    const QString output = args.value(QStringLiteral("o"));
    if (output.isEmpty())
        throw UsageError(QStringLiteral("-o FILE is required"));

    Store store(args.dir().toStdString(), true);
    // The texts of the language stored in the directory's settings, from Lang.txt here or, when
    // there is none, the installed one.
    const std::optional<SettingsRecord> settings = store.readSettings();
    LanguageStrings lang;
    lang.loadForBase(QDir::currentPath(), settings ? settings->LangIndex : defaultLanguageIndex());
    const std::filesystem::path file = output.toStdString();

    if (!history) {
        exportPersons(store, file, lang);
        return 0;
    }
    const long long userNo = args.integer(QStringLiteral("person"));
    if (userNo <= 0 || userNo > 0x7fffffff)
        throw UsageError(QStringLiteral("--person takes a person number from 1 on"));
    HistFilter filter;
    const FilterConfirmation read = filterFromTexts(
        filter,
        {args.value(QStringLiteral("date-from")), args.value(QStringLiteral("date-to")),
         args.value(QStringLiteral("time-from")), args.value(QStringLiteral("time-to"))},
        FilterTexts::system());
    if (!read.accepted())
        throw UsageError(read.message);
    const long long index = store.findUserIndex(static_cast<std::int32_t>(userNo));
    if (index < 0) {
        err() << "sarvo-tool: no person with UserNo " << userNo << "\n";
        err().flush();
        return 1;
    }
    exportHistory(store, index, nameCell(store.readUser(index)), filter, ValueFormats::system(),
                  file, lang);
    return 0;
}

const Registration registration(
    "export", kUsage,
    "Writes the text export file of the persons, or of one person's history under a filter, as\n"
    "the program does, in the language of the settings (Lang.txt of the working directory).",
    QList{QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                             QStringLiteral("The file to write (required)."),
                             QStringLiteral("FILE")),
          dirOption(), valued("person", "USERNO", "The person number (history).")}
        << filterOptions(),
    &runExport);

} // namespace
} // namespace sarvo::tool
