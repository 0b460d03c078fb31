#pragma once

#include <QTime>

// The local time of day. Everything in the program that asks for the time asks
// through this, so a test can run a whole day in a moment.
class TimeSource {
  public:
    virtual ~TimeSource() = default;
    virtual QTime now() const = 0;
};

class SystemTime final : public TimeSource {
  public:
    QTime now() const override { return QTime::currentTime(); }
};
