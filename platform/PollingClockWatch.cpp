#include "PollingClockWatch.h"

PollingClockWatch::PollingClockWatch(const TimeSource& time)
    : time_(time), last_(readClocks(time)) {
    connect(&timer_, &QTimer::timeout, this, &PollingClockWatch::look);
    timer_.start(1000);
}

void PollingClockWatch::look() {
    const ClockReading now = readClocks(time_);
    const bool set = clockWasSetBetween(last_, now);
    last_ = now;
    if (set) Q_EMIT clockSet();
}
