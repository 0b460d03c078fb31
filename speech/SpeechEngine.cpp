#include "SpeechEngine.h"

#include <algorithm>
#include <cstdlib>

namespace horalo::speech {

namespace {

constexpr int kSpeechLevel = 1000;  // of 32767; both voices peak far above it

}  // namespace

bool hasSpeech(const Pcm& pcm) {
    return pcm.sampleRate > 0 && std::any_of(pcm.samples.begin(), pcm.samples.end(),
                                             [](int16_t s) { return std::abs(s) >= kSpeechLevel; });
}

}  // namespace horalo::speech
