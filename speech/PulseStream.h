#pragma once

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

#include <chrono>

#include "SoundStream.h"

namespace horalo::speech {

// A playback stream on the sound server's default sink. The server is talked
// to without a thread of its own, and every wait for it has a deadline: a
// stalled server must not hold the caller (the program's thread while the
// stream opens, the player's while it plays) for long.
class PulseStream final : public SoundStream {
  public:
    using Clock = std::chrono::steady_clock;

    PulseStream();
    ~PulseStream() override;
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;

    // Connects to the server the environment names (PULSE_SERVER or the
    // user's default). espeak-ng and pcaudiolib wait for a server without
    // limit, so a hung server would hang them: this comes first.
    SoundServer connect(Clock::time_point deadline);
    // Opens the stream once connected; false if the server refuses it.
    bool open(int sampleRate, Clock::time_point deadline);

    // Waits while the device plays what came before, as long as the samples
    // take to play and no longer.
    SpeakStatus write(std::span<const int16_t> samples) override;
    SpeakStatus drain() override;

  private:
    // Whether the context is ready; false too while it connects.
    bool contextReady() const { return pa_context_get_state(context_) == PA_CONTEXT_READY; }
    bool streamReady() const { return pa_stream_get_state(stream_) == PA_STREAM_READY; }
    bool failed() const;
    Clock::duration playingTime(size_t bytes) const;

    // One round of the loop: waits for the server at most until the deadline.
    // False once the deadline has passed or the connection has failed.
    bool runOnce(Clock::time_point deadline);
    template <typename Done>
    bool runUntil(Clock::time_point deadline, Done done) {
        while (!done())
            if (!runOnce(deadline)) return false;
        return true;
    }

    pa_mainloop* loop_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    size_t bytesPerSecond_ = 0;
};

}  // namespace horalo::speech
