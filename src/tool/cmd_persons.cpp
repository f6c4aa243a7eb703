#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/listing.h"

namespace sarvo::tool {
namespace {

int runPersons(const Args& args) {
    args.refusePositional();
    const bool csv = args.has(QStringLiteral("csv"));
    Store store(args.dir().toStdString(), true);
    Listing listing({QStringLiteral("record"), QStringLiteral("user_no"),
                     QStringLiteral("last_name"), QStringLiteral("first_name"),
                     QStringLiteral("middle_name"), QStringLiteral("department"),
                     QStringLiteral("dosimeter_id"), QStringLiteral("ed")},
                    csv);
    const char separator = csv ? '.' : ',';
    store.forEachUserSummary([&](long long index, const UserSummary& user) {
        listing.add(integerText(index).view());
        listing.add(integerText(user.UserNo).view());
        listing.add(user.lastName());
        listing.add(user.firstName());
        listing.add(user.middleName());
        listing.add(user.department());
        listing.add(identifierText(user.DosimeterId).view());
        listing.add(numberText(user.ED, separator).view());
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
