#include "core/store/store.h"
#include "core/text/text_forms.h"
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
    store.forEachUser(
        [&](long long index, const UserRecord& user) {
            const QString id = identifierDisplayText(user.DosimeterId);
            listing.add(
                {QString::number(index), QString::number(user.UserNo), user.lastName(),
                 user.firstName(), user.middleName(), user.department(), id, formatNumber(user.ED)},
                {QString::number(index), QString::number(user.UserNo), user.lastName(),
                 user.firstName(), user.middleName(), user.department(), id, csvNumber(user.ED)});
            return true;
        },
        false);
    listing.print();
    return 0;
}

const Registration registration("persons", "persons [--dir DIR] [--csv]",
                                "Lists the persons of the user file, in the order of the file.",
                                {dirOption(), csvOption()}, &runPersons);

} // namespace
} // namespace sarvo::tool
