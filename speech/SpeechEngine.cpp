#include "SpeechEngine.h"

#include <algorithm>
#include <cstdlib>

namespace horalo::speech {

namespace {

constexpr int kSpeechLevel = 1000;  // of 32767; both voices peak far above it
constexpr int kQuietLevel = 100;    // below the softest start of a word

// The first of `samples` at `level` or above, or the end.
std::vector<int16_t>::const_iterator firstAt(const std::vector<int16_t>& samples, int level) {
    return std::find_if(samples.begin(), samples.end(),
                        [level](int16_t s) { return std::abs(s) >= level; });
}

}  // namespace

SpeakStatus synthesizeInto(const SpeechEngine& engine, const std::string& text, Pcm& pcm) {
    pcm = Pcm{};
    if (const SpeakStatus started = engine.start(pcm.sampleRate); started != SpeakStatus::Ok)
        return started;
    if (engine.synthesize(text, pcm.samples) != SpeakStatus::Ok)
        return SpeakStatus::SynthesisFailed;
    pcm.samples.erase(pcm.samples.cbegin(), firstAt(pcm.samples, kQuietLevel));
    return hasSpeech(pcm) ? SpeakStatus::Ok : SpeakStatus::SynthesisFailed;
}

bool hasSpeech(const Pcm& pcm) {
    return pcm.sampleRate > 0 && firstAt(pcm.samples, kSpeechLevel) != pcm.samples.end();
}

}  // namespace horalo::speech
