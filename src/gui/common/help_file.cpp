#include "gui/common/help_file.h"

#include "core/text/language.h"

#include <QFileInfo>

namespace sarvo {

QString helpFilePath(const QString& baseDir, int langIndex) {
    if (langIndex < 0 || langIndex >= kLanguageCount)
        return QString();
    const QString folder = baseDir + QStringLiteral("/Help/");
    const auto page = [&](int index) {
        return folder + QStringLiteral("Sarvo_") + languageTag(index) + QStringLiteral(".html");
    };
    const QString own = page(langIndex);
    if (langIndex <= 1 || QFileInfo::exists(own))
        return own;
    return page(1);
}

} // namespace sarvo
