#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/listing.h"
#include "tool/person_lookup.h"

#include <QRegularExpression>
#include <optional>

namespace sarvo::tool {
namespace {

// A date YYYY-MM-DD that exists, or "" for none; UsageError otherwise.
QDate dateOption(const Args& args, const QString& name) {
    const QString text = args.value(name);
    if (text.isEmpty())
        return {};
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!form.match(text).hasMatch() || !date.isValid())
        throw UsageError(QStringLiteral("--%1 takes a date YYYY-MM-DD that exists, or \"\", not %2")
                             .arg(name, text));
    return date;
}

// The register data with the options given applied; the others as in `stored`.
struct Changes {
    std::optional<QString> fullName, registryId, site;
    std::optional<QDate> birth, left;
    std::optional<PersonCategory> category;

    bool any() const { return fullName || registryId || site || birth || left || category; }
    PersonDetails applied(PersonDetails details) const {
        details.fullName = fullName.value_or(details.fullName);
        details.registryId = registryId.value_or(details.registryId);
        details.site = site.value_or(details.site);
        details.birth = birth.value_or(details.birth);
        details.left = left.value_or(details.left);
        details.category = category.value_or(details.category);
        return details;
    }
};

Changes readChanges(const Args& args) {
    Changes changes;
    const auto text = [&args](const char* name, std::optional<QString>& field) {
        if (args.has(QLatin1String(name)))
            field = args.value(QLatin1String(name)).trimmed();
    };
    text("full-name", changes.fullName);
    text("registry-id", changes.registryId);
    text("site", changes.site);
    if (args.has(QStringLiteral("birth"))) {
        changes.birth = dateOption(args, QStringLiteral("birth"));
        if (changes.birth->isValid() && *changes.birth > QDate::currentDate())
            throw UsageError(QStringLiteral("--birth %1 lies in the future")
                                 .arg(args.value(QStringLiteral("birth"))));
    }
    if (args.has(QStringLiteral("left")))
        changes.left = dateOption(args, QStringLiteral("left"));
    if (args.has(QStringLiteral("category"))) {
        const QString name = args.value(QStringLiteral("category"));
        changes.category = personCategoryFromName(name);
        if (!changes.category)
            throw UsageError(
                QStringLiteral("--category takes A, B, unclassified or \"\", not %1").arg(name));
    }
    return changes;
}

// The dates of the register data together: a person leaves after being born.
void checkDates(const PersonDetails& details) {
    if (details.birth.isValid() && details.left.isValid() && details.left < details.birth)
        throw UsageError(
            QStringLiteral("the day the person left, %1, lies before the birth, %2")
                .arg(details.left.toString(Qt::ISODate), details.birth.toString(Qt::ISODate)));
}

void printDetails(const PersonDetails& details) {
    Listing listing({}, false);
    const auto line = [&listing](const char* name, const QString& value) {
        listing.add(QLatin1String(name));
        listing.add(value);
        listing.endRow();
    };
    line("user_no", QString::number(details.userNo));
    line("full_name", details.fullName);
    line("registry_id", details.registryId);
    line("birth", details.birth.toString(Qt::ISODate));
    line("category", personCategoryName(details.category));
    line("site", details.site);
    line("left", details.left.toString(Qt::ISODate));
    listing.print();
}

int runPersonDetails(const Args& args) {
    args.refusePositional();
    // Every value given is checked before anything is read or stored.
    const Changes changes = readChanges(args);
    if (changes.birth && changes.left)
        checkDates(changes.applied({}));
    const PersonLookup person = lookUpPerson(args);
    if (!person.found())
        return person.notFound();

    Store store(args.dir().toStdString(), !changes.any());
    DoseDatabase database(store);
    if (changes.any()) {
        // The fields not given stay as stored, whatever another program stores meanwhile.
        DataLock lock = store.writeLock();
        const PersonDetails details = changes.applied(database.personDetails(person.userNo));
        checkDates(details);
        database.setPersonDetails(details);
    }
    printDetails(database.personDetails(person.userNo));
    return 0;
}

const Registration registration(
    "person-details",
    "person-details --person USERNO [--full-name TEXT] [--registry-id TEXT] [--birth YYYY-MM-DD] "
    "[--category A|B|unclassified] [--site TEXT] [--left YYYY-MM-DD|\"\"] [--dir DIR]",
    "Prints the register data of a person, one field per line; with options, stores the values\n"
    "given first (the others stay as stored; an empty value clears a field). A registry number\n"
    "belongs to one person of the station.",
    {personOption(), valued("full-name", "TEXT", "The name in full (Unicode, any length)."),
     valued("registry-id", "TEXT", "The registry number, unique within the station."),
     valued("birth", "YYYY-MM-DD", "The date of birth."),
     valued("category", "A|B|unclassified", "The category of exposure."),
     valued("site", "TEXT", "The employer or site code."),
     valued("left", "YYYY-MM-DD", "The day the person left; \"\" when the person is back."),
     dirOption()},
    &runPersonDetails);

} // namespace
} // namespace sarvo::tool
