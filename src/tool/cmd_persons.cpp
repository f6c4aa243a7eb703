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
    store.forEachUserSummary([&](long long index, const UserSummary& user) {
        addPersonCells(listing, index, user, separator);
        listing.endRow();
        return true;
    });
    listing.print();
    return 0;
}

const Registration registration("persons", "persons [--dir DIR] [--csv]",
                                "Lists the persons of the user file, in the order of the file.",
                                {dirOption(), csvOption()}, &runPersons);

} // namespace
} // namespace sarvo::tool
