#include "core/registry/registry_connection.h"
#include "core/registry/registry_views.h"
#include "tool/dose_listing.h"
#include "tool/limits_options.h"
#include "tool/registry_login.h"
#include "tool/registry_views.h"

#include <QDate>

namespace sarvo::tool {
namespace {

std::unique_ptr<registry::RegistryConnection> connect(const Args& args) {
    return connectRegistry(args.required(QStringLiteral("db")));
}

} // namespace

int runRegistryLimits(const Args& args) {
    // Every value given is checked before the registry is asked.
    const LimitsChange change = limitsChange(args);
    const std::unique_ptr<registry::RegistryConnection> connection = connect(args);
    if (change.any()) {
        // The limits not given stay as stored, whatever another owner stores meanwhile.
        printLimits(registry::changeRegistryLimits(
            *connection, [&change](const DoseLimits& stored) { return change.appliedTo(stored); }));
        return 0;
    }
    printLimits(registry::registryLimits(*connection));
    return 0;
}

int runRegistryPersons(const Args& args) {
    const bool csv = args.has(QStringLiteral("csv"));
    const std::unique_ptr<registry::RegistryConnection> connection = connect(args);
    printDoseTable(
        registry::registryPersonsTable(registry::registryPersons(*connection), tableForm(csv)),
        csv);
    return 0;
}

int runRegistryReadings(const Args& args) {
    const bool csv = args.has(QStringLiteral("csv"));
    std::optional<int> year;
    if (args.has(QStringLiteral("year")))
        year = yearOption(args, 0, true);
    const std::unique_ptr<registry::RegistryConnection> connection = connect(args);
    printDoseTable(registry::registryReadingsTable(registry::registryReadings(*connection, year),
                                                   tableForm(csv)),
                   csv);
    return 0;
}

int runRegistryDoses(const Args& args) {
    const bool csv = args.has(QStringLiteral("csv"));
    const QDate today = QDate::currentDate();
    const int year = yearOption(args, today.year(), false);
    const std::unique_ptr<registry::RegistryConnection> connection = connect(args);
    printDoseTable(registry::registryDosesTable(registry::registryDoses(*connection, year, today),
                                                tableForm(csv)),
                   csv);
    return 0;
}

} // namespace sarvo::tool
