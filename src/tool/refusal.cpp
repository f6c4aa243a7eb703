#include "tool/refusal.h"

#include "core/store/store.h"
#include "core/store/store_error.h"
#include "core/text/language.h"
#include "tool/commands.h"

#include <QDir>

namespace sarvo::tool {

int refuse(const QString& baseDir, Text line, const QString& english) {
    QString text;
    try {
        Store store(baseDir.toStdString(), true);
        const std::optional<SettingsRecord> settings = store.readSettings();
        LanguageStrings strings;
        strings.loadForBase(QDir::currentPath(),
                            settings ? settings->LangIndex : defaultLanguageIndex());
        text = strings.line(line);
    } catch (const StoreError&) {
        // An unreadable settings or language file: the English text says it as well.
    }
    out().flush();
    err() << (text.isEmpty() ? english : text) << "\n";
    err().flush();
    return 1;
}

} // namespace sarvo::tool
