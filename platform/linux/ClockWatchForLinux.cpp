#include <QByteArray>

#include "PollingClockWatch.h"
#include "TimerfdClockWatch.h"

std::unique_ptr<ClockWatch> makeClockWatch(const TimeSource& time) {
    // A clock faked for one process (libfaketime) moves without the kernel
    // knowing: HORALO_CLOCK_WATCH=polling has such a run look at the clocks.
    if (qgetenv("HORALO_CLOCK_WATCH") != "polling")
        if (std::unique_ptr<ClockWatch> kernel = TimerfdClockWatch::open()) return kernel;
    return std::make_unique<PollingClockWatch>(time);
}
