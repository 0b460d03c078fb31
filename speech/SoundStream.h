#pragma once

#include <chrono>
#include <cstdint>
#include <span>

#include "SpeakStatus.h"

namespace horalo::speech {

// How long a sound server may take to answer before we give up on it.
inline constexpr std::chrono::milliseconds kSoundServerTimeout{1000};

enum class SoundServer {
    Reachable,     // a PulseAudio (or PipeWire) server answered
    Absent,        // none is running; plain ALSA may still have a device
    Unresponsive,  // one accepted the connection but did not answer in time
};

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

}  // namespace horalo::speech
