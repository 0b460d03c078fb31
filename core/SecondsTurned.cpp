#include "SecondsTurned.h"

#include <cstdlib>

#include "TimeText.h"

namespace {

constexpr int kMsPerDay = 24 * 60 * 60 * 1000;
// How far the wall clock may run from the monotonic clock between two passes
// before it counts as set. Passes come about a second apart, so a real drift
// stays far below this.
constexpr qint64 kStepToleranceMs = 1000;
// A thread held up longer than this was not busy speaking; whatever stopped it,
// the seconds are not made up for, which also keeps a pass to one due mark.
constexpr int kMaxCatchUpSeconds = 60;

QTime wholeSecond(QTime t) {
    return QTime(t.hour(), t.minute(), t.second());
}

// Forward distance on the 24-hour dial, so that midnight is no jump.
int aheadMs(QTime from, QTime to) {
    return (from.msecsTo(to) + kMsPerDay) % kMsPerDay;
}

}  // namespace

QStringList SecondsTurned::since(QTime now, qint64 monotonicMs) {
    const std::optional<Reading> last = last_;
    last_ = Reading{now, monotonicMs};
    if (!last) return {timeText(now)};

    const QTime from = wholeSecond(last->wall);
    const int seconds = aheadMs(from, wholeSecond(now)) / 1000;
    const qint64 drift = aheadMs(last->wall, now) - (monotonicMs - last->monotonicMs);
    const bool clockWasSet = std::llabs(drift) > kStepToleranceMs;
    if (seconds == 0) return {};
    if (clockWasSet || seconds > kMaxCatchUpSeconds) return {timeText(now)};

    QStringList texts;
    for (int s = 1; s <= seconds; ++s) texts.append(timeText(from.addSecs(s)));
    return texts;
}
