#include "gui/common/help_file.h"

#include "core/text/language.h"
#include "core/text/program_files.h"
#include "gui/common/message_boxes.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace sarvo {

QString helpFilePath(const QString& baseDir, int langIndex) {
    if (langIndex < 0 || langIndex >= kLanguageCount)
        return QString();
    const QString folder = programFilesDir(baseDir, QLatin1String(kHelpFolderName)) +
                           QLatin1Char('/') + QLatin1String(kHelpFolderName) + QLatin1Char('/');
    const auto page = [&](int index) {
        return folder + QStringLiteral("Sarvo_") + languageTag(index) + QStringLiteral(".html");
    };
    const QString own = page(langIndex);
    if (langIndex <= 1 || QFileInfo::exists(own))
        return own;
    return page(1);
}

HelpOpener systemHelpOpener() {
    return [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
}

bool openHelpPage(const QString& path, const HelpOpener& opener, QWidget* parent) {
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        warningBox(QCoreApplication::translate("sarvo::HelpFile",
                                               "The help page %1 is missing. Its folder is "
                                               "installed with the program.")
                       .arg(shown),
                   parent);
        return false;
    }
    if (opener && opener(path))
        return true;
    warningBox(QCoreApplication::translate("sarvo::HelpFile",
                                           "No program could open the help page. It is the "
                                           "file %1: a web browser can open it.")
                   .arg(shown),
               parent);
    return false;
}

} // namespace sarvo
