#include "core/store/person_ops.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/person_lookup.h"
#include "tool/refusal.h"
#include "tool/storable_texts.h"

namespace sarvo::tool {
namespace {

int runChangePerson(const Args& args) {
    args.refusePositional();
    // Only the texts given are checked: the others are stored already.
    if (refuseUnstorableTexts(args))
        return 1;
    // The person is looked up and changed with no other writer in between (a missing person is
    // told before anything is created).
    if (const PersonLookup first = lookUpPerson(args); !first.found())
        return first.notFound();
    Store store(args.dir().toStdString());
    DataLock lock = store.writeLock();
    const PersonLookup person = lookUpPerson(args);
    if (!person.found())
        return person.notFound();

    PersonTexts texts = PersonTexts::of(store.readUser(person.index));
    // Only the texts given change; the others stay as stored.
    auto take = [&args](const char* option, QString& text) {
        if (args.has(QLatin1String(option)))
            text = args.value(QLatin1String(option));
    };
    take("last", texts.last);
    take("first", texts.first);
    take("middle", texts.middle);
    take("dep", texts.department);
    if (!personTextsComplete(texts))
        return refuse(args.dir(), Text::NamesMissing, namesMissingText());
    if (!changePerson(store, person.index, person.userNo, texts)) {
        err() << personMovedText() << "\n";
        err().flush();
        return 1;
    }
    return 0;
}

const Registration registration(
    "change-person",
    "change-person --person USERNO [--last LN] [--first FN] [--middle MN] [--dep DEP] [--lossy] "
    "[--dir DIR]",
    "Changes the texts given of one person; the others stay as stored.",
    QList{personOption()} << personTextOptions(false) << lossyOption() << dirOption(),
    &runChangePerson);

} // namespace
} // namespace sarvo::tool
