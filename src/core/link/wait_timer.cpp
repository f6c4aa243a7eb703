#include "core/link/wait_timer.h"

#include <QTimer>

namespace sarvo {

QtWaitTimer::QtWaitTimer(QTimer& timer, int intervalMs) : timer_(timer) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
}

void QtWaitTimer::start() {
    timer_.start();
}
void QtWaitTimer::stop() {
    timer_.stop();
}
bool QtWaitTimer::isActive() const {
    return timer_.isActive();
}

void ManualWaitTimer::start() {
    active_ = true;
    remaining_ = interval_;
    ++starts_;
}

void ManualWaitTimer::advance(int ms) {
    if (!active_)
        return;
    remaining_ -= ms;
    if (remaining_ > 0)
        return;
    active_ = false;
    ++timeouts_;
    if (onTimeout)
        onTimeout();
}

} // namespace sarvo
