#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/limits_options.h"

namespace sarvo::tool {
namespace {

int runLimits(const Args& args) {
    args.refusePositional();
    // Every value given is checked before anything is stored.
    const LimitsChange change = limitsChange(args);
    Store store(args.dir().toStdString(), !change.any());
    DoseDatabase database(store);
    if (change.any()) {
        // The limits not given stay as stored, whatever another program stores meanwhile.
        DataLock lock = store.writeLock();
        database.setLimits(change.appliedTo(database.limits()));
    }
    printLimits(database.limits());
    return 0;
}

const Registration registration(
    "limits",
    "limits [--annual MSV] [--five-year MSV] [--investigation MSV] [--monthly MSV|off] "
    "[--overdue-days N] [--dir DIR]",
    "Prints the limits and levels of the dose of record, one per line; with options, stores the\n"
    "values given first (the others stay as stored). Doses in mSv, \".\" or \",\" as decimal "
    "point.",
    limitsOptions() << dirOption(), &runLimits);

} // namespace
} // namespace sarvo::tool
