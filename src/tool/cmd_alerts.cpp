#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/dose_listing.h"
#include "tool/listing.h"

namespace sarvo::tool {
namespace {

int runAlerts(const Args& args) {
    args.refusePositional();
    const bool csv = args.has(QStringLiteral("csv"));
    Store store(args.dir().toStdString(), true);
    DoseDatabase database(store);
    printDoseTable(alertsTable(database.alerts(args.has(QStringLiteral("all"))), tableForm(csv)),
                   csv);
    return 0;
}

int runAck(const Args& args) {
    const QStringList positional = args.positional();
    if (positional.isEmpty())
        throw UsageError(QStringLiteral("the alert number is required"));
    if (positional.size() > 1)
        throw UsageError(QStringLiteral("unexpected argument %1").arg(positional[1]));
    bool ok = false;
    const long long id = positional[0].toLongLong(&ok);
    if (!ok || id < 1)
        throw UsageError(QStringLiteral("the alert number is a whole number from 1 on, not %1")
                             .arg(positional[0]));
    const QString note = args.required(QStringLiteral("note")).trimmed();
    if (note.isEmpty())
        throw UsageError(QStringLiteral("--note must not be empty"));
    Store store(args.dir().toStdString());
    DoseDatabase database(store);
    database.acknowledge(id, note);
    return 0;
}

const Registration
    alerts("alerts", "alerts [--all] [--dir DIR] [--csv]",
           "Lists the open alerts of the dose of record (every alert with --all), in "
           "the order they were raised.",
           {flag("all", "List acknowledged alerts as well."), dirOption(), csvOption()},
           &runAlerts);

const Registration ack("ack", "ack ID --note TEXT [--dir DIR]",
                       "Acknowledges an open alert with a note; the operating-system user and the "
                       "time are kept with it.",
                       {valued("note", "TEXT", "The note (required, not empty)."), dirOption()},
                       &runAck);

} // namespace
} // namespace sarvo::tool
