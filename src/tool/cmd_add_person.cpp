#include "store/person_ops.h"
#include "store/store.h"
#include "tool/commands.h"
#include "tool/refusal.h"

namespace sarvo::tool {
namespace {

int runAddPerson(const QStringList& arguments) {
    Args args(arguments,
              {QStringLiteral("--last"), QStringLiteral("--first"), QStringLiteral("--middle"),
               QStringLiteral("--dep"), QStringLiteral("--dir")},
              {});
    if (!args.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(args.positional().first()));
    const PersonTexts texts{
        args.required(QStringLiteral("--last")), args.required(QStringLiteral("--first")),
        args.value(QStringLiteral("--middle")), args.value(QStringLiteral("--dep"))};
    if (!personTextsComplete(texts))
        return refuse(args.dir(), kLineNamesMissing, namesMissingText());
    Store store(args.dir().toStdString());
    store.ensureDataDir();
    out() << addPerson(store, texts) << "\n";
    return 0;
}

const Registration
    registration("add-person",
                 "add-person --last LN --first FN [--middle MN] [--dep DEP] [--dir DIR]",
                 &runAddPerson);

} // namespace
} // namespace sarvo::tool
