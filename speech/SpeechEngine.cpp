#include "SpeechEngine.h"

#include <algorithm>
#include <cstdlib>

namespace horalo::speech {

namespace {

constexpr int kSpeechLevel = 1000;  // of 32767; both voices peak far above it

bool loud(std::span<const int16_t> samples) {
    return std::any_of(samples.begin(), samples.end(),
                       [](int16_t s) { return std::abs(s) >= kSpeechLevel; });
}

}  // namespace

SpeakStatus synthesizeInto(const SpeechEngine& engine, const std::string& text, Pcm& pcm) {
    pcm = Pcm{};
    if (const SpeakStatus started = engine.start(pcm.sampleRate); started != SpeakStatus::Ok)
        return started;
    return engine.synthesize(text, [&pcm](std::span<const int16_t> samples) {
        pcm.samples.insert(pcm.samples.end(), samples.begin(), samples.end());
        return true;
    });
}

bool hasSpeech(const Pcm& pcm) {
    return pcm.sampleRate > 0 && loud(pcm.samples);
}

bool SpeechWatch::pass(std::span<const int16_t> samples) {
    if (stopped_) return false;
    speech_ = speech_ || loud(samples);
    stopped_ = !sink_(samples);
    return !stopped_;
}

SpeakStatus SpeechWatch::outcome(bool synthesized) const {
    if (stopped_) return SpeakStatus::PlaybackFailed;
    return synthesized && speech_ ? SpeakStatus::Ok : SpeakStatus::SynthesisFailed;
}

}  // namespace horalo::speech
