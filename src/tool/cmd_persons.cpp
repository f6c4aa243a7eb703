#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "core/text/csv_export.h"
#include "tool/commands.h"
#include "tool/listing.h"

namespace sarvo::tool {
namespace {

int runPersons(const Args& args) {
    args.refusePositional();
    const bool csv = args.has(QStringLiteral("csv"));
    Store store(args.dir().toStdString(), true);
    Listing listing(personsCsvHeader(), csv);
    const char separator = csv ? '.' : ',';
    // The CSV ends with the full name and the day the person left (register data).
    std::map<std::int32_t, PersonDetails> details;
    if (csv)
        details = DoseDatabase(store).personDetails();
    store.forEachUserSummary([&](long long index, const UserSummary& user) {
        addPersonCells(listing, index, user, separator);
        if (csv)
            addPersonDetailCsvCells(listing, user, details);
        listing.endRow();
        return true;
    });
    listing.print();
    return 0;
}

const Registration
    registration("persons", "persons [--dir DIR] [--csv]",
                 "Lists the persons of the user file, in the order of the file; the CSV ends\n"
                 "with the full name of the register data (or the names of the\n"
                 "record) and the day the person left.",
                 {dirOption(), csvOption()}, &runPersons);

} // namespace
} // namespace sarvo::tool
