#include "core/store/person_ops.h"
#include "core/store/store.h"
#include "tool/commands.h"
#include "tool/refusal.h"
#include "tool/storable_texts.h"

namespace sarvo::tool {
namespace {

int runAddPerson(const Args& args) {
    args.refusePositional();
    const PersonTexts texts{
        args.required(QStringLiteral("last")), args.required(QStringLiteral("first")),
        args.value(QStringLiteral("middle")), args.value(QStringLiteral("dep"))};
    if (!personTextsComplete(texts))
        return refuse(args.dir(), Text::NamesMissing, namesMissingText());
    if (refuseUnstorableTexts(args))
        return 1;
    Store store(args.dir().toStdString());
    store.ensureDataDir();
    out() << addPerson(store, texts) << "\n";
    return 0;
}

const Registration
    registration("add-person",
                 "add-person --last LN --first FN [--middle MN] [--dep DEP] [--lossy] [--dir DIR]",
                 "Adds a person to the user file, in name order, and prints the new person number.",
                 personTextOptions(true) << lossyOption() << dirOption(), &runAddPerson);

} // namespace
} // namespace sarvo::tool
