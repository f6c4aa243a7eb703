#include "tool/storable_texts.h"

#include "core/store/records.h"

namespace sarvo::tool {

QStringList personTextOptions() {
    return {QStringLiteral("--last"), QStringLiteral("--first"), QStringLiteral("--middle"),
            QStringLiteral("--dep")};
}

bool refuseUnstorableTexts(const Args& args, const QStringList& options) {
    if (args.has(QStringLiteral("--lossy")))
        return false;
    bool refused = false;
    for (const QString& option : options) {
        const QString text = args.value(option);
        const QString letters = cp1251Unstorable(text);
        if (letters.isEmpty())
            continue;
        err() << QStringLiteral("%1 \"%2\": the letters \"%3\" cannot be stored (the person file "
                                "holds Windows-1251 text); nothing was changed. Give --lossy to "
                                "store them as \"?\".")
                     .arg(option, text, letters)
              << "\n";
        refused = true;
    }
    err().flush();
    return refused;
}

} // namespace sarvo::tool
