#pragma once

#include <QElapsedTimer>
#include <QTime>

// The local time of day, and a monotonic clock beside it. Everything in the
// program that asks for the time asks through this, so a test can run a whole
// day in a moment. Comparing the two tells a thread that was held up (both
// advanced alike) from a wall clock that was set (only the time of day jumped).
class TimeSource {
  public:
    virtual ~TimeSource() = default;
    virtual QTime now() const = 0;
    // Milliseconds from some fixed start; never set, never runs backwards.
    virtual qint64 monotonicMs() const = 0;
};

class SystemTime final : public TimeSource {
  public:
    SystemTime() { started_.start(); }
    QTime now() const override { return QTime::currentTime(); }
    qint64 monotonicMs() const override { return started_.elapsed(); }

  private:
    QElapsedTimer started_;
};

// The two clocks read together.
struct ClockReading {
    QTime wall;
    qint64 monotonicMs;
};

ClockReading readClocks(const TimeSource& time);
// Whether the time of day moved otherwise than the monotonic clock from
// `earlier` to `later`: set forwards or back, or a sleep of the machine
// (which the monotonic clock does not count). Midnight is no jump.
bool clockWasSetBetween(const ClockReading& earlier, const ClockReading& later);
