#pragma once

#include "TimeSource.h"

// A clock that stands still until the test moves it. `set` lets time pass up
// to the given time of day, the monotonic clock with it; `setClock` changes the
// wall clock alone, as a user setting the system time does.
class ManualTime final : public TimeSource {
  public:
    explicit ManualTime(QTime start = QTime(0, 0)) : time_(start) {}
    QTime now() const override { return time_; }
    qint64 monotonicMs() const override { return monotonicMs_; }

    void set(QTime time) {
        monotonicMs_ += (time_.msecsTo(time) + kMsPerDay) % kMsPerDay;
        time_ = time;
    }
    void setClock(QTime time) { time_ = time; }

  private:
    static constexpr int kMsPerDay = 24 * 60 * 60 * 1000;
    QTime time_;
    qint64 monotonicMs_ = 0;
};
