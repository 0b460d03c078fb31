#include "PulseStream.h"

#include <algorithm>

namespace horalo::speech {

namespace {

// The stream's latency. Without a request the server runs an idle sink at up
// to two seconds, and the end of the speech, and so our return, would come
// that much late; this is enough to ride out a busy machine.
constexpr uint32_t kLatencyMs = 200;
// A server that takes longer than this beyond what it has to play has stalled.
constexpr std::chrono::milliseconds kStallLimit{2000};

}  // namespace

PulseStream::PulseStream() : loop_(pa_mainloop_new()) {}

PulseStream::~PulseStream() {
    if (stream_) {
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
    }
    if (context_) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    if (loop_) pa_mainloop_free(loop_);
}

SoundServer PulseStream::connect(Clock::time_point deadline) {
    if (!loop_) return SoundServer::Absent;
    context_ = pa_context_new(pa_mainloop_get_api(loop_), "Horalo");
    if (!context_ || pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
        return SoundServer::Absent;
    if (runUntil(deadline, [this] { return contextReady(); })) return SoundServer::Reachable;
    return PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) ? SoundServer::Unresponsive
                                                              : SoundServer::Absent;
}

bool PulseStream::open(int sampleRate, Clock::time_point deadline) {
    const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<uint32_t>(sampleRate), 1};
    stream_ = pa_stream_new(context_, "Talking clock", &format, nullptr);
    if (!stream_) return false;
    const auto unset = static_cast<uint32_t>(-1);
    const pa_buffer_attr buffer{unset,
                                static_cast<uint32_t>(pa_usec_to_bytes(kLatencyMs * 1000, &format)),
                                unset, unset, unset};
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) <
        0)
        return false;
    bytesPerSecond_ = pa_bytes_per_second(&format);
    return runUntil(deadline, [this] { return streamReady(); });
}

SpeakStatus PulseStream::write(std::span<const int16_t> samples) {
    const auto* bytes = reinterpret_cast<const char*>(samples.data());
    size_t left = samples.size_bytes();
    const Clock::time_point deadline = Clock::now() + playingTime(left) + kStallLimit;
    while (left > 0) {
        const size_t room = pa_stream_writable_size(stream_);
        if (room == static_cast<size_t>(-1)) return SpeakStatus::PlaybackFailed;
        if (room == 0) {
            if (!runOnce(deadline) || !streamReady()) return SpeakStatus::PlaybackFailed;
            continue;
        }
        const size_t part = std::min(room, left);
        if (pa_stream_write(stream_, bytes, part, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return SpeakStatus::PlaybackFailed;
        bytes += part;
        left -= part;
    }
    return SpeakStatus::Ok;
}

SpeakStatus PulseStream::drain() {
    int drained = 0;
    pa_operation* operation = pa_stream_drain(
        stream_,
        [](pa_stream*, int success, void* done) { *static_cast<int*>(done) = success ? 1 : -1; },
        &drained);
    if (!operation) return SpeakStatus::PlaybackFailed;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(kLatencyMs) + kStallLimit;
    runUntil(deadline, [&drained] { return drained != 0; });
    if (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) pa_operation_cancel(operation);
    pa_operation_unref(operation);
    return drained > 0 ? SpeakStatus::Ok : SpeakStatus::PlaybackFailed;
}

bool PulseStream::failed() const {
    return !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) ||
           (stream_ && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)));
}

PulseStream::Clock::duration PulseStream::playingTime(size_t bytes) const {
    return std::chrono::microseconds(bytes * 1000000 / std::max<size_t>(bytesPerSecond_, 1));
}

bool PulseStream::runOnce(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    if (left.count() <= 0 || failed()) return false;
    return pa_mainloop_prepare(loop_, static_cast<int>(left.count())) >= 0 &&
           pa_mainloop_poll(loop_) >= 0 && pa_mainloop_dispatch(loop_) >= 0;
}

}  // namespace horalo::speech
