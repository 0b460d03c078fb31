#pragma once

#include <QSocketNotifier>
#include <memory>

#include "ClockWatch.h"

// The kernel's word: a timer on the wall clock, armed far ahead with
// TFD_TIMER_CANCEL_ON_SET, is cancelled whenever the clock is set or the
// machine resumes from sleep, and its descriptor becomes readable then. Costs
// nothing while the clock runs undisturbed.
class TimerfdClockWatch final : public ClockWatch {
    Q_OBJECT
  public:
    // Null when the kernel offers no such timer.
    static std::unique_ptr<TimerfdClockWatch> open();
    ~TimerfdClockWatch() override;

  private:
    explicit TimerfdClockWatch(int fd);
    bool arm();
    void onReadable();

    int fd_;
    QSocketNotifier notifier_;
};
