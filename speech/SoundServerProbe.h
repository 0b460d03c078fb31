#pragma once

#include <chrono>

namespace horalo::speech {

enum class SoundServer {
    Reachable,     // a PulseAudio (or PipeWire) server answered
    Absent,        // none is running; plain ALSA may still have a device
    Unresponsive,  // one accepted the connection but did not answer in time
};

// Connects to the sound server the environment names (PULSE_SERVER or the
// user's default) and waits at most `timeout` for it to answer. espeak-ng and
// pcaudiolib wait for a server without limit, so a hung server would hang the
// caller; this look comes first.
SoundServer probeSoundServer(std::chrono::milliseconds timeout);

}  // namespace horalo::speech
