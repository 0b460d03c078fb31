#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Pcm.h"
#include "SpeakStatus.h"

namespace horalo::speech {

// The synthesizer a speech library speaks through, with its voice chosen.
struct SpeechEngine {
    // Readies the engine and its voice unless they are ready, and gives the
    // sample rate of what it will make. Cheap once done.
    SpeakStatus (*start)(int& sampleRate);
    // Synthesizes `text` (UTF-8, as the engine takes it) and adds the sound to
    // `samples`: Ok unless the engine failed.
    SpeakStatus (*synthesize)(const std::string& text, std::vector<int16_t>& samples);
};

// What a speech library knows of its language: the engine with its voice, and
// the time of day as that engine is given it (UTF-8), or nullopt if it cannot
// be put into words.
struct Language {
    SpeechEngine engine;
    std::optional<std::string> (*engineText)(int hour, int minute);
};

// What `engine` makes of `text`, in `pcm`, less the engine's own quiet start:
// flite opens every utterance with some 170 ms of faint noise, and after the
// lead-in that would only put the words off. SynthesisFailed if the engine
// failed or made no speech.
SpeakStatus synthesizeInto(const SpeechEngine& engine, const std::string& text, Pcm& pcm);

// Whether `pcm` holds something a listener would hear as speech.
bool hasSpeech(const Pcm& pcm);

}  // namespace horalo::speech
