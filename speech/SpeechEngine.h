#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "Pcm.h"
#include "SpeakStatus.h"

namespace horalo::speech {

// Takes the samples of an utterance as the engine makes them; returns false
// to stop the engine (the sound could not be played).
using SampleSink = std::function<bool(std::span<const int16_t> samples)>;

// The synthesizer a speech library speaks through, with its voice chosen.
struct SpeechEngine {
    // Readies the engine and its voice unless they are ready, and gives the
    // sample rate of what it will make. Cheap once done.
    SpeakStatus (*start)(int& sampleRate);
    // Synthesizes `text` (UTF-8, as the engine takes it) and hands the samples
    // to `sink` as they come: Ok once all were taken and held speech,
    // PlaybackFailed if the sink stopped the engine.
    SpeakStatus (*synthesize)(const std::string& text, const SampleSink& sink);
};

// What a speech library knows of its language: the engine with its voice, and
// the time of day as that engine is given it (UTF-8), or nullopt if it cannot
// be put into words.
struct Language {
    SpeechEngine engine;
    std::optional<std::string> (*engineText)(int hour, int minute);
};

// Collects what `engine` makes of `text` into `pcm`.
SpeakStatus synthesizeInto(const SpeechEngine& engine, const std::string& text, Pcm& pcm);

// Whether `pcm` holds something a listener would hear as speech.
bool hasSpeech(const Pcm& pcm);

// Passes an engine's samples on to a sink, less the engine's own quiet start,
// and keeps what an engine's synthesize reports: whether the sink stopped it
// and whether speech came. flite opens every utterance with some 170 ms of
// faint noise; after the lead-in that would only put the words off.
class HORALO_SPEECH_API SpeechWatch {
  public:
    explicit SpeechWatch(const SampleSink& sink) : sink_(sink) {}

    // False once the sink has refused samples.
    bool pass(std::span<const int16_t> samples);

    // The outcome of a synthesis the engine itself reported as `synthesized`.
    SpeakStatus outcome(bool synthesized) const;

  private:
    const SampleSink& sink_;
    bool started_ = false;
    bool stopped_ = false;
    bool speech_ = false;
};

}  // namespace horalo::speech
