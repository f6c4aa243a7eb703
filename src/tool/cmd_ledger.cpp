#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/dose_listing.h"
#include "tool/listing.h"
#include "tool/person_lookup.h"

namespace sarvo::tool {
namespace {

int runLedger(const Args& args) {
    args.refusePositional();
    const bool csv = args.has(QStringLiteral("csv"));
    const PersonLookup person = lookUpPerson(args);
    if (!person.found())
        return person.notFound();
    Store store(args.dir().toStdString(), true);
    DoseDatabase database(store);
    printDoseTable(ledgerTable(database.ledger(person.userNo), tableForm(csv)), csv);
    return 0;
}

const Registration registration(
    "ledger", "ledger --person USERNO [--dir DIR] [--csv]",
    "Lists the dose ledger of one person: every change of ED, in the order it was written.",
    {personOption(), dirOption(), csvOption()}, &runLedger);

} // namespace
} // namespace sarvo::tool
