#include "SoundServerProbe.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>

#include <memory>

namespace horalo::speech {

namespace {

using Clock = std::chrono::steady_clock;

struct MainloopFree {
    void operator()(pa_mainloop* loop) const { pa_mainloop_free(loop); }
};
struct ContextRelease {
    void operator()(pa_context* context) const {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
};

SoundServer waitForAnswer(pa_mainloop* loop, pa_context* context, Clock::time_point deadline) {
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY) return SoundServer::Reachable;
        if (!PA_CONTEXT_IS_GOOD(state)) return SoundServer::Absent;
        const auto left =
            std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0) return SoundServer::Unresponsive;
        if (pa_mainloop_prepare(loop, static_cast<int>(left.count())) < 0 ||
            pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
            return SoundServer::Absent;
    }
}

}  // namespace

SoundServer probeSoundServer(std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    std::unique_ptr<pa_mainloop, MainloopFree> loop(pa_mainloop_new());
    if (!loop) return SoundServer::Absent;
    std::unique_ptr<pa_context, ContextRelease> context(
        pa_context_new(pa_mainloop_get_api(loop.get()), "Horalo"));
    if (!context || pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
        return SoundServer::Absent;
    return waitForAnswer(loop.get(), context.get(), deadline);
}

}  // namespace horalo::speech
