#pragma once

#include "core/store/records.h"

#include <QObject>
#include <QString>
#include <memory>

class QLockFile;

namespace sarvo {

class SingleInstance;
class TFormSarvo;
class TFormZast;

// The program's start-up, in this order: the process-wide format settings, the base directory
// (the working directory, or the data folder the command line names, which becomes the working
// directory), the settings file, the language, the single-instance rule, the lock
// on the base directory, the splash window, the windows; then the event loop, whose first
// showing of the main window activates it.
class SarvoApp final : public QObject {
    Q_OBJECT
public:
    struct Options {
        // Look for a running program with the same title and user (tests run side by side and
        // switch it off).
        bool singleInstance = true;
        // The data folder (absolute) to take as the base directory; empty for the working
        // directory. It is made when missing: with its missing parent folders for the officer's
        // own data folder (`userData`), otherwise only when the folder it is in exists, so that a
        // mistyped path or a medium that is not mounted gives a message rather than a new, empty
        // set of data.
        QString dataFolder = QString();
        bool userData = false;
    };

    SarvoApp();
    explicit SarvoApp(Options options);
    ~SarvoApp() override;

    // Runs start-up up to the creation of the windows and shows the main window. False when the
    // process is to end at once: another program was asked to show itself (exit code 0), or
    // start-up failed after telling the officer why (exit code 1).
    bool start();
    int exitCode() const { return exitCode_; }
    // Runs the event loop until the main window is closed.
    int exec();

    const QString& baseDir() const { return baseDir_; }
    // The base directory or its data directory may not be written (checked once at start): the
    // data are shown, and every write is refused.
    bool readOnly() const { return readOnly_; }
    static bool dataDirectoriesWritable(const QString& baseDir);
    // Makes `folder` (made when missing, see Options) the working directory. Empty when done,
    // otherwise what stands in the way, for the officer.
    static QString enterDataFolder(const QString& folder, bool makeParents);
    const SettingsRecord& settings() const { return settings_; }
    TFormSarvo* mainWindow() const { return main_.get(); }
    TFormZast* splash() const { return splash_.get(); }
    SingleInstance* singleInstance() const { return single_; }

    // The lock file that keeps a second program out of the base directory.
    static QString lockFileName() { return QStringLiteral("Sarvo.lock"); }

private:
    Options options_;
    QString baseDir_;
    SettingsRecord settings_;
    int exitCode_ = 0;
    bool readOnly_ = false;
    SingleInstance* single_ = nullptr;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<TFormZast> splash_;
    std::unique_ptr<TFormSarvo> main_;
};

} // namespace sarvo
