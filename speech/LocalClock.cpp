#include "LocalClock.h"

#include <ctime>

namespace horalo::speech {

std::optional<ClockTime> localClockTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || !localtime_r(&now, &local)) return std::nullopt;
    return ClockTime{local.tm_hour, local.tm_min};
}

}  // namespace horalo::speech
