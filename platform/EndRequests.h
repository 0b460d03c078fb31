#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

// Turns the requests to end that a desktop sends a running program (SIGTERM at
// logout or shutdown, SIGHUP when its terminal goes, SIGINT for Ctrl+C) into one
// call on the program's own thread, where it can end in good order. A signal
// the program was started with ignored stays ignored. The program then ends in
// good order and says its farewell: further requests within seconds of the
// first are let go, so that they do not cut the farewell short. A request that
// comes later, when the program is still held up, ends it at once.
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
