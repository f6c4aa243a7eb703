#pragma once

#include <QLabel>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <vector>

class QFileSystemWatcher;
class QThread;
class QTimer;

namespace sarvo {

struct RegistryPushOutcome;
class RegistryPushWorker;

// Pushes the station's changes to the central registry in the background, while a station name
// and a registry address are stored in the station's database (read again before every push, so
// that one set meanwhile by another program counts).
//
// A worker thread makes its own store, database and registry connection and runs the push
// there: the window never waits on the network, no password is ever asked for (the login takes
// PGPASSWORD or ~/.pgpass), and the data directory's lock is held only while the push reads the
// station's files. Changes reported by changed(), and changes of the data files seen by a file
// watcher, are gathered for a moment and pushed together; when the registry is known to have
// everything, a change that leaves nothing to send does not use the network (unless the History
// file changed: a record rewritten in place is found only by comparing with the registry). A failed
// push is kept and tried again after a growing pause (a new change tries sooner); meanwhile the
// number of changes that wait is counted from the station's files alone.
class RegistryPusher final : public QObject {
    Q_OBJECT
public:
    // What the last attempt found, and the push under way.
    struct Status {
        bool known = false;  // an attempt has ended since the start
        bool active = false; // a station and an address are set
        bool sending = false;
        qint64 sent = 0; // of the push under way
        qint64 total = 0;
        qint64 waiting = 0; // changes the registry is not known to have
        QString error;      // of the last attempt; empty when it succeeded
        // History records and ledger rows that differ from what the registry holds under their
        // number (reported by the last push that reached the registry, never sent).
        QList<qint64> rewrittenRecords;
        QList<qint64> rewrittenLedgerRows;
    };

    static constexpr int kGatherMs = 2000;
    static constexpr int kConnectTimeoutSeconds = 5;
    static constexpr int kStopWaitMs = 2000;

    // Pushes the station in `baseDir`; the first push starts at once.
    explicit RegistryPusher(const QString& baseDir, QObject* parent = nullptr);
    ~RegistryPusher() override;
    Q_DISABLE_COPY_MOVE(RegistryPusher)

    const Status& status() const { return status_; }
    // The pause that gathers changes, and the pauses before the retries of a failed push (the
    // last one repeats); tests make them short.
    void setDelays(int gatherMs, std::vector<int> retryMs);
    // Ends the worker thread. A push that hangs on the network is not waited for longer than
    // `waitMs`: its thread ends on its own. Nothing is pushed afterwards.
    void stop(int waitMs = kStopWaitMs);

public slots:
    // The station's data changed: a push follows within the gathering pause.
    void changed();

signals:
    void activeChanged(bool active);
    void progress(qint64 sent, qint64 total);
    void waitingChanged(qint64 waiting);
    // The error of the last attempt, empty when it succeeded.
    void errorChanged(const QString& error);
    // Any of the status changed (also after every attempt).
    void statusChanged();

private:
    void startPush();
    void finished(const RegistryPushOutcome& outcome);
    QStringList dataFiles() const;
    void watchFiles();
    QList<qint64> fileStamps() const;
    void filesTouched();

    QString baseDir_;
    Status status_;
    QThread* thread_ = nullptr;
    QObject* context_ = nullptr; // lives in the thread: the pushes run in its events
    std::shared_ptr<RegistryPushWorker> worker_;
    std::shared_ptr<std::atomic<bool>> stopping_;
    QTimer* gather_;
    QTimer* retry_;
    QFileSystemWatcher* watcher_;
    QList<qint64> stamps_; // of the data files when last looked at
    std::vector<int> retryMs_;
    int failures_ = 0;
    bool running_ = false;
    bool pending_ = false; // a change came during the push under way
    bool compare_ = false; // the History file changed since the last push began
};

// The status bar's registry panel: hidden while no registry is set, otherwise what the pusher
// does ("Registry: up to date", the progress of a push, the changes that wait, a failure with
// its error in the tool tip, records that differ from the registry).
class RegistryStatusLabel final : public QLabel {
    Q_OBJECT
public:
    RegistryStatusLabel(RegistryPusher& pusher, QWidget* parent = nullptr);
    // The text and tool tip for `status`.
    static QString statusText(const RegistryPusher::Status& status, QString* toolTip = nullptr);

signals:
    // Shown, hidden or its text changed: the status bar may lay out its panels again.
    void changed();

private:
    void showStatus(const RegistryPusher::Status& status);
};

} // namespace sarvo
