#include "core/SecondsTurned.h"

#include "core/TimeText.h"

namespace {
constexpr int kSecondsPerDay = 24 * 60 * 60;
}

QStringList SecondsTurned::since(QTime now) {
    now = QTime(now.hour(), now.minute(), now.second());
    // Forward distance on the 24-hour dial, so that midnight is no jump.
    const int ahead = last_ ? (last_->secsTo(now) + kSecondsPerDay) % kSecondsPerDay : -1;
    const QTime from = last_.value_or(now);
    last_ = now;

    if (ahead == 0) return {};
    if (ahead < 0 || ahead > kCatchUpSeconds) return {timeText(now)};
    QStringList texts;
    for (int s = 1; s <= ahead; ++s) texts.append(timeText(from.addSecs(s)));
    return texts;
}
