#pragma once

#include "TimeSource.h"

// The system clock moved to a chosen time of day, running on at real speed, so
// that the program's real timers can be watched at a mark. `setClock` moves it
// again, as a user setting the system time does.
class ShiftedTime final : public TimeSource {
  public:
    explicit ShiftedTime(QTime start) { setClock(start); }
    QTime now() const override { return QTime::currentTime().addMSecs(offsetMs_); }
    qint64 monotonicMs() const override { return system_.monotonicMs(); }
    void setClock(QTime time) { offsetMs_ = QTime::currentTime().msecsTo(time); }

  private:
    SystemTime system_;
    qint64 offsetMs_ = 0;
};
