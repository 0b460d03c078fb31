#include "EndRequests.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>

namespace {

// A signal handler may do next to nothing; it only wakes the program's thread
// through this pipe.
std::array<int, 2> wakePipe{-1, -1};
constexpr std::array kEndSignals{SIGTERM, SIGHUP, SIGINT};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakePipe[1], &byte, 1);
}

void handleEndSignals(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kEndSignals) sigaction(signal, &action, nullptr);
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
    handleEndSignals(onSignal);
}

// The program is ending by now, and its last words may still be playing: a
// further request to end is let go, so that it does not cut them short (the
// speech libraries hold the end no longer than those words take).
EndRequests::~EndRequests() {
    if (!notifier_) return;
    handleEndSignals(SIG_IGN);
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
