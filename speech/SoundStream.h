#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>

#include "SoundServerProbe.h"
#include "SpeakStatus.h"

namespace horalo::speech {

// How long a sound server may take to answer before we give up on it.
inline constexpr std::chrono::milliseconds kSoundServerTimeout{1000};

// One utterance's way to the default sound device: mono, 16 bit. The device
// is opened for one utterance and closed again, so a restarted sound server is
// found afresh and an idle device can sleep between announcements.
class SoundStream {
  public:
    virtual ~SoundStream() = default;

    // Queues samples; may wait while the device plays what came before.
    virtual SpeakStatus write(std::span<const int16_t> samples) = 0;

    // Returns once everything written has been played.
    virtual SpeakStatus drain() = 0;
};

// Opens the default device at `sampleRate`: on the sound server if `server`
// (from probeSoundServer) is reachable, else on plain ALSA.
SpeakStatus openSoundStream(SoundServer server, int sampleRate,
                            std::unique_ptr<SoundStream>& stream);

}  // namespace horalo::speech
