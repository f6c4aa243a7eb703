#include "core/link/dosimeter_link.h"

#include "core/link/fcs16.h"
#include "core/store/store.h"
#include "core/store/store_error.h"
#include "core/text/dose_texts.h"
#include "core/text/language.h"
#include "core/text/text_forms.h"

#include <QCoreApplication>
#include <algorithm>

namespace sarvo {

namespace {

// Marks a sequence with message boxes as running for as long as it lives.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

QString personGoneText(std::int32_t userNo) {
    return QCoreApplication::translate(
               "sarvo::DosimeterLink",
               "The reading was stored in the history, but the record of person number %1 is no "
               "longer in the user file, so it was not updated.")
        .arg(userNo);
}

} // namespace

DosimeterLink::DosimeterLink(Store& store, Officer& officer, LinkHost& host, WaitTimer& timer,
                             WaitTimer& retryTimer, const Clock& clock)
    : store_(store), doses_(store), officer_(officer), host_(host), timer_(timer),
      retry_(retryTimer), clock_(clock) {}

void DosimeterLink::receive(QByteArrayView piece) {
    const FrameVerdict verdict = decoder_.receive(piece);
    if (!timer_.isActive())
        timer_.start();
    if (verdict.waiting())
        return;
    timer_.stop();
    if (verdict.rejected())
        broken_ = true;
    else
        keep(decoder_.reading());
    // The verdict is in hand: the next bytes start a frame of their own.
    decoder_.clear();
    run();
}

void DosimeterLink::answerTimeout() {
    timer_.stop();
    // Inside a sequence the timer only ends a frame that is partly received.
    if (running_ && decoder_.receiveCount() == 0 && !decoder_.escapeHeld())
        return;
    decoder_.clear();
    broken_ = true;
    run();
}

void DosimeterLink::retryQueued() {
    run();
}

void DosimeterLink::activate() {
    decoder_.clear();
    BuildFcs16Table();
    highlight_.on = false;
}

void DosimeterLink::setDoseAdding(bool on) {
    if (doseAdding_ == on)
        return;
    doseAdding_ = on;
    host_.doseAddingChanged(on);
}

ClearEdResult DosimeterLink::clearAccumulatedDose(long long recordIndex, std::int32_t userNo) {
    if (recordIndex < 0 || userNo == 0)
        return ClearEdResult::NotAsked;
    try {
        if (recordIndex >= store_.userCount())
            return ClearEdResult::NotAsked;
        const UserRecord person = store_.readUser(recordIndex);
        if (person.UserNo != userNo)
            return ClearEdResult::Moved;
        const QString question =
            L(Text::ClearEdQuestion) + QStringLiteral("\n\n") +
            QCoreApplication::translate("sarvo::DosimeterLink", "%1 (number %2): ED %3 mSv")
                .arg(personName(person))
                .arg(userNo)
                .arg(formatNumber(person.ED));
        if (!officer_.warningQuestion(question))
            return ClearEdResult::Declined;
        const EdEntry clear(LedgerKind::Clear, 0.0, {}, -1, {}, false, clock_.now());
        return doses_.changeEd(recordIndex, userNo, clear).done ? ClearEdResult::Cleared
                                                                : ClearEdResult::Moved;
    } catch (const StoreError& e) {
        officer_.error(e.text());
        return ClearEdResult::Failed;
    }
}

void DosimeterLink::keep(const Reading& reading) {
    const auto same = [&](const Queued& queued) { return queued.reading == reading; };
    if ((current_ && *current_ == reading) || std::any_of(queue_.begin(), queue_.end(), same)) {
        ++repeats_; // the same broadcast again
        return;
    }
    if (queue_.size() >= kQueueCapacity) {
        ++dropped_;
        if (!droppedIds_.contains(reading.identifierText()))
            droppedIds_ << reading.identifierText();
        return;
    }
    queue_.push_back({reading, false});
}

void DosimeterLink::run() {
    // Only the outermost call works through what was kept; a nested one returns at once, and the
    // outermost loop finds what it kept.
    if (running_)
        return;
    BusyScope scope(running_);
    for (;;) {
        if (broken_) {
            broken_ = false;
            officer_.error(L(Text::ReadingFailed));
            settle();
            continue;
        }
        if (dropped_ > 0) {
            const QString text = droppedText();
            dropped_ = 0;
            droppedIds_.clear();
            officer_.error(text);
            settle();
            continue;
        }
        // A reading waiting for the lock keeps its place until the retry timer expires.
        if (queue_.empty() || retry_.isActive())
            break;
        Queued item = std::move(queue_.front());
        queue_.pop_front();
        long long mark = -1;
        if (intake(item, mark) == Outcome::LockBusy) {
            queue_.push_front(std::move(item));
            retry_.start();
            break;
        }
        settle();
        if (mark >= 0) {
            highlight_ = {true, mark};
            host_.highlightPerson(mark);
        }
    }
}

void DosimeterLink::settle() {
    // Not yet when a frame is queued or partly received, or a box is still due.
    if (!queue_.empty() || decoder_.receiveCount() > 0 || decoder_.escapeHeld() || broken_ ||
        dropped_ > 0)
        return;
    host_.purgePort();
    decoder_.clear();
}

QString DosimeterLink::droppedText() const {
    return QCoreApplication::translate("sarvo::DosimeterLink",
                                       "%n reading(s) arrived while too many others were waiting "
                                       "and could not be taken in. Read these dosimeters again: %1",
                                       nullptr, dropped_)
        .arg(droppedIds_.join(QStringLiteral(", ")));
}

DosimeterLink::Outcome DosimeterLink::intake(Queued& item, long long& mark) {
    bool historyWritten = false;
    current_ = item.reading;
    struct Reset {
        std::optional<Reading>& current;
        ~Reset() { current.reset(); }
    } reset{current_};
    try {
        takeIn(item, historyWritten, mark);
    } catch (const DataBusyError& e) {
        // Before the History record nothing is written: the reading is tried again later.
        if (!historyWritten)
            return Outcome::LockBusy;
        officer_.error(e.text());
    } catch (const StoreError& e) {
        officer_.error(e.text());
    }
    return Outcome::Done;
}

void DosimeterLink::takeIn(Queued& item, bool& historyWritten, long long& mark) {
    const Reading& reading = item.reading;
    // The officer learns which dosimeter was read even when nobody holds it; then nothing is
    // written. Identifier 0 is no dosimeter, so it belongs to nobody.
    const std::int64_t identifier = reading.identifier;
    std::optional<Store::Holder> holder;
    if (identifier != 0)
        holder = store_.findHolder(identifier);
    if (!item.announced) {
        item.announced = true;
        officer_.information(L(Text::DosimeterRead) + QLatin1Char(' ') + reading.identifierText());
    }
    if (!holder) {
        officer_.error(L(Text::DosimeterNotRegistered));
        return;
    }
    person_ = std::move(holder->user);
    long long index = holder->index;
    const std::int32_t userNo = person_.UserNo;

    // Every reading of a known person is kept in the history, whatever the officer answers next.
    const QDateTime now = clock_.now();
    HistoryRecord history;
    history.HistDate = daysFromDate(now.date());
    history.HistTime = fractionFromTime(now.time());
    history.UserNo = userNo;
    history.DosimeterId = identifier;
    history.Dose = reading.dose();
    history.DoseSum = history.Dose + person_.ED;
    const long long historyIndex = store_.appendHistory(history);
    historyWritten = true;

    // The dose reaches ED only when the officer armed the addition and confirms it.
    if (doseAdding_ && officer_.warningQuestion(L(Text::AddDoseQuestion))) {
        if (!addDose(index, history, historyIndex)) {
            officer_.error(personGoneText(userNo));
            return;
        }
        setDoseAdding(false);
    }

    // The dose-rate lines are stored whole; those that differ from the stored text are new and
    // are shown.
    const int year = clock_.now().date().year();
    std::vector<DoseRateRow> rows;
    std::vector<QByteArray> lines;
    lines.reserve(reading.entries.size());
    for (size_t k = 0; k < reading.entries.size(); ++k) {
        const DoseRateEntry& entry = reading.entries[k];
        const QByteArray line = entry.line(year).toLatin1().left(kMedCapacity);
        if (line != person_.MED[k])
            rows.push_back(
                {static_cast<int>(k), entry.dateText(year), entry.timeText(), entry.rateText()});
        lines.push_back(line);
    }
    host_.setDoseRateLog(rows);
    if (!rewritePerson(index, userNo, [&](UserRecord& user) {
            for (size_t k = 0; k < lines.size(); ++k)
                user.MED[k] = lines[k];
        })) {
        officer_.error(personGoneText(userNo));
        return;
    }

    // Purging the port and marking the person wait until the sequence settles: a nested call may
    // have queued another frame meanwhile.
    if (!rows.empty())
        host_.showDoseRateLog(person_);
    mark = index;
}

bool DosimeterLink::addDose(long long& index, const HistoryRecord& history,
                            long long historyIndex) {
    // ED and its ledger row change together; a file locked by another program is tried again
    // until the change goes through, as for the other rewrites of the person.
    const EdEntry entry(LedgerKind::Reading, history.Dose, dateFromDays(history.HistDate),
                        historyIndex, {}, true, clock_.now());
    bool told = false;
    for (;;) {
        try {
            const EdChange change = doses_.changeEd(index, history.UserNo, entry);
            if (!change.done)
                return false;
            index = change.index;
            person_.ED = change.user.ED;
            for (const Alert& alert : change.raised)
                officer_.warning(alertWarningText(alert, person_, history.Dose));
            return true;
        } catch (const DataBusyError& busy) {
            if (!told)
                officer_.error(busy.text());
            told = true;
        }
    }
}

bool DosimeterLink::rewritePerson(long long& index, std::int32_t userNo,
                                  const std::function<void(UserRecord&)>& change) {
    // The record is read again and only this change is applied, so that nothing another writer
    // stored while the officer was asked is lost; should the file have been reordered meanwhile,
    // the person is looked up again, under the same lock. The History record is written already:
    // a file locked by another program is tried again until the change goes through.
    auto apply = [&](UserRecord& user) {
        change(user);
        person_ = user;
    };
    bool told = false;
    for (;;) {
        try {
            const DataLock guard = store_.writeLock();
            if (store_.updateUser(index, userNo, apply))
                return true;
            index = store_.findUserIndex(userNo);
            return index >= 0 && store_.updateUser(index, userNo, apply);
        } catch (const DataBusyError& busy) {
            if (!told)
                officer_.error(busy.text());
            told = true;
        }
    }
}

} // namespace sarvo
