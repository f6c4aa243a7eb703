#include "core/link/registration.h"
#include "core/store/person_ops.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/person_lookup.h"
#include "tool/refusal.h"

namespace sarvo::tool {
namespace {

int runRegister(const Args& args) {
    args.refusePositional();
    const QString text = args.required(QStringLiteral("id"));
    const bool replace = args.has(QStringLiteral("replace"));
    // The person is looked up and registered with no other writer in between (a missing person
    // is told before anything is created).
    if (const PersonLookup first = lookUpPerson(args); !first.found())
        return first.notFound();
    Store store(args.dir().toStdString());
    DataLock lock = store.writeLock();
    const PersonLookup person = lookUpPerson(args);
    if (!person.found())
        return person.notFound();

    auto refusal = [&args](Text line) {
        return refuse(args.dir(), line, registrationEnglishText(line));
    };
    if (!registrationTextFits(text))
        return refusal(Text::IdTooLong);
    const std::optional<std::int64_t> value = registrationValue(text);
    if (!value)
        return refusal(Text::IdNotNumber);
    if (checkRegistration(store, *value) == RegistrationCheck::AlreadyRegistered)
        return refusal(Text::DosimeterRegistered);
    // Without --replace the answer to the replacement question is No.
    if (replacementNeedsQuestion(store.readUser(person.index).DosimeterId, *value) && !replace)
        return refusal(Text::ReplaceDosimeterQuestion);
    if (!storeRegistration(store, person.index, person.userNo, *value, replace)) {
        err() << personMovedText() << "\n";
        err().flush();
        return 1;
    }
    return 0;
}

const Registration registration(
    "register", "register --person USERNO --id DIGITS [--replace] [--dir DIR]",
    "Registers a dosimeter to a person, with the checks of the registration window.",
    {personOption(), valued("id", "DIGITS", "The dosimeter ID (required)."),
     flag("replace", "Replace the dosimeter the person has (without it, that is refused)."),
     dirOption()},
    &runRegister);

} // namespace
} // namespace sarvo::tool
