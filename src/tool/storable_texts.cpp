#include "tool/storable_texts.h"

#include "core/store/records.h"

namespace sarvo::tool {

QList<QCommandLineOption> personTextOptions(bool required) {
    return {valued("last", "LN", required ? "The last name (required)." : "The last name."),
            valued("first", "FN", required ? "The first name (required)." : "The first name."),
            valued("middle", "MN", "The middle name."), valued("dep", "DEP", "The department.")};
}

QCommandLineOption lossyOption() {
    return flag("lossy",
                "Store letters that Windows-1251 lacks as \"?\" instead of refusing them.");
}

bool refuseUnstorableTexts(const Args& args) {
    if (args.has(QStringLiteral("lossy")))
        return false;
    bool refused = false;
    for (const QCommandLineOption& option : personTextOptions(false)) {
        const QString name = option.names().first();
        const QString text = args.value(name);
        const QString letters = cp1251Unstorable(text);
        if (letters.isEmpty())
            continue;
        err() << QStringLiteral("--%1 \"%2\": the letters \"%3\" cannot be stored (the person file "
                                "holds Windows-1251 text); nothing was changed. Give --lossy to "
                                "store them as \"?\".")
                     .arg(name, text, letters)
              << "\n";
        refused = true;
    }
    err().flush();
    return refused;
}

} // namespace sarvo::tool
