#include "gui/main/registry_pusher.h"

#include "core/registry/registry_connection.h"
#include "core/registry/registry_sync.h"
#include "core/store/dose_database.h"
#include "core/store/store.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMetaObject>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace sarvo {

// What one attempt found, handed from the worker thread to the window's.
struct RegistryPushOutcome {
    bool known = false; // the settings were read
    bool active = false;
    bool sent = false; // the push reached the registry and sent something
    qint64 waiting = 0;
    QString error;
    QList<qint64> rewrittenRecords;
    QList<qint64> rewrittenLedgerRows;
};

} // namespace sarvo

Q_DECLARE_METATYPE(sarvo::RegistryPushOutcome)

namespace sarvo {

// The object of the worker thread whose events run the pushes; its signals reach the window's
// thread queued (and no longer once the pusher is gone).
class RegistryPushContext final : public QObject {
    Q_OBJECT
signals:
    void progressed(qint64 sent, qint64 total);
    void finished(const sarvo::RegistryPushOutcome& outcome);
};

namespace {

// Thrown from the progress of a push when the window ends: the batches committed so far stay.
struct PushStopped {};

QList<qint64> listOf(const std::vector<long long>& numbers) {
    return QList<qint64>(numbers.begin(), numbers.end());
}

} // namespace

// The state of the worker thread: what it knows of the registry between pushes.
class RegistryPushWorker {
public:
    explicit RegistryPushWorker(std::filesystem::path baseDir) : baseDir_(std::move(baseDir)) {}

    // `compare`: compare with the registry even when nothing waits (the History file changed:
    // a record rewritten in place is found only by the registry's checksums).
    RegistryPushOutcome push(bool compare, const std::atomic<bool>& stopping,
                             RegistryPushContext& context) {
        RegistryPushOutcome outcome;
        Store store(baseDir_);
        DoseDatabase::RegistrySettings settings;
        try {
            DoseDatabase database(store);
            settings = database.registrySettings();
        } catch (const StoreError& error) {
            // The settings as last read stand.
            outcome.known = known_;
            outcome.active = active_;
            outcome.error = error.text();
            return withLast(outcome);
        }
        known_ = outcome.known = true;
        active_ = outcome.active = !settings.station.isEmpty() && !settings.address.isEmpty();
        if (!active_) {
            upToDate_ = false;
            rewrittenRecords_.clear();
            rewrittenLedgerRows_.clear();
            return outcome;
        }
        try {
            // Nothing to send, and the registry had everything at the last push: no network.
            if (!compare && upToDate_ && settings == pushedSettings_) {
                outcome.waiting = registry::waitingChanges(store);
                if (outcome.waiting == 0)
                    return withLast(outcome);
            }
            upToDate_ = false;
            const std::optional<registry::RegistryAddress> address =
                registry::RegistryAddress::parse(settings.address);
            if (!address)
                throw registry::RegistryError(
                    RegistryPusher::tr("The registry address %1 is not valid.")
                        .arg(settings.address));
            registry::SyncResult result;
            {
                registry::RegistryConnection connection(*address, {},
                                                        RegistryPusher::kConnectTimeoutSeconds);
                result = registry::syncStation(
                    store, connection, settings.station,
                    [&stopping, &context](const registry::SyncProgress& progress) {
                        if (stopping)
                            throw PushStopped();
                        emit context.progressed(progress.sent, progress.total);
                    });
            }
            upToDate_ = true;
            pushedSettings_ = settings;
            rewrittenRecords_ = listOf(result.rewrittenRecords);
            rewrittenLedgerRows_ = listOf(result.rewrittenLedgerRows);
            outcome.sent = result.sent() > 0;
        } catch (const StoreError& error) {
            outcome.error = error.text();
        } catch (const std::exception& error) {
            outcome.error = QString::fromLocal8Bit(error.what());
        }
        // Changes made meanwhile, or those a failure left waiting.
        try {
            outcome.waiting = registry::waitingChanges(store);
        } catch (const StoreError& error) {
            if (outcome.error.isEmpty())
                outcome.error = error.text();
        }
        return withLast(outcome);
    }

private:
    RegistryPushOutcome& withLast(RegistryPushOutcome& outcome) const {
        outcome.rewrittenRecords = rewrittenRecords_;
        outcome.rewrittenLedgerRows = rewrittenLedgerRows_;
        return outcome;
    }

