#include "core/store/dose_database.h"
#include "core/store/dose_overview.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/dose_listing.h"
#include "tool/listing.h"

#include <QDate>

namespace sarvo::tool {
namespace {

int runReport(const Args& args) {
    args.refusePositional();
    const QDate today = QDate::currentDate();
    const int year = yearOption(args, today.year(), true);
    const bool csv = args.has(QStringLiteral("csv"));
    Store store(args.dir().toStdString(), true);
    DoseDatabase database(store);
    DoseOverview overview = buildDoseOverview(store, database, year, today);
    if (!args.has(QStringLiteral("left")))
        overview = withoutPersonsWhoLeft(std::move(overview));
    printDoseTable(reportTable(overview, tableForm(csv)), csv);
    return 0;
}

const Registration registration(
    "report", "report --year YYYY [--left] [--dir DIR] [--csv]",
    "The annual report: each person's dose of each month of the year, the year's total and the\n"
    "status, and the full name of the register data (or the names of the user file), in the\n"
    "order of the user file. The persons who left are listed with --left only.",
    {valued("year", "YYYY", "The year (required)."),
     flag("left", "List the persons who left as well."), dirOption(), csvOption()},
    &runReport);

} // namespace
} // namespace sarvo::tool
