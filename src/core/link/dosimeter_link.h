#pragma once

#include "core/link/frame_decoder.h"
#include "core/link/wait_timer.h"
#include "core/store/dose_database.h"
#include "core/store/records.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace sarvo {

class Store;

// The officer's message boxes. The window shows them as modal message boxes (which keep the
// event loop running); tests answer from a script.
class Officer {
public:
    virtual ~Officer() = default;
    // Information box with an OK button.
    virtual void information(const QString& text) = 0;
    // Error box with an OK button.
    virtual void error(const QString& text) = 0;
    // Warning box with Yes and No; true for Yes.
    virtual bool warningQuestion(const QString& text) = 0;
    // Warning box with an OK button (a dose level reached).
    virtual void warning(const QString& text) { information(text); }
};

// The workstation's clock: local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// One row of the dose-rate log shown after a reading: the entry number k (from 0), then the date,
// time and rate texts of its dose-rate line.
struct DoseRateRow {
    int k = 0;
    QString date;
    QString time;
    QString rate;
    friend bool operator==(const DoseRateRow&, const DoseRateRow&) = default;
};

// What the link asks of the main window besides the message boxes.
class LinkHost {
public:
    virtual ~LinkHost() = default;
    // Purge the serial port's input and output queues. A failure of the port is the window's to
    // report; the link goes on as if the purge had been done.
    virtual void purgePort() = 0;
    // Replace the dose-rate log shown by `rows` (no rows: the log is left empty). Called by every
    // intake of a known person.
    virtual void setDoseRateLog(const std::vector<DoseRateRow>& rows) = 0;
    // Show the dose-rate log modally and return when it is closed. Called only when the log holds
    // at least one row. `person` is the in-memory User record, whose names go into the title line.
    virtual void showDoseRateLog(const UserRecord& person) = 0;
    // Scroll the list of persons so that record `recordIndex` is the top visible row and repaint
    // it; the highlight mark (see DosimeterLink::highlight()) is already on for that record.
    virtual void highlightPerson(long long recordIndex) = 0;
    // Adding the dose to ED was switched inside the link (the intake switches it off after a Yes).
    virtual void doseAddingChanged(bool on) { (void)on; }
};

// The highlight mark of the list of persons: the record whose reading was taken in last.
struct HighlightMark {
    bool on = false;
    long long recordIndex = -1;
};

// What clearAccumulatedDose() did.
enum class ClearEdResult {
    NotAsked, // the row holds no person: nothing asked, nothing written
    Declined, // the officer answered No
    Cleared,  // ED of the person is 0.0 now
    Moved,    // the record of the row holds someone else now (the file was reordered): nothing
              // written; the window says so and fills its list again
    Failed,   // a file operation failed; the officer has seen its text
};

// The dosimeter link without the window: the receive event with its frame decoder, the
// answer-wait timer, the reading intake over the store, the switch that adds a reading's dose to
// ED, and the clearing of ED. Everything runs on the user-interface thread.
//
// What the window wires to it:
//   - bytes arriving on the serial port: receive() (also when there are none), once the window
//     has switched back to the list of persons when the history table or chart was showing;
//   - the answer-wait timer, a QTimer wrapped in QtWaitTimer: its timeout() calls answerTimeout();
//   - the retry timer, a QTimer wrapped in QtWaitTimer (kLockRetryMs): its timeout() calls
//     retryQueued();
//   - activation of the window: activate() (empties the buffer, rebuilds Fcs16Table, clears the
//     highlight);
//   - a click in the list of persons: clearHighlight(); drawing the list reads highlight();
//   - the menu item that adds the dose: toggleDoseAdding() and doseAdding();
//     LinkHost::doseAddingChanged() tells of a change made by the intake;
//   - the menu item that clears ED: clearAccumulatedDose(record of the selected row, its UserNo).
//
// No reading is dropped in silence. The boxes of a sequence (the intake, the reject, the timer's
// expiry, the dose-rate log window) keep the event loop running, so receive() and the timers'
// slots are called again inside a sequence. Such a nested call goes on as usual: its bytes go to
// the decoder, whose rules stay (bytes behind a complete frame in one buffer reject it, the
// timer, the checks), and the decoder is emptied right after each verdict so that the next frame
// starts afresh. What a nested call judges is kept and dealt with by the outermost call only,
// once the sequence under way has ended, never inside it:
//   - a good frame is queued in arrival order (at most kQueueCapacity) and taken in later, each
//     with its own boxes. A frame equal to the one being taken in or to one already queued
//     (identifier, dose and entries alike) is the same broadcast sent again and is dropped
//     without a word. A different frame that finds the queue full is dropped; the officer is
//     told once, after the sequence under way, how many were dropped and which dosimeters sent
//     them.
//   - a broken frame, or a frame that did not complete in time, is reported with one box of
//     ReadingFailed after the sequence under way, however many there were meanwhile (they
//     are alike to the officer: a dosimeter to be read again).
// After each sequence the port is purged and the buffer emptied only when no frame is queued and
// none is partly received; otherwise the bytes that follow belong to a frame still to come.
//
// The data files may be locked by another program (DataBusyError after the store's wait). A
// reading that meets the lock before its History record is written goes back to the head of the
// queue and is tried again by retryQueued() when the retry timer expires; its identifier box is
// not shown twice. Once the History record is written, the rewrite of the person (the ED addition
// with its ledger row, the dose-rate lines) is tried again until it goes through, the officer
// being told once with the store's text, so that a confirmed dose reaches ED exactly once. A
// confirmed dose that reaches a dose level raises its alert, and the officer sees a warning.
class DosimeterLink {
public:
    // Readings kept while a sequence with boxes runs.
    static constexpr int kQueueCapacity = 32;