    std::filesystem::path baseDir_;
    bool known_ = false;
    bool active_ = false;
    bool upToDate_ = false; // the last push completed with these settings
    DoseDatabase::RegistrySettings pushedSettings_;
    QList<qint64> rewrittenRecords_;
    QList<qint64> rewrittenLedgerRows_;
};

RegistryPusher::RegistryPusher(const QString& baseDir, QObject* parent)
    : QObject(parent), baseDir_(baseDir),
      worker_(std::make_shared<RegistryPushWorker>(baseDir.toStdString())),
      stopping_(std::make_shared<std::atomic<bool>>(false)), gather_(new QTimer(this)),
      retry_(new QTimer(this)),
      watcher_(new QFileSystemWatcher(this)), retryMs_{15000, 30000, 60000, 120000, 300000} {
    qRegisterMetaType<RegistryPushOutcome>();
    gather_->setSingleShot(true);
    gather_->setInterval(kGatherMs);
    retry_->setSingleShot(true);
    connect(gather_, &QTimer::timeout, this, &RegistryPusher::startPush);
    connect(retry_, &QTimer::timeout, this, &RegistryPusher::startPush);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &RegistryPusher::filesTouched);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &RegistryPusher::filesTouched);

    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("RegistryPush"));
    auto* context = new RegistryPushContext;
    context->moveToThread(thread_);
    context_ = context;
    connect(thread_, &QThread::finished, context, &QObject::deleteLater);
    connect(context, &RegistryPushContext::finished, this, &RegistryPusher::finished);
    connect(context, &RegistryPushContext::progressed, this, [this](qint64 sent, qint64 total) {
        if (!running_)
            return;
        status_.sending = true;
        status_.sent = sent;
        status_.total = total;
        emit progress(sent, total);
        emit statusChanged();
    });
    thread_->start();
    watchFiles();
    stamps_ = fileStamps();
    QTimer::singleShot(0, this, &RegistryPusher::startPush);
}

RegistryPusher::~RegistryPusher() {
    stop();
}

void RegistryPusher::setDelays(int gatherMs, std::vector<int> retryMs) {
    gather_->setInterval(gatherMs);
    if (!retryMs.empty())
        retryMs_ = std::move(retryMs);
}

void RegistryPusher::changed() {
    if (!thread_)
        return;
    watchFiles();
    if (running_)
        pending_ = true;
    else if (!gather_->isActive())
        gather_->start();
}

void RegistryPusher::startPush() {
    if (!thread_)
        return;
    if (running_) {
        pending_ = true;
        return;
    }
    gather_->stop();
    retry_->stop();
    running_ = true;
    pending_ = false;
    auto* context = static_cast<RegistryPushContext*>(context_);
    QMetaObject::invokeMethod(
        context,
        [worker = worker_, stopping = stopping_, context,
         compare = std::exchange(compare_, false)] {
            if (*stopping)
                return;
            try {
                const RegistryPushOutcome outcome = worker->push(compare, *stopping, *context);
                emit context->finished(outcome);
            } catch (const PushStopped&) {
            }
        },
        Qt::QueuedConnection);
}

void RegistryPusher::finished(const RegistryPushOutcome& outcome) {
    running_ = false;
    const Status before = status_;
    status_.known = status_.known || outcome.known;
    status_.active = outcome.active;
    status_.sending = false;
    status_.waiting = outcome.waiting;
    status_.error = outcome.error;
    status_.rewrittenRecords = outcome.rewrittenRecords;
    status_.rewrittenLedgerRows = outcome.rewrittenLedgerRows;
    if (status_.active && !status_.error.isEmpty()) {
        const std::size_t step = std::min<std::size_t>(failures_, retryMs_.size() - 1);
        ++failures_;
        retry_->start(retryMs_[step]);
    } else {
        failures_ = 0;
    }
    watchFiles();
    // Changes that came during the push; or changes made while it sent, which the watcher may
    // have reported before the push read the files.
    if (pending_ || (status_.active && outcome.sent && outcome.waiting > 0)) {
        pending_ = false;
        gather_->start();
    }
    if (before.active != status_.active)
        emit activeChanged(status_.active);
    if (before.waiting != status_.waiting || !before.known)
        emit waitingChanged(status_.waiting);
    if (before.error != status_.error)
        emit errorChanged(status_.error);
    emit statusChanged();
}

void RegistryPusher::stop(int waitMs) {
    if (!thread_)
        return;
    gather_->stop();
    retry_->stop();
    *stopping_ = true;
    thread_->quit();
    QThread* thread = thread_;
    thread_ = nullptr;
    context_ = nullptr;
    if (thread->wait(QDeadlineTimer(waitMs))) {
        delete thread;
        return;
    }
    // A connection that hangs: the thread goes when its push gives up.
    thread->setParent(nullptr);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    if (thread->isFinished())
        thread->deleteLater();
}

