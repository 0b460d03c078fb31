#include "SpeechEngine.h"

#include <algorithm>
#include <cstdlib>

namespace horalo::speech {

namespace {

constexpr int kSpeechLevel = 1000;  // of 32767; both voices peak far above it
constexpr int kQuietLevel = 100;    // below the softest start of a word

// The first sample of `samples` at `level` or above, or the end.
std::span<const int16_t>::iterator firstAt(std::span<const int16_t> samples, int level) {
    return std::find_if(samples.begin(), samples.end(),
                        [level](int16_t s) { return std::abs(s) >= level; });
}

bool loud(std::span<const int16_t> samples) {
    return firstAt(samples, kSpeechLevel) != samples.end();
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
    if (!started_) samples = {firstAt(samples, kQuietLevel), samples.end()};
    if (samples.empty()) return true;
    started_ = true;
    speech_ = speech_ || loud(samples);
    stopped_ = !sink_(samples);
    return !stopped_;
}

SpeakStatus SpeechWatch::outcome(bool synthesized) const {
    if (stopped_) return SpeakStatus::PlaybackFailed;
    return synthesized && speech_ ? SpeakStatus::Ok : SpeakStatus::SynthesisFailed;
}

}  // namespace horalo::speech
