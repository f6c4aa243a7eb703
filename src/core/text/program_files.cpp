#include "core/text/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace sarvo {

namespace {

constexpr Qt::CaseSensitivity kFileNameCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

// The path with every link and "." or ".." resolved, as far as the path exists; the part that
// does not exist yet (the name of a file about to be created) is appended as written.
QString resolved(const QString& path) {
    QFileInfo info(QDir::cleanPath(QDir(path).absolutePath()));
    QStringList missing;
    while (!info.exists() && !info.isSymLink()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            break;
        missing.prepend(info.fileName());
        info = QFileInfo(parent);
    }
    QString base = info.canonicalFilePath();
    if (base.isEmpty()) // a dangling link: the place it names
        base = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    for (const QString& name : missing)
        base = QDir(base).filePath(name);
    return QDir::cleanPath(base);
}

bool sameOrInside(const QString& path, const QString& place) {
    return path.compare(place, kFileNameCase) == 0 ||
           path.startsWith(place + QLatin1Char('/'), kFileNameCase);
}

std::optional<QStringList>& chosenShareDirectories() {
    static std::optional<QStringList> folders;
    return folders;
}

} // namespace

QStringList shareDirectories() {
    if (const auto& chosen = chosenShareDirectories())
        return *chosen;
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/../share/sarvo"));
#ifdef SARVO_SHARE_DIR
    const QString installed = QDir::cleanPath(QStringLiteral(SARVO_SHARE_DIR));
    if (!installed.isEmpty() && !folders.contains(installed))
        folders << installed;
#endif
    return folders;
}

void setShareDirectories(const QStringList& folders) {
    chosenShareDirectories() = folders.isEmpty() ? std::nullopt : std::optional(folders);
}

QString programFilesDir(const QString& baseDir, const QString& name) {
    if (QFileInfo::exists(QDir(baseDir).filePath(name)))
        return baseDir;
    for (const QString& folder : shareDirectories())
        if (QFileInfo::exists(QDir(folder).filePath(name)))
            return folder;
    return baseDir;
}

QString readmeLocation() {
    const QStringList shares = shareDirectories();
    for (const QString& folder : shares)
        for (const char* name : {"README.md", "README.md.gz"}) {
            const QString file =
                QDir::cleanPath(folder + QStringLiteral("/../doc/sarvo/") + QLatin1String(name));
            if (QFileInfo(file).isFile())
                return file;
        }
#ifdef SARVO_SOURCE_DIR
    const QString source = QStringLiteral(SARVO_SOURCE_DIR "/README.md");
    if (QFileInfo(source).isFile())
        return source;
#endif
    return shares.isEmpty()
               ? QString()
               : QDir::cleanPath(shares.last() + QStringLiteral("/../doc/sarvo/README.md"));
}

bool isProgramFile(const QString& baseDir, const QString& file) {
    const QString path = resolved(file);
    const QString base = resolved(baseDir);
    for (const char* name : {"Sarvo.ini", kLanguageFileName, "DB", kHelpFolderName})
        if (sameOrInside(path, resolved(QDir(base).filePath(QLatin1String(name)))))
            return true;
    for (const QString& folder : shareDirectories())
        for (const char* name : {kLanguageFileName, kHelpFolderName})
            if (sameOrInside(path, resolved(QDir(folder).filePath(QLatin1String(name)))))
                return true;
    return false;
}

} // namespace sarvo
