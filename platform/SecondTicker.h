#pragma once

#include <QObject>
#include <QTimer>
#include <vector>

#include "TimeSource.h"

class SecondTimer;

// When the aligned timer fires `msec` milliseconds into a second: whether that
// is the change it was armed for (or a late firing), and how long to wait for
// the next change.
bool isFiringForNewSecond(int msec);
int msUntilNextSecond(int msec);

// One precise timer, re-aligned at every tick to fire just after the next
// change of the wall-clock second. Each firing is a pass that ticks the enabled
// SecondTimers in the order they were added. Re-aligning every second keeps the
// ticks on the clock's seconds even when the system clock is set.
class SecondTicker final : public QObject {
    Q_OBJECT
  public:
    explicit SecondTicker(const TimeSource& time);
    ~SecondTicker() override;

    void add(SecondTimer& timer);
    void remove(SecondTimer& timer);

    // Arms the aligned timer; from then on a pass runs at every second.
    void start();
    // One pass, as at a change of second. The aligned timer calls it; so does a
    // test that drives the clock itself.
    void runPass();
    quint64 passCount() const { return passes_; }

  private:
    void onTimeout();
    void arm();

    const TimeSource& time_;
    QTimer timer_;
    std::vector<SecondTimer*> timers_;
    quint64 passes_ = 0;
};
