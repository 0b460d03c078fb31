#pragma once

#include <optional>

namespace horalo::speech {

struct ClockTime {
    int hour;    // 0..23
    int minute;  // 0..59
};

// The local time of day, to the minute; nullopt if the system cannot say.
std::optional<ClockTime> localClockTime();

}  // namespace horalo::speech