QStringList RegistryPusher::dataFiles() const {
    const Store store(baseDir_.toStdString(), true);
    const QString database =
        QString::fromStdString((store.dataDir() / DoseDatabase::kFileName).string());
    return {QString::fromStdString(store.userPath().string()),
            QString::fromStdString(store.historyPath().string()), database,
            database + QStringLiteral("-wal")};
}

void RegistryPusher::watchFiles() {
    // The data folder (files replaced by a rename, the database's journal made and removed) and
    // each data file as it is now.
    const QString dataDir =
        QString::fromStdString(Store(baseDir_.toStdString(), true).dataDir().string());
    const QStringList watched = watcher_->files() + watcher_->directories();
    for (const QString& path : QStringList{dataDir} + dataFiles())
        if (!watched.contains(path) && QFileInfo::exists(path))
            watcher_->addPath(path);
}

QList<qint64> RegistryPusher::fileStamps() const {
    // Size and times of each file; an empty journal counts as none, so that the journal a read
    // makes and removes again is no change.
    QList<qint64> stamps;
    for (const QString& path : dataFiles()) {
        const QFileInfo file(path);
        if (!file.exists() || (path.endsWith(QStringLiteral("-wal")) && file.size() == 0))
            stamps << -1 << 0 << 0;
        else
            stamps << file.size() << file.lastModified().toMSecsSinceEpoch()
                   << file.metadataChangeTime().toMSecsSinceEpoch();
    }
    return stamps;
}

void RegistryPusher::filesTouched() {
    // A push's own reads of the database make and remove its journal: only a change of a data
    // file counts.
    QList<qint64> now = fileStamps();
    watchFiles();
    if (now == stamps_)
        return;
    // The History file's size and times are the second three.
    if (now.mid(3, 3) != stamps_.mid(3, 3))
        compare_ = true;
    stamps_ = std::move(now);
    changed();
}

// ---------------------------------------------------------------------------------------------

RegistryStatusLabel::RegistryStatusLabel(RegistryPusher& pusher, QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("registryStatus"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    hide();
    connect(&pusher, &RegistryPusher::statusChanged, this,
            [this, &pusher] { showStatus(pusher.status()); });
}

QString RegistryStatusLabel::statusText(const RegistryPusher::Status& status, QString* toolTip) {
    QString tip;
    QString shown;
    const int waiting = static_cast<int>(std::min<qint64>(status.waiting, INT_MAX));
    const qsizetype differ = status.rewrittenRecords.size() + status.rewrittenLedgerRows.size();
    if (status.sending) {
        shown = tr("Registry: sending %1 of %2").arg(status.sent).arg(status.total);
    } else if (!status.error.isEmpty()) {
        shown = tr("Registry unreachable: %n change(s) waiting", nullptr, waiting);
        tip = status.error;
    } else if (differ > 0) {
        shown = tr("Registry: %n record(s) differ from the registry — see sarvo-tool sync", nullptr,
                   static_cast<int>(differ));
        const auto numbers = [](const QList<qint64>& list) {
            QStringList texts;
            for (qint64 n : list)
                texts << QString::number(n);
            return texts.join(QStringLiteral(", "));
        };
        QStringList lines;
        if (!status.rewrittenRecords.isEmpty())
            lines << tr("History records: %1").arg(numbers(status.rewrittenRecords));
        if (!status.rewrittenLedgerRows.isEmpty())
            lines << tr("Ledger rows: %1").arg(numbers(status.rewrittenLedgerRows));
        tip = lines.join(QLatin1Char('\n'));
    } else if (waiting > 0) {
        shown = tr("Registry: %n change(s) waiting", nullptr, waiting);
    } else {
        shown = tr("Registry: up to date");
    }
    if (toolTip)
        *toolTip = tip;
    return shown;
}

void RegistryStatusLabel::showStatus(const RegistryPusher::Status& status) {
    const bool visible = status.known && status.active;
    QString tip;
    const QString shown = visible ? statusText(status, &tip) : QString();
    if (visible == !isHidden() && shown == QLabel::text() && tip == toolTip())
        return;
    setText(shown);
    setToolTip(tip);
    setVisible(visible);
    emit changed();
}

} // namespace sarvo

#include "registry_pusher.moc"
