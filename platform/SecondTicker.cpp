#include "SecondTicker.h"

#include <algorithm>

#include "SecondTimer.h"

namespace {
// Fire this long after the period changes, so that the time read in the pass
// is already the new one even if the timer is a millisecond early.
constexpr int kMarginMs = 2;
// A firing this close before a change came early: wait for the change.
constexpr int kEarlyMs = 100;
constexpr int kSecondMs = 1000;
constexpr int kMinuteMs = 60 * kSecondMs;
}  // namespace

bool isFiringForNewPeriod(int msIntoPeriod, int periodMs) {
    return msIntoPeriod < periodMs - kEarlyMs;
}

int msUntilNextPeriod(int msIntoPeriod, int periodMs) {
    return periodMs - msIntoPeriod + kMarginMs;
}

SecondTicker::SecondTicker(const TimeSource& time) : time_(time) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SecondTicker::onTimeout);
}

SecondTicker::~SecondTicker() {
    for (SecondTimer* t : timers_)
        if (t) t->ticker_ = nullptr;
}

void SecondTicker::add(SecondTimer& timer) {
    timers_.push_back(&timer);
    timer.ticker_ = this;
}

void SecondTicker::remove(SecondTimer& timer) {
    if (passDepth_ > 0)
        std::replace(timers_.begin(), timers_.end(), &timer, static_cast<SecondTimer*>(nullptr));
    else
        std::erase(timers_, &timer);
    timer.ticker_ = nullptr;
}

void SecondTicker::start() {
    started_ = true;
    arm();
}

void SecondTicker::setIdle(bool idle) {
    if (idle == idle_) return;
    idle_ = idle;
    if (started_) arm();
}

void SecondTicker::clockWasSet() {
    if (!started_) return;
    runPass();
    arm();
}

void SecondTicker::runPass() {
    const quint64 pass = ++passes_;
    // Up to the count at the start: a timer added by a handler waits for the
    // next pass. Removal leaves a null in its place, so no other timer moves.
    ++passDepth_;
    const std::size_t count = timers_.size();
    for (std::size_t i = 0; i < count; ++i)
        if (SecondTimer* t = timers_[i]) t->tick(pass);
    if (--passDepth_ == 0) std::erase(timers_, nullptr);
}

void SecondTicker::onTimeout() {
    if (isFiringForNewPeriod(msIntoPeriod(), periodMs())) runPass();
    arm();
}

void SecondTicker::arm() {
    timer_.start(msUntilNextPeriod(msIntoPeriod(), periodMs()));
}

int SecondTicker::periodMs() const {
    return idle_ ? kMinuteMs : kSecondMs;
}

int SecondTicker::msIntoPeriod() const {
    const QTime now = time_.now();
    return idle_ ? now.second() * kSecondMs + now.msec() : now.msec();
}
