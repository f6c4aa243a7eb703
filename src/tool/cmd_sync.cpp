#include "core/registry/registry_schema.h"
#include "core/registry/registry_sync.h"
#include "core/store/dose_database.h"
#include "core/store/platform.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/registry_login.h"

#include <algorithm>

namespace sarvo::tool {
namespace {

int runSync(const Args& args) {
    args.refusePositional();
    Store store(args.dir().toStdString());
    DoseDatabase database(store);
    const DoseDatabase::RegistrySettings stored = database.registrySettings();
    const QString url = args.value(QStringLiteral("db"), stored.address);
    const QString station = args.value(QStringLiteral("station"), stored.station);
    if (url.isEmpty())
        throw UsageError(QStringLiteral("--db is required: this station has no registry address "
                                        "stored yet"));
    if (station.isEmpty())
        throw UsageError(QStringLiteral("--station is required: this station has no name in the "
                                        "registry stored yet"));
    registry::RegistryAddress address = registryAddress(url);
    if (!address.password.isEmpty())
        throw UsageError(QStringLiteral("the address in --db holds a password, and the address is "
                                        "stored in the data folder: give the password in "
                                        "~/.pgpass, PGPASSWORD or at the prompt instead"));
    if (!registry::validStationName(station))
        throw UsageError(QStringLiteral("a station name is 1 to 32 characters of A-Z, a-z, 0-9, "
                                        "\"_\" and \"-\", not %1")
                             .arg(station));
    if (!stored.station.isEmpty() && station != stored.station)
        throw UsageError(QStringLiteral("this data folder pushes to the registry as the station "
                                        "%1, not %2")
                             .arg(stored.station, station));

    const auto connection = connectRegistry(url);
    connection->requireSchema();
    // The name and address are kept once the registry knows the login as this station.
    const QString own = registry::loginStation(*connection);
    if (own != station)
        throw registry::RegistryError(
            QStringLiteral("the login %1 is not the role of the station %2 in the registry%3")
                .arg(address.user.isEmpty() ? QStringLiteral("(the system user)") : address.user,
                     station,
                     own.isEmpty() ? QString()
                                   : QStringLiteral(" (it is the role of %1)").arg(own)));
    const DoseDatabase::RegistrySettings settings{station, address.text()};
    if (!(settings == stored))
        database.setRegistrySettings(settings);
    const bool terminal = platform::isTerminal(2);
    bool shown = false;
    const registry::SyncResult result = registry::syncStation(
        store, *connection, station, [&](const registry::SyncProgress& progress) {
            if (!terminal)
                return;
            err() << "\rsent " << progress.sent << " of " << progress.total;
            err().flush();
            shown = true;
        });
    if (shown) {
        err() << "\n";
        err().flush();
    }
    out() << "sent to " << address.text() << " as " << station << ": " << result.persons
          << " persons, " << result.readings << " readings, " << result.ledgerRows
          << " ledger rows, " << result.alerts << " alerts\n";
    out().flush();
    // The first ones by number, and how many more: a whole file rewritten is not a flood.
    const auto report = [](const std::vector<long long>& numbers, const char* what) {
        constexpr size_t kListed = 20;
        for (size_t k = 0; k < std::min(numbers.size(), kListed); ++k)
            err() << what << " " << numbers[k]
                  << " differs from the registry's copy (rewritten, or gone from the station): "
                     "not sent\n";
        if (numbers.size() > kListed)
            err() << "and " << numbers.size() - kListed << " more " << what << "s\n";
    };
    report(result.rewrittenRecords, "History record");
    report(result.rewrittenLedgerRows, "ledger row");
    err().flush();
    return result.rewrittenRecords.empty() && result.rewrittenLedgerRows.empty() ? 0 : 1;
}

const Registration registration(
    "sync", "sync [--db URL] [--station NAME] [--dir DIR]",
    "Pushes to the central registry what it does not have yet of this station (persons, readings,\n"
    "ledger rows, alerts), in batches; an interrupted push goes on from there the next time.\n"
    "History records the registry holds with other bytes are listed and not sent (exit 1).\n"
    "The station's name and the address are stored; without options the stored ones are used.",
    {valued("db", "URL",
            "The registry's address, postgresql://[USER@]HOST[:PORT]/DATABASE, without a "
            "password (default: the stored one)."),
     valued("station", "NAME", "The station's name in the registry (default: the stored one)."),
     dirOption()},
    &runSync);

} // namespace
} // namespace sarvo::tool
