#pragma once

#include <QTimer>

#include "ClockWatch.h"

// The plain watch: compares the wall clock with the monotonic clock at every
// look, once a second.
class PollingClockWatch final : public ClockWatch {
    Q_OBJECT
  public:
    explicit PollingClockWatch(const TimeSource& time);
    void look();

  private:
    const TimeSource& time_;
    ClockReading last_;
    QTimer timer_;
};
