#include "TimerfdClockWatch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

namespace {
// Far enough that the timer never expires, whatever a faked clock reads.
constexpr time_t kFarAheadSeconds = time_t(100) * 365 * 24 * 60 * 60;
}  // namespace

std::unique_ptr<TimerfdClockWatch> TimerfdClockWatch::open() {
    const int fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0) return nullptr;
    std::unique_ptr<TimerfdClockWatch> watch(new TimerfdClockWatch(fd));
    return watch->arm() ? std::move(watch) : nullptr;
}

TimerfdClockWatch::TimerfdClockWatch(int fd) : fd_(fd), notifier_(fd, QSocketNotifier::Read) {
    connect(&notifier_, &QSocketNotifier::activated, this, &TimerfdClockWatch::onReadable);
}

TimerfdClockWatch::~TimerfdClockWatch() {
    notifier_.setEnabled(false);
    ::close(fd_);
}

bool TimerfdClockWatch::arm() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    itimerspec deadline{};
    deadline.it_value.tv_sec = now.tv_sec + kFarAheadSeconds;
    return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &deadline, nullptr) ==
           0;
}

void TimerfdClockWatch::onReadable() {
    std::uint64_t expirations = 0;
    const bool cancelled = ::read(fd_, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
    // Armed again after a cancel, and after an expiry (a clock faked a century ahead).
    if (cancelled || expirations > 0) arm();
    if (cancelled) Q_EMIT clockSet();
}
