#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "core/text/dose_texts.h"
#include "core/text/text_forms.h"
#include "tool/commands.h"
#include "tool/person_lookup.h"

#include <QDate>
#include <QRegularExpression>

namespace sarvo::tool {
namespace {

// A finite decimal number with "." or "," as decimal point, with or without a sign.
double parseDose(const QString& text) {
    const std::optional<double> dose = doseFromText(text);
    if (!dose)
        throw UsageError(QStringLiteral("--dose takes a dose in mSv, a decimal number with \".\" "
                                        "or \",\", not %1")
                             .arg(text));
    return *dose;
}

// The date of --date, YYYY-MM-DD, not after today; today when not given.
QDate parseDate(const Args& args, const QDate& today) {
    if (!args.has(QStringLiteral("date")))
        return today;
    const QString text = args.value(QStringLiteral("date"));
    static const QRegularExpression iso(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    const QDate date = iso.match(text).hasMatch()
                           ? QDate::fromString(text, QStringLiteral("yyyy-MM-dd"))
                           : QDate();
    if (!date.isValid())
        throw UsageError(QStringLiteral("--date takes a date as YYYY-MM-DD, not %1").arg(text));
    if (date > today)
        throw UsageError(QStringLiteral("--date %1 is after today").arg(text));
    return date;
}

int runAddDose(const Args& args) {
    args.refusePositional();
    args.required(QStringLiteral("person"));
    const double dose = parseDose(args.required(QStringLiteral("dose")));
    const QString reason = args.required(QStringLiteral("reason")).trimmed();
    if (reason.isEmpty())
        throw UsageError(QStringLiteral("--reason must not be empty"));
    const QDate date = parseDate(args, QDate::currentDate());
    // A missing person is told before anything is created.
    const PersonLookup person = lookUpPerson(args);
    if (!person.found())
        return person.notFound();

    Store store(args.dir().toStdString());
    DoseDatabase database(store);
    // Should the file have been reordered meanwhile, the person is found again by number.
    const EdChange change = database.changeEd(person.index, person.userNo,
                                              EdEntry{LedgerKind::Manual, dose, date, -1, reason});
    if (!change.done)
        return person.notFound();
    out() << formatNumber(change.user.ED) << "\n";
    out().flush();
    for (const Alert& alert : change.raised)
        err() << alertWarningText(alert, change.user, dose) << "\n";
    err().flush();
    return 0;
}

const Registration registration(
    "add-dose", "add-dose --person USERNO --dose MSV --reason TEXT [--date YYYY-MM-DD] [--dir DIR]",
    "Adds an assessed dose (negative for a correction) to the ED of one person with its reason,\n"
    "writes its row into the dose ledger and prints the new ED; each level the entry reaches is\n"
    "told on standard error. An ED that would fall below 0 is refused.",
    {personOption(), valued("dose", "MSV", "The dose in mSv, \".\" or \",\" as decimal point."),
     valued("reason", "TEXT", "Why the dose is entered (required, not empty)."),
     valued("date", "YYYY-MM-DD",
            "The date that decides the periods of the dose (default: today; not after today)."),
     dirOption()},
    &runAddDose);

} // namespace
} // namespace sarvo::tool
