#include "core/store/dose_database.h"
#include "core/store/dose_overview.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/dose_listing.h"
#include "tool/listing.h"

#include <QDate>

namespace sarvo::tool {
namespace {

int runDoses(const Args& args) {
    args.refusePositional();
    const QDate today = QDate::currentDate();
    const int year = yearOption(args, today.year(), false);
    const bool csv = args.has(QStringLiteral("csv"));
    // Only read: neither the record files nor the database are created.
    Store store(args.dir().toStdString(), true);
    DoseDatabase database(store);
    DoseOverview overview = buildDoseOverview(store, database, year, today);
    if (!args.has(QStringLiteral("left")))
        overview = withoutPersonsWhoLeft(std::move(overview));
    printDoseTable(dosesTable(overview, tableForm(csv)), csv);
    return 0;
}

const Registration registration(
    "doses", "doses [--year YYYY] [--left] [--dir DIR] [--csv]",
    "Lists each person's dose of record for a year, in the order of the user file: ED, the\n"
    "year's dose, the rolling 12 months and five years (up to 31 December of the year, or today\n"
    "in the current year), the pending dose, the last reading, overdue (as of today) and the\n"
    "status for the year, and the full name of the register data (or the names of the user\n"
    "file). The persons who left are listed with --left only.",
    {valued("year", "YYYY", "The year (default: the current year)."),
     flag("left", "List the persons who left as well."), dirOption(), csvOption()},
    &runDoses);

} // namespace
} // namespace sarvo::tool
