#include "PollingClockWatch.h"

std::unique_ptr<ClockWatch> makeClockWatch(const TimeSource& time) {
    return std::make_unique<PollingClockWatch>(time);
}