    DosimeterLink(Store& store, Officer& officer, LinkHost& host, WaitTimer& timer,
                  WaitTimer& retryTimer, const Clock& clock);

    // The receive event: appends the piece and starts the answer-wait timer when it is stopped;
    // a frame judged broken is reported (error box with ReadingFailed) and a good one taken in,
    // at once or, inside a sequence with boxes, once it has ended.
    void receive(QByteArrayView piece);
    // The expiry of the answer-wait timer: stop it; a frame partly received is dropped and reported
    // with ReadingFailed (inside a sequence with boxes, once it has ended).
    void answerTimeout();
    // The expiry of the retry timer: the reading at the head of the queue is tried again.
    void retryQueued();
    // Activation of the main window: empty the buffer, rebuild Fcs16Table, highlight off.
    // The answer-wait timer keeps running or stays stopped.
    void activate();

    // Whether the dose of the next confirmed reading is added to ED.
    bool doseAdding() const { return doseAdding_; }
    void setDoseAdding(bool on);
    void toggleDoseAdding() { setDoseAdding(!doseAdding_); }
    // Asks ClearEdQuestion, naming the person and the ED; on Yes sets ED of record `recordIndex`
    // to 0.0 when that record still holds `userNo` (the person the officer chose) and leaves a
    // clear row in the dose ledger. Nothing is asked when the index holds no record or `userNo`
    // is 0, or the record holds someone else now (Moved).
    ClearEdResult clearAccumulatedDose(long long recordIndex, std::int32_t userNo);

    HighlightMark highlight() const { return highlight_; }
    void clearHighlight() { highlight_.on = false; }

    // The shared in-memory User record: the person of the last reading taken in.
    const UserRecord& person() const { return person_; }
    const FrameDecoder& decoder() const { return decoder_; }
    // True while a sequence with message boxes runs.
    bool busy() const { return running_; }
    // Readings waiting to be taken in.
    int queued() const { return static_cast<int>(queue_.size()); }
    // Frames dropped as repeats of a reading being taken in or queued, for diagnostics.
    long long repeats() const { return repeats_; }

private:
    struct Queued {
        Reading reading;
        bool announced = false; // the identifier box has been shown
    };
    enum class Outcome { Done, LockBusy };

    void keep(const Reading& reading);
    void run();
    void settle();
    Outcome intake(Queued& item, long long& mark);
    void takeIn(Queued& item, bool& historyWritten, long long& mark);
    bool rewritePerson(long long& index, std::int32_t userNo,
                       const std::function<void(UserRecord&)>& change);
    bool addDose(long long& index, const HistoryRecord& history, long long historyIndex);
    QString droppedText() const;

    Store& store_;
    DoseDatabase doses_;
    Officer& officer_;
    LinkHost& host_;
    WaitTimer& timer_;
    WaitTimer& retry_;
    const Clock& clock_;
    FrameDecoder decoder_;
    UserRecord person_;
    HighlightMark highlight_;
    bool doseAdding_ = false;
    bool running_ = false;
    std::deque<Queued> queue_;
    std::optional<Reading> current_; // the reading being taken in
    bool broken_ = false;            // a frame was rejected or expired; ReadingFailed still to show
    int dropped_ = 0;                // readings dropped on a full queue, not yet told
    QStringList droppedIds_;
    long long repeats_ = 0;
};

} // namespace sarvo
