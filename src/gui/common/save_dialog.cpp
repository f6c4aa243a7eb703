#include "gui/common/save_dialog.h"

#include "core/text/program_files.h"
#include "gui/common/message_boxes.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace sarvo {

namespace {

QString& programDirectory() {
    static QString directory;
    return directory;
}

} // namespace

SaveDialog::SaveDialog(const QString& filter, const QString& defaultExtension, QWidget* parent)
    : QFileDialog(parent) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontConfirmOverwrite, true);
    setNameFilters(nameFiltersOf(filter));
    QString suffix = defaultExtension;
    if (suffix.startsWith(QLatin1String("*.")))
        suffix.remove(0, 2);
    defaultSuffix_ = suffix;
    setDefaultSuffix(suffix);
    setDirectory(startDirectory());
    connect(this, &QFileDialog::filterSelected, this, &SaveDialog::followFilter);
}

namespace {

// The extension of the first pattern of a name filter ("Text files (*.txt)" -> "txt"); empty
// for a pattern of any file.
QString filterExtension(const QString& nameFilter) {
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    const QString pattern =
        nameFilter.mid(open + 1).section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(')'));
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.indexOf(QLatin1Char('*'), 1) >= 0)
        return {};
    return pattern.mid(2);
}

} // namespace

QString SaveDialog::chosenExtension() const {
    return filterExtension(selectedNameFilter());
}

void SaveDialog::followFilter(const QString& nameFilter) {
    const QString extension = filterExtension(nameFilter);
    setDefaultSuffix(extension.isEmpty() ? defaultSuffix_ : extension);
}

void SaveDialog::accept() {
    followFilter(selectedNameFilter());
    QFileDialog::accept();
}

QString SaveDialog::execute() {
    for (;;) {
        if (exec() != QDialog::Accepted)
            return {};
        const QString file = selectedFiles().value(0);
        const QString base =
            programDirectory().isEmpty() ? QDir::currentPath() : programDirectory();
        // The language file is looked up in the working directory of the moment.
        if (!isProgramFile(base, file) && !isProgramFile(QDir::currentPath(), file))
            return file;
        errorBox(programFileText(file), this);
    }
}

void SaveDialog::setProgramDirectory(const QString& baseDir) {
    programDirectory() = baseDir;
}

QString SaveDialog::startDirectory() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString SaveDialog::programFileText(const QString& file) {
    return tr("%1 is one of the program's own files and cannot be replaced by a report. Choose "
              "another file.")
        .arg(QDir::toNativeSeparators(file));
}

QStringList SaveDialog::nameFiltersOf(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        // A description that already shows its patterns in brackets shows them once.
        if (description.endsWith(QLatin1Char(')'))) {
            const qsizetype open = description.lastIndexOf(QLatin1Char('('));
            if (open > 0)
                description = description.left(open).trimmed();
        }
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

} // namespace sarvo
