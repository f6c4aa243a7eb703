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

int runExport(const QStringList& arguments) {
    // "-o FILE" is a short option, which Args does not know: take it out first.
    QStringList rest;
    QString output;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("-o") ||
            arguments.at(i) == QLatin1String("--output")) {
            if (i + 1 >= arguments.size())
                throw UsageError(QStringLiteral("-o needs a file name"));
            output = arguments.at(++i);
        } else {
            rest.append(arguments.at(i));
        }
    }
    if (rest.isEmpty() || rest.first().startsWith(QLatin1String("-")))
        throw UsageError(QStringLiteral("export persons or export history?"));
    const QString what = rest.takeFirst();
    const bool history = what == QLatin1String("history");
    if (!history && what != QLatin1String("persons"))
        throw UsageError(QStringLiteral("unknown export %1").arg(what));
    QStringList valued{QStringLiteral("--dir")};
    if (history)
        valued << QStringLiteral("--person") << QStringLiteral("--date-from")
               << QStringLiteral("--date-to") << QStringLiteral("--time-from")
               << QStringLiteral("--time-to");
    Args args(rest, valued, {});
    if (!args.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(args.positional().first()));
    if (output.isEmpty())
        throw UsageError(QStringLiteral("-o FILE is required"));

    Store store(args.dir().toStdString(), true);
    // The texts of the language stored in the directory's settings, from Lang.txt here.
    const std::optional<SettingsRecord> settings = store.readSettings();
    LanguageStrings lang;
    lang.load(QDir::currentPath(), settings ? settings->LangIndex : defaultLanguageIndex());
    const std::filesystem::path file = output.toStdString();

    if (!history) {
        exportPersons(store, file, lang);
        return 0;
    }
    const long long userNo = args.integer(QStringLiteral("--person"));
    if (userNo <= 0 || userNo > 0x7fffffff)
        throw UsageError(QStringLiteral("--person takes a person number from 1 on"));
    HistFilter filter;
    const FilterConfirmation read = filterFromTexts(
        filter,
        {args.value(QStringLiteral("--date-from")), args.value(QStringLiteral("--date-to")),
         args.value(QStringLiteral("--time-from")), args.value(QStringLiteral("--time-to"))},
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

const Registration registration("export", kUsage, &runExport);

} // namespace
} // namespace sarvo::tool
