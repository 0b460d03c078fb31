#include "AlsaStream.h"

#include <pcaudiolib/audio.h>

namespace horalo::speech {

namespace {

class AlsaStream final : public SoundStream {
  public:
    explicit AlsaStream(audio_object* device) : device_(device) {}
    ~AlsaStream() override {
        audio_object_close(device_);
        audio_object_destroy(device_);
    }
    AlsaStream(const AlsaStream&) = delete;
    AlsaStream& operator=(const AlsaStream&) = delete;

    SpeakStatus write(std::span<const int16_t> samples) override {
        if (samples.empty()) return SpeakStatus::Ok;
        const int error = audio_object_write(device_, samples.data(), samples.size_bytes());
        return error == 0 ? SpeakStatus::Ok : SpeakStatus::PlaybackFailed;
    }

    SpeakStatus drain() override {
        return audio_object_drain(device_) == 0 ? SpeakStatus::Ok : SpeakStatus::PlaybackFailed;
    }

  private:
    audio_object* device_;
};

}  // namespace

std::unique_ptr<SoundStream> openAlsaStream(int sampleRate) {
    audio_object* device = create_audio_device_object(nullptr, "Horalo", "Talking clock");
    if (!device) return nullptr;
    if (audio_object_open(device, AUDIO_OBJECT_FORMAT_S16LE, sampleRate, 1) != 0) {
        audio_object_destroy(device);
        return nullptr;
    }
    return std::make_unique<AlsaStream>(device);
}

}  // namespace horalo::speech
