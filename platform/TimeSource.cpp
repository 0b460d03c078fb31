#include "TimeSource.h"

#include <cstdlib>

namespace {
constexpr int kMsPerDay = 24 * 60 * 60 * 1000;
// How far the wall clock may run from the monotonic clock between two readings
// before it counts as set. A real drift stays far below this.
constexpr qint64 kStepToleranceMs = 1000;
}  // namespace

ClockReading readClocks(const TimeSource& time) {
    return {time.now(), time.monotonicMs()};
}

bool clockWasSetBetween(const ClockReading& earlier, const ClockReading& later) {
    const qint64 wallAheadMs = (earlier.wall.msecsTo(later.wall) + kMsPerDay) % kMsPerDay;
    const qint64 drift = wallAheadMs - (later.monotonicMs - earlier.monotonicMs);
    return std::llabs(drift) > kStepToleranceMs;
}
