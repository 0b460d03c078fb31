#pragma once

#include <memory>

#include "SoundStream.h"

namespace horalo::speech {

// A playback stream on the sound server's default sink, or nullptr if the
// server refuses one.
std::unique_ptr<SoundStream> openPulseStream(int sampleRate);

}  // namespace horalo::speech
