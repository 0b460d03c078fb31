#include "PulseStream.h"

#include <pulse/simple.h>

namespace horalo::speech {

namespace {

// The stream's latency. Without a request the server runs an idle sink at up
// to two seconds, and the end of the speech, and so our return, would come
// that much late; this is enough to ride out a busy machine.
constexpr uint32_t kLatencyMs = 200;

class PulseStream final : public SoundStream {
  public:
    explicit PulseStream(pa_simple* stream) : stream_(stream) {}
    ~PulseStream() override { pa_simple_free(stream_); }
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;

    SpeakStatus write(std::span<const int16_t> samples) override {
        if (samples.empty()) return SpeakStatus::Ok;  // the server refuses empty writes
        const bool written =
            pa_simple_write(stream_, samples.data(), samples.size_bytes(), nullptr) == 0;
        return written ? SpeakStatus::Ok : SpeakStatus::PlaybackFailed;
    }

    SpeakStatus drain() override {
        return pa_simple_drain(stream_, nullptr) == 0 ? SpeakStatus::Ok
                                                      : SpeakStatus::PlaybackFailed;
    }

  private:
    pa_simple* stream_;
};

}  // namespace

std::unique_ptr<SoundStream> openPulseStream(int sampleRate) {
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, static_cast<uint32_t>(sampleRate), 1};
    const auto unset = static_cast<uint32_t>(-1);
    const pa_buffer_attr buffer{
        unset, static_cast<uint32_t>(pa_usec_to_bytes(kLatencyMs * 1000, &sampleFormat)), unset,
        unset, unset};
    pa_simple* stream = pa_simple_new(nullptr, "Horalo", PA_STREAM_PLAYBACK, nullptr,
                                      "Talking clock", &sampleFormat, nullptr, &buffer, nullptr);
    return stream ? std::make_unique<PulseStream>(stream) : nullptr;
}

}  // namespace horalo::speech
