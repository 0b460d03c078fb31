#include "SecondTicker.h"

#include <algorithm>

#include "SecondTimer.h"

namespace {
// Fire this long after the second changes, so that the time read in the pass
// is already the new second even if the timer is a millisecond early.
constexpr int kMarginMs = 2;
// A firing this close before a change of second came early: wait for the change.
constexpr int kEarlyMs = 900;
}  // namespace

bool isFiringForNewSecond(int msec) {
    return msec < kEarlyMs;
}

int msUntilNextSecond(int msec) {
    return 1000 - msec + kMarginMs;
}

SecondTicker::SecondTicker(const TimeSource& time) : time_(time) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SecondTicker::onTimeout);
}

SecondTicker::~SecondTicker() {
    for (SecondTimer* t : timers_) t->ticker_ = nullptr;
}

void SecondTicker::add(SecondTimer& timer) {
    timers_.push_back(&timer);
    timer.ticker_ = this;
}

void SecondTicker::remove(SecondTimer& timer) {
    std::erase(timers_, &timer);
    timer.ticker_ = nullptr;
}

void SecondTicker::start() {
    arm();
}

void SecondTicker::runPass() {
    const quint64 pass = ++passes_;
    // By index: a handler may add a timer, which then waits for the next pass.
    for (std::size_t i = 0; i < timers_.size(); ++i) timers_[i]->tick(pass);
}

void SecondTicker::onTimeout() {
    if (isFiringForNewSecond(time_.now().msec())) runPass();
    arm();
}

void SecondTicker::arm() {
    timer_.start(1000 - time_.now().msec() + kMarginMs);
}
