#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace sarvo::test {

struct ToolResult {
    int code;
    QString out, err;
};

// Runs sarvo-tool with the locale `lang`, in `workDir` (where it looks for Lang.txt) when given.
inline ToolResult runTool(const QStringList& arguments, const QString& lang,
                          const QString& workDir = QString()) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANG", lang);
    env.remove("LC_ALL");
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(SARVO_TOOL_PATH, arguments);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The bytes of a file; "<missing>" when it cannot be read.
inline QByteArray readBytes(const std::filesystem::path& path) {
    QFile f(QString::fromStdString(path.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace sarvo::test
