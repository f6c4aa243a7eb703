#include "core/text/program_files.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace

bool isProgramFile(const QString& baseDir, const QString& file) {
    const QString path = resolved(file);
    const QString base = resolved(baseDir);
    for (const char* name : {"Sarvo.ini", "Lang.txt", "DB", "Help"})
        if (sameOrInside(path, resolved(QDir(base).filePath(QLatin1String(name)))))
            return true;
    return false;
}

} // namespace sarvo
