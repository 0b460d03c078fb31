#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

// Turns the requests to end that a desktop sends a running program (SIGTERM at
// logout or shutdown, SIGHUP when its terminal goes, SIGINT for Ctrl+C) into one
// call on the program's own thread, where it can end in good order. A signal
// the program was started with ignored stays ignored; a second request before
// the program has ended ends it at once.
class EndRequests {
  public:
    explicit EndRequests(std::function<void()> onRequest);
    ~EndRequests();
    EndRequests(const EndRequests&) = delete;
    EndRequests& operator=(const EndRequests&) = delete;

  private:
    std::function<void()> onRequest_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
