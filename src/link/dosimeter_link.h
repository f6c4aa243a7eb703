#pragma once

#include "link/frame_decoder.h"
#include "link/wait_timer.h"
#include "store/records.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
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

// One row of StringGridMED: column 0 the entry number k (from 0), then the date, time and rate
// texts of its dose-rate line.
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
    // Empty rows 1 to 100 of StringGridMED and write `rows` from row 1 down (no rows: the grid is
    // left empty). Called by every intake of a known person.
    virtual void setDoseRateLog(const std::vector<DoseRateRow>& rows) = 0;
    // Show TFormMED modally and return when it is closed. Called only when the grid holds at least
    // one row. `person` is the in-memory User record, whose names go into the title line.
    virtual void showDoseRateLog(const UserRecord& person) = 0;
    // Make row recordIndex + 1 of StringGridUser the top visible row and repaint the list; the
    // highlight mark (see DosimeterLink::highlight()) is already on for that record.
    virtual void highlightPerson(long long recordIndex) = 0;
    // The check mark of mnu_SavED changed inside the link (the intake unchecks it after a Yes).
    virtual void savEDChanged(bool checked) { (void)checked; }
};

// The highlight mark of the list of persons: the record whose reading was taken in last.
struct HighlightMark {
    bool on = false;
    long long recordIndex = -1;
};

// The dosimeter link of the main window without the window: the receive event with its frame
// decoder, the answer-wait timer TimerWauth, the reading intake over the store, mnu_SavED and
// mnu_ClearED. Everything runs on the user-interface thread.
//
// Wiring in TFormSarvo:
//   - ComPortSarvoRxChar: switch back to the list of persons when the history table or chart is
//     showing, read the bytes waiting, and hand them to receive() (also when they are 0).
//   - TimerWauth: a QTimer wrapped in QtWaitTimer; its timeout() calls TimerWauthTimer().
//   - FormActivate: activate() (empties the buffer, rebuilds Fcs16Table, clears the highlight).
//   - StringGridUserClick: clearHighlight(); StringGridUserDrawCell reads highlight().
//   - mnu_SavED: mnu_SavEDClick() and savED(); LinkHost::savEDChanged() tells of a change made by
//     the intake. mnu_ClearED: mnu_ClearEDClick(selected row - 1) when the row holds a person.
//
// While a sequence with message boxes runs (the intake, the reject, the timer's expiry) the event
// loop keeps running and more pieces can arrive; receive() then discards them (they are read from
// the port and dropped, as the purge at the end of the sequence would drop them). The frame being
// taken in is a copy of its own, apart from the receive buffer. The buffer is emptied and the port
// purged at the end of every sequence.
class DosimeterLink {
public:
    DosimeterLink(Store& store, Officer& officer, LinkHost& host, WaitTimer& timer,
                  const Clock& clock);

    // The receive event: appends the piece, starts TimerWauth when it is stopped, and rejects a
    // broken frame (error box with language line 75) or takes in a good one.
    void receive(QByteArrayView piece);
    // The expiry of TimerWauth: stop it, error box with language line 75, purge, empty the buffer.
    void TimerWauthTimer();
    // Activation of the main window: empty the buffer, rebuild Fcs16Table, highlight off.
    // TimerWauth keeps running or stays stopped.
    void activate();

    bool savED() const { return savED_; }
    void setSavED(bool checked);
    void mnu_SavEDClick() { setSavED(!savED_); }
    // Asks language line 78; on Yes sets ED of record `recordIndex` (selected row - 1) to 0.0.
    // Nothing is asked when the index holds no record. True when ED was cleared.
    bool mnu_ClearEDClick(long long recordIndex);

    HighlightMark highlight() const { return highlight_; }
    void clearHighlight() { highlight_.on = false; }

    // The shared in-memory User record: the person of the last reading taken in.
    const UserRecord& person() const { return person_; }
    const FrameDecoder& decoder() const { return decoder_; }
    // True while a sequence with message boxes runs.
    bool busy() const { return busy_; }
    // Pieces discarded while busy, for diagnostics.
    long long discardedPieces() const { return discarded_; }

private:
    void reject();
    void intake(const Reading& reading);
    void takeIn(const Reading& reading);
    void finish();
    bool rewritePerson(long long& index, std::int32_t userNo,
                       const std::function<void(UserRecord&)>& change);

    Store& store_;
    Officer& officer_;
    LinkHost& host_;
    WaitTimer& timer_;
    const Clock& clock_;
    FrameDecoder decoder_;
    UserRecord person_;
    HighlightMark highlight_;
    bool savED_ = false;
    bool busy_ = false;
    long long discarded_ = 0;
};

} // namespace sarvo
