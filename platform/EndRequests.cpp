#include "EndRequests.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>

namespace {

// A signal handler may do next to nothing; it only wakes the program's thread
// through this pipe.
std::array<int, 2> wakePipe{-1, -1};
constexpr std::array kEndSignals{SIGTERM, SIGHUP, SIGINT};
// The end signals this program handles: not those it was started with
// ignored, as nohup does with SIGHUP.
std::array<bool, kEndSignals.size()> handled{};
volatile sig_atomic_t requested = 0;
// Counted from the first request: the program's thread takes it up and asks
// for the farewell well within this; the farewell then plays while the program
// ends, when the destructor lets requests go for good. A desktop sends its
// requests together (logind: SIGTERM, then SIGHUP at once), before the thread
// can have taken up the first.
constexpr std::int64_t kEndingGraceMs = 5000;
// Until this moment (monotonic milliseconds) further requests are let go.
std::atomic<std::int64_t> endingUntilMs{0};
static_assert(std::atomic<std::int64_t>::is_always_lock_free, "read by a signal handler");

std::int64_t monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void onSignal(int signal) {
    const int savedErrno = errno;
    const std::int64_t now = monotonicMs();
    if (!requested) {
        requested = 1;
        endingUntilMs = now + kEndingGraceMs;
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(wakePipe[1], &byte, 1);
    } else if (now >= endingUntilMs.load()) {
        // The program has not ended in all that time (its thread may be held
        // up in a call that does not return): a further request ends it at
        // once, the system's own way. The end signals are blocked until this
        // handler returns.
        struct sigaction byDefault {};
        byDefault.sa_handler = SIG_DFL;
        sigemptyset(&byDefault.sa_mask);
        sigaction(signal, &byDefault, nullptr);
        raise(signal);
    }
    errno = savedErrno;
}

bool startedIgnored(int signal) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler == SIG_IGN;
}

// Calls interrupted by a signal go on where they were: the thread they hold
// up is not the one that ends the program. One end signal waits while the
// handler runs for another, so the first request is wholly noted first.
void setHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (const int end : kEndSignals) sigaddset(&action.sa_mask, end);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

}  // namespace

EndRequests::EndRequests(std::function<void()> onRequest) : onRequest_(std::move(onRequest)) {
    if (::pipe2(wakePipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(wakePipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
        }
        onRequest_();
    });
    requested = 0;
    endingUntilMs = 0;
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
        handled[i] = !startedIgnored(kEndSignals[i]);
        if (handled[i]) setHandler(kEndSignals[i], onSignal);
    }
}

// The program is ending by now, and its last words may still be playing: a
// further request to end is let go, so that it does not cut them short (the
// speech libraries hold the end no longer than those words take).
EndRequests::~EndRequests() {
    if (!notifier_) return;
    for (std::size_t i = 0; i < kEndSignals.size(); ++i)
        if (handled[i]) setHandler(kEndSignals[i], SIG_IGN);
    notifier_.reset();
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe = {-1, -1};
}

#else

// Elsewhere the session's end reaches the program through the session manager alone.
EndRequests::EndRequests(std::function<void()> onRequest) : onRequest_(std::move(onRequest)) {}
EndRequests::~EndRequests() = default;

#endif
