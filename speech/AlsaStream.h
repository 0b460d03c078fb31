#pragma once

#include <memory>

#include "SoundStream.h"

namespace horalo::speech {

// A stream on the system's default device without a sound server (ALSA, or
// OSS), through pcaudiolib as espeak-ng would use it; nullptr if there is none.
std::unique_ptr<SoundStream> openAlsaStream(int sampleRate);

}  // namespace horalo::speech
