#pragma once

#include <QObject>
#include <memory>

#include "TimeSource.h"

// Tells when the wall clock was set: by the user, by time synchronisation, or
// as the machine woke from sleep. What waits for a time of day by a monotonic
// timer looks again then, instead of sleeping past a time made due.
class ClockWatch : public QObject {
    Q_OBJECT
  Q_SIGNALS:
    void clockSet();
};

// The best watch this system has: the kernel's own word where it gives one,
// otherwise a look at the clocks every second.
std::unique_ptr<ClockWatch> makeClockWatch(const TimeSource& time);
