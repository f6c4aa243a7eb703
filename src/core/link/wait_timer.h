#pragma once

#include <functional>

class QTimer;

namespace sarvo {

// The answer-wait timer waits this long for the rest of a frame after its first piece.
inline constexpr int kAnswerWaitMs = 10000;
// A reading that found the data files locked by another program is tried again after this long.
inline constexpr int kLockRetryMs = 1000;

// A link timer as DosimeterLink sees it. Its owner calls DosimeterLink::answerTimeout() (or
// retryQueued()) when the timer expires.
class WaitTimer {
public:
    virtual ~WaitTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// A link timer on a QTimer of the window: single shot and precise (a coarse timer may fire up to
// 5 % early), kAnswerWaitMs for the answer wait. The window connects the QTimer's timeout() to its
// slot, which calls DosimeterLink::answerTimeout() (or DosimeterLink::retryQueued()).
class QtWaitTimer : public WaitTimer {
public:
    explicit QtWaitTimer(QTimer& timer, int intervalMs = kAnswerWaitMs);
    void start() override;
    void stop() override;
    bool isActive() const override;

private:
    QTimer& timer_;
};

// A timer whose time moves only when advance() is called: for tests and tools that must not wait.
class ManualWaitTimer : public WaitTimer {
public:
    explicit ManualWaitTimer(int intervalMs = kAnswerWaitMs) : interval_(intervalMs) {}
    void start() override;
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    // Lets `ms` pass. When a running timer reaches its interval it stops and onTimeout runs once.
    void advance(int ms);
    int starts() const { return starts_; }
    int timeouts() const { return timeouts_; }

    std::function<void()> onTimeout;

private:
    int interval_;
    int remaining_ = 0;
    bool active_ = false;
    int starts_ = 0;
    int timeouts_ = 0;
};

} // namespace sarvo
