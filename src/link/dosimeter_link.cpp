#include "link/dosimeter_link.h"

#include "link/fcs16.h"
#include "shell/language.h"
#include "store/store.h"
#include "store/store_error.h"
#include "views/text_forms.h"

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

} // namespace

DosimeterLink::DosimeterLink(Store& store, Officer& officer, LinkHost& host, WaitTimer& timer,
                             const Clock& clock)
    : store_(store), officer_(officer), host_(host), timer_(timer), clock_(clock) {}

void DosimeterLink::receive(QByteArrayView piece) {
    if (busy_) {
        ++discarded_;
        return;
    }
    const FrameVerdict verdict = decoder_.receive(piece);
    if (!timer_.isActive())
        timer_.start();
    if (verdict.rejected()) {
        reject();
    } else if (verdict.good()) {
        timer_.stop();
        intake(decoder_.reading());
    }
}

void DosimeterLink::TimerWauthTimer() {
    timer_.stop();
    if (busy_)
        return;
    reject();
}

void DosimeterLink::activate() {
    decoder_.clear();
    BuildFcs16Table();
    highlight_.on = false;
}

void DosimeterLink::setSavED(bool checked) {
    if (savED_ == checked)
        return;
    savED_ = checked;
    host_.savEDChanged(checked);
}

bool DosimeterLink::mnu_ClearEDClick(long long recordIndex) {
    if (recordIndex < 0)
        return false;
    try {
        if (recordIndex >= store_.userCount())
            return false;
        if (!officer_.warningQuestion(L(78)))
            return false;
        UserRecord user = store_.readUser(recordIndex);
        user.ED = 0.0;
        store_.writeUser(recordIndex, user);
        return true;
    } catch (const StoreError& e) {
        officer_.error(e.text());
        return false;
    }
}

void DosimeterLink::reject() {
    BusyScope scope(busy_);
    timer_.stop();
    officer_.error(L(75));
    finish();
}

void DosimeterLink::finish() {
    host_.purgePort();
    decoder_.clear();
}

void DosimeterLink::intake(const Reading& reading) {
    BusyScope scope(busy_);
    // The reading is copied: it must stay as it was judged until it is stored.
    const Reading frame = reading;
    try {
        takeIn(frame);
    } catch (const StoreError& e) {
        officer_.error(e.text());
        finish();
    }
}

void DosimeterLink::takeIn(const Reading& reading) {
    // 1-3: say which dosimeter was read; nobody holds it -> nothing is written.
    const std::int64_t identifier = reading.identifier;
    const std::int32_t userNo = store_.findUserByIdentifier(identifier);
    officer_.information(L(76) + QLatin1Char(' ') + reading.identifierText());
    long long index = userNo == 0 ? -1 : store_.findUserIndex(userNo);
    if (index < 0) {
        officer_.error(L(92));
        finish();
        return;
    }

    // 4-6: the person and one History record.
    person_ = store_.readUser(index);
    const QDateTime now = clock_.now();
    HistoryRecord history;
    history.HistDate = daysFromDate(now.date());
    history.HistTime = fractionFromTime(now.time());
    history.UserNo = userNo;
    history.DosimeterId = identifier;
    history.Dose = reading.dose();
    history.DoseSum = history.Dose + person_.ED;
    store_.appendHistory(history);

    // 7: add the dose to ED when armed and confirmed.
    if (savED_ && officer_.warningQuestion(L(79))) {
        rewritePerson(index, userNo, [&](UserRecord& user) { user.ED += history.Dose; });
        setSavED(false);
    }

    // 8-10: the dose-rate lines; those that differ from the stored text are new.
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
    rewritePerson(index, userNo, [&](UserRecord& user) {
        for (size_t k = 0; k < lines.size(); ++k)
            user.MED[k] = lines[k];
    });

    // 11-13: show what is new, end the frame, mark the person.
    if (!rows.empty())
        host_.showDoseRateLog(person_);
    finish();
    highlight_ = {true, index};
    host_.highlightPerson(index);
}

bool DosimeterLink::rewritePerson(long long& index, std::int32_t userNo,
                                  const std::function<void(UserRecord&)>& change) {
    // The record is read again and only this change is applied, so that nothing another handler
    // wrote while the officer was asked is lost; should the file have been reordered meanwhile,
    // the person is looked up again.
    auto apply = [&](UserRecord& user) {
        change(user);
        person_ = user;
    };
    if (store_.updateUser(index, userNo, apply))
        return true;
    index = store_.findUserIndex(userNo);
    return index >= 0 && store_.updateUser(index, userNo, apply);
}

} // namespace sarvo
