#include "core/registry/registry_admin.h"
#include "core/registry/registry_schema.h"
#include "core/store/platform.h"
#include "tool/commands.h"
#include "tool/registry_login.h"
#include "tool/registry_views.h"

#include <map>

namespace sarvo::tool {
namespace {

// The options of each subcommand besides --db (every one takes --db).
const std::map<QString, QStringList>& subcommandOptions() {
    static const std::map<QString, QStringList> options{
        {QStringLiteral("init"), {}},
        {QStringLiteral("add-station"), {}},
        {QStringLiteral("limits"),
         {QStringLiteral("annual"), QStringLiteral("five-year"), QStringLiteral("investigation"),
          QStringLiteral("monthly"), QStringLiteral("overdue-days")}},
        {QStringLiteral("persons"), {QStringLiteral("csv")}},
        {QStringLiteral("readings"), {QStringLiteral("year"), QStringLiteral("csv")}},
        {QStringLiteral("doses"), {QStringLiteral("year"), QStringLiteral("csv")}},
    };
    return options;
}

const QStringList kAllOptions{
    QStringLiteral("annual"),  QStringLiteral("five-year"),    QStringLiteral("investigation"),
    QStringLiteral("monthly"), QStringLiteral("overdue-days"), QStringLiteral("year"),
    QStringLiteral("csv")};

int runInit(const Args& args) {
    const auto connection = connectRegistry(args.required(QStringLiteral("db")));
    const registry::InitResult result = registry::initRegistry(*connection);
    if (result.versionBefore == 0)
        out() << "created the registry schema version " << result.version << " in "
              << connection->address().text() << "\n";
    else
        out() << "the registry schema version " << result.versionBefore << " is there already in "
              << connection->address().text() << "\n";
    out() << "roles " << registry::kStationGroupRole << " and " << registry::kOfficerRole
          << (result.rolesCreated ? " created" : " in place") << ", rights granted\n";
    return 0;
}

int runAddStation(const Args& args) {
    const QString name = args.positional().value(1);
    if (!registry::validStationName(name))
        throw UsageError(QStringLiteral("a station name is 1 to 32 characters of A-Z, a-z, 0-9, "
                                        "\"_\" and \"-\", not %1")
                             .arg(name));
    const auto connection = connectRegistry(args.required(QStringLiteral("db")));
    connection->requireSchema();
    const QString role = registry::stationRoleName(name);
    QString password = readPassword(QStringLiteral("Password for the new role %1: ").arg(role));
    if (platform::isTerminal(0) &&
        readPassword(QStringLiteral("The same password again: ")) != password)
        throw UsageError(QStringLiteral("the two passwords differ"));
    if (password.isEmpty())
        throw UsageError(QStringLiteral("the new role needs a password (one line on standard "
                                        "input, or typed on the terminal)"));
    registry::addStation(*connection, name, password);
    registry::RegistryAddress address = connection->address();
    address.user = role;
    address.password.clear();
    out() << "station " << name << ": role " << role << "\n"
          << "address the station stores: " << address.text() << "\n";
    return 0;
}

int runRegistry(const Args& args) {
    const QStringList positional = args.positional();
    if (positional.isEmpty())
        throw UsageError(QStringLiteral("the subcommand is required: init, add-station, limits, "
                                        "persons, readings or doses"));
    const QString sub = positional.first();
    const auto own = subcommandOptions().find(sub);
    if (own == subcommandOptions().end())
        throw UsageError(QStringLiteral("unknown subcommand %1").arg(sub));
    for (const QString& option : kAllOptions)
        if (args.has(option) && !own->second.contains(option))
            throw UsageError(QStringLiteral("registry %1 does not take --%2").arg(sub, option));
    const qsizetype arguments = sub == QLatin1String("add-station") ? 2 : 1;
    if (positional.size() < arguments)
        throw UsageError(QStringLiteral("registry add-station needs the station's name"));
    if (positional.size() > arguments)
        throw UsageError(QStringLiteral("unexpected argument %1").arg(positional[arguments]));
    if (sub == QLatin1String("init"))
        return runInit(args);
    if (sub == QLatin1String("add-station"))
        return runAddStation(args);
    if (sub == QLatin1String("limits"))
        return runRegistryLimits(args);
    if (sub == QLatin1String("persons"))
        return runRegistryPersons(args);
    if (sub == QLatin1String("readings"))
        return runRegistryReadings(args);
    return runRegistryDoses(args);
}

const Registration registration(
    "registry",
    "registry init|add-station NAME|limits|persons|readings|doses --db URL [--year YYYY] [--csv] "
    "[--annual MSV] [--five-year MSV] [--investigation MSV] [--monthly MSV|off] "
    "[--overdue-days N]",
    "Works on the central registry, a PostgreSQL database at URL "
    "(postgresql://[USER@]HOST[:PORT]/DATABASE):\n"
    "  init               creates or migrates its schema and the roles sarvo_station and\n"
    "                     sarvo_officer (safe to run again; needs a role that may create roles)\n"
    "  add-station NAME   creates the login role of a station; its password is asked for\n"
    "                     twice on a terminal, else read as one line from standard input\n"
    "  limits             prints the registry's limits and levels; with options, stores them\n"
    "  persons            the persons of every station\n"
    "  readings           the readings of every station\n"
    "  doses              the annual and five-year dose of each worker across stations\n"
    "The password comes from PGPASSWORD, ~/.pgpass or a prompt on the terminal.",
    {valued("db", "URL", "The address of the registry (required)."),
     valued("year", "YYYY",
            "readings: only those of the year; doses: the year (default: this year)."),
     flag("csv", "persons, readings, doses: comma-separated values with a header line."),
     valued("annual", "MSV", "limits: the annual limit."),
     valued("five-year", "MSV", "limits: the limit of five consecutive years."),
     valued("investigation", "MSV", "limits: the annual investigation level."),
     valued("monthly", "MSV|off", "limits: the monthly investigation level, or off."),
     valued("overdue-days", "N", "limits: the days after which a dosimeter not read is overdue.")},
    &runRegistry);

} // namespace
} // namespace sarvo::tool
