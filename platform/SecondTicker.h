#pragma once

#include <QObject>
#include <QTimer>
#include <vector>

#include "TimeSource.h"

class SecondTimer;

// When the aligned timer fires `msIntoPeriod` milliseconds into a second (or,
// while idle, a minute) of `periodMs`: whether that is the change it was armed
// for (or a late firing), and how long to wait for the next change.
bool isFiringForNewPeriod(int msIntoPeriod, int periodMs);
int msUntilNextPeriod(int msIntoPeriod, int periodMs);

// One precise timer, re-aligned at every firing to fire just after the next
// change of the wall-clock second. Each firing is a pass that ticks the enabled
// SecondTimers in the order they were added. Re-aligning at every firing keeps
// the ticks on the clock's seconds even when the system clock is set.
//
// While idle (nobody looks at the seconds), passes come only at the changes of
// the minute: every announcement mark is a whole minute, so none is missed, and
// the idle program sleeps a minute at a time instead of waking every second.
class SecondTicker final : public QObject {
    Q_OBJECT
  public:
    explicit SecondTicker(const TimeSource& time);
    ~SecondTicker() override;

    void add(SecondTimer& timer);
    void remove(SecondTimer& timer);

    // Arms the aligned timer; from then on a pass runs at every second.
    void start();
    void setIdle(bool idle);
    bool isIdle() const { return idle_; }
    // The wall clock was set, or the machine woke from sleep: a pass runs at
    // once, so that what the new time makes due is not left for a minute, and
    // the timer is aligned anew.
    void clockWasSet();
    // One pass, as at a change of second. The aligned timer calls it; so does a
    // test that drives the clock itself.
    void runPass();
    quint64 passCount() const { return passes_; }

  private:
    void onTimeout();
    void arm();
    int periodMs() const;
    int msIntoPeriod() const;

    const TimeSource& time_;
    QTimer timer_;
    std::vector<SecondTimer*> timers_;  // a removed timer leaves a null until its pass ends
    quint64 passes_ = 0;
    int passDepth_ = 0;
    bool started_ = false;
    bool idle_ = false;
};
