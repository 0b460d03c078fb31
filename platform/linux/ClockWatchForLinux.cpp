#include "PollingClockWatch.h"
#include "TimerfdClockWatch.h"

std::unique_ptr<ClockWatch> makeClockWatch(const TimeSource& time) {
    if (std::unique_ptr<ClockWatch> kernel = TimerfdClockWatch::open()) return kernel;
    return std::make_unique<PollingClockWatch>(time);
}
