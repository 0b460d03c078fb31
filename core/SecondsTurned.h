#pragma once

#include <QStringList>
#include <QTime>
#include <optional>

#include "TimeSource.h"

// Tells which seconds the clock has turned to since it was last asked, so that
// each second's time text is looked at exactly once: a pass that comes early
// finds no new second, and a pass held up by a long speech call still sees the
// seconds it missed, as long as the clock still reads their minute (a mark is
// said late only within its own minute). When the wall clock is set, forwards
// or back, or jumps on waking from sleep, it restarts from the new time: a mark
// jumped over is not made up for, and marks already passed become due again
// after the clock is set back.
class SecondsTurned {
  public:
    // The seconds are counted from `now` on: a first call that comes late (the
    // program held up or frozen past a mark) still finds the seconds it missed.
    void startAt(QTime now, qint64 monotonicMs) { last_ = ClockReading{now, monotonicMs}; }
    // The time texts of the seconds that began since the previous call (or the
    // start) up to `now` and within the minute of `now`, oldest first; a first
    // call without a start gives `now` alone. `monotonicMs` is the monotonic
    // clock read together with `now`.
    QStringList since(QTime now, qint64 monotonicMs);

  private:
    std::optional<ClockReading> last_;
};
