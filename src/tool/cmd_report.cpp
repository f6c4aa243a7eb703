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
    const DoseOverview overview = buildDoseOverview(store, database, year, today);
    printDoseTable(reportTable(overview, tableForm(csv)), csv);
    return 0;
}

const Registration registration(
    "report", "report --year YYYY [--dir DIR] [--csv]",
    "The annual report: each person's dose of each month of the year, the year's total and the\n"
    "status, in the order of the user file.",
    {valued("year", "YYYY", "The year (required)."), dirOption(), csvOption()}, &runReport);

} // namespace
} // namespace sarvo::tool
