#pragma once

#include "platform/TimeSource.h"

// A clock that stands still until the test moves it.
class ManualTime final : public TimeSource {
  public:
    explicit ManualTime(QTime start = QTime(0, 0)) : time_(start) {}
    QTime now() const override { return time_; }
    void set(QTime time) { time_ = time; }

  private:
    QTime time_;
};
