#pragma once

#include <QStringList>
#include <QTime>
#include <optional>

// Tells which seconds the clock has turned to since it was last asked, so that
// each second's time text is looked at exactly once: a pass that comes early
// finds no new second, and a pass held up by a speech call a few seconds long
// still sees the seconds it missed. A larger step of the clock, forwards or
// back, restarts from the new time: a mark jumped over is not made up for, and
// marks already passed become due again after the clock is set back.
class SecondsTurned {
  public:
    static constexpr int kCatchUpSeconds = 5;

    // The time texts of the seconds that began since the previous call up to
    // `now`, oldest first; the first call gives `now` alone.
    QStringList since(QTime now);

  private:
    std::optional<QTime> last_;
};
