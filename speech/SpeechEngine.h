#pragma once

#include <string>

#include "Pcm.h"
#include "SpeakStatus.h"

namespace horalo::speech {

// The synthesizer a speech library speaks through, with its voice chosen.
struct SpeechEngine {
    // Readies the engine and its voice unless they are ready, and gives the
    // sample rate of what it will make. Cheap once done.
    SpeakStatus (*start)(int& sampleRate);
    // Synthesizes `text` (UTF-8, as the engine takes it) into `pcm`.
    SpeakStatus (*synthesize)(const std::string& text, Pcm& pcm);
};

// Whether `pcm` holds something a listener would hear as speech.
bool hasSpeech(const Pcm& pcm);

}  // namespace horalo::speech
