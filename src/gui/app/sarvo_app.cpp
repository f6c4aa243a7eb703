#include "gui/app/sarvo_app.h"

#include "core/store/platform.h"
#include "core/store/store.h"
#include "core/store/store_error.h"
#include "core/text/language.h"
#include "core/text/text_forms.h"
#include "gui/app/single_instance.h"
#include "gui/common/message_boxes.h"
#include "gui/dialogs/form_zast.h"
#include "gui/main/form_sarvo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace sarvo {

bool SarvoApp::dataDirectoriesWritable(const QString& baseDir) {
    // A data directory that does not exist yet is made in the base directory.
    const std::filesystem::path base = baseDir.toStdString();
    std::error_code error;
    return platform::folderWritable(base) &&
           (!std::filesystem::exists(base / "DB", error) || platform::folderWritable(base / "DB"));
}

QString SarvoApp::enterDataFolder(const QString& folder, bool makeParents) {
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (info.exists() && !info.isDir())
        return tr("The data folder %1 cannot be used: it is a file, not a folder.").arg(shown);
    if (!info.exists()) {
        const QString parent = info.absolutePath();
        if (!makeParents && !QFileInfo(parent).isDir())
            return tr("The data folder %1 is not made: the folder %2 does not exist.")
                .arg(shown, QDir::toNativeSeparators(parent));
        if (!QDir().mkpath(folder))
            return tr("The data folder %1 cannot be made.").arg(shown);
    }
    if (!QDir::setCurrent(folder))
        return tr("The data folder %1 cannot be opened.").arg(shown);
    return QString();
}

SarvoApp::SarvoApp() : SarvoApp(Options{}) {}

SarvoApp::SarvoApp(Options options) : options_(options) {}

SarvoApp::~SarvoApp() {
    // The main window owns the dialogs; it goes before the splash window.
    main_.reset();
    splash_.reset();
}

bool SarvoApp::start() {
    // Dates with ".", times with ":", numbers with "," whatever the regional settings say; the
    // order of day, month and year stays the workstation's.
    ValueFormats::system();

    // The base directory: the working directory, or the data folder the command line names,
    // which becomes the working directory (the language file and the save dialog look there).
    // When it or its data directory may not be written, the program shows the data without
    // writing anything (a missing settings file gives the defaults).
    if (!options_.dataFolder.isEmpty()) {
        const QString problem = enterDataFolder(options_.dataFolder, options_.userData);
        if (!problem.isEmpty()) {
            errorBox(problem);
            exitCode_ = 1;
            return false;
        }
    }
    baseDir_ = QDir::currentPath();
    readOnly_ = !dataDirectoriesWritable(baseDir_);
    Store store(baseDir_.toStdString(), readOnly_);

    try {
        // The settings file, created with the defaults when missing.
        settings_ = store.loadSettings(defaultLanguageIndex());
        // The texts of the stored language: its lines of Lang.txt, the translations of the
        // program's other texts and of Qt's own (message-box buttons, file dialog). They come
        // before anything is shown, the single-instance title included.
        installTranslations(settings_.LangIndex);
        languageStrings().loadForBase(QDir::currentPath(), settings_.LangIndex);
        // The application's name on the desktop is the title, language line 1.
        QGuiApplication::setApplicationDisplayName(L(Text::AppTitle));
    } catch (const StoreError& error) {
        errorBox(error.text());
        exitCode_ = 1;
        return false;
    }

    // A program already showing this title to this user is brought forward instead.
    if (options_.singleInstance) {
        if (SingleInstance::askRunningToShow(L(Text::AppTitle))) {
            exitCode_ = 0;
            return false;
        }
        single_ = new SingleInstance(this);
        single_->listen(L(Text::AppTitle));
    }

    // Two programs never write the same files: the base directory is locked while one runs. A
    // lock left by a program that is no longer running is taken over. A directory in which the
    // lock cannot be made is read-only, not held by another copy.
    if (!readOnly_) {
        lock_ = std::make_unique<QLockFile>(baseDir_ + QLatin1Char('/') + lockFileName());
        lock_->setStaleLockTime(0);
        if (!lock_->tryLock(0)) {
            if (lock_->error() != QLockFile::LockFailedError) {
                readOnly_ = true;
            } else {
                errorBox(tr("The data in %1 are in use by another running copy of the program.")
                             .arg(QDir::toNativeSeparators(baseDir_)));
                exitCode_ = 1;
                return false;
            }
        }
    }

    // The splash window, painted before anything else is created.
    splash_ = std::make_unique<TFormZast>();
    splash_->show();
    splash_->repaint();
    QApplication::processEvents();

    // The main window and the dialogs it creates.
    main_ = std::make_unique<TFormSarvo>(baseDir_, settings_, readOnly_);
    main_->setSplash(splash_.get());
    connect(splash_.get(), &TFormZast::activated, main_.get(), &TFormSarvo::splashActivated);
    connect(main_.get(), &TFormSarvo::programEnds, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    if (single_) {
        connect(single_, &SingleInstance::showRequested, main_.get(), &TFormSarvo::showRequested);
        connect(main_.get(), &QWidget::windowTitleChanged, single_,
                [this](const QString& title) { single_->listen(title); });
    }

    // The event loop shows the main window; its first showing activates it.
    main_->show();
    main_->activateWindow();
    return true;
}

int SarvoApp::exec() {
    return QApplication::exec();
}

} // namespace sarvo
