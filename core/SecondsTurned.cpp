#include "SecondsTurned.h"

#include <cstdlib>

#include "TimeText.h"

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

QTime wholeSecond(QTime t) {
    return QTime(t.hour(), t.minute(), t.second());
}

}  // namespace

QStringList SecondsTurned::since(QTime now, qint64 monotonicMs) {
    const std::optional<ClockReading> last = last_;
    last_ = ClockReading{now, monotonicMs};
    if (!last) return {timeText(now)};

    const QTime from = wholeSecond(last->wall);
    // Forward on the 24-hour dial, so that midnight is no jump.
    const int seconds = (from.secsTo(wholeSecond(now)) + kSecondsPerDay) % kSecondsPerDay;
    if (seconds == 0) return {};
    if (clockWasSetBetween(*last, *last_)) return {timeText(now)};

    // Seconds of an earlier minute are past saying: a mark heard a minute late
    // would tell the wrong time.
    const int inThisMinute = std::min(seconds, now.second() + 1);
    QStringList texts;
    for (int s = seconds - inThisMinute + 1; s <= seconds; ++s)
        texts.append(timeText(from.addSecs(s)));
    return texts;
}
