#pragma once

#include <string>

#include "Pcm.h"
#include "SpeakStatus.h"

namespace horalo::speech {

// An espeak-ng voice and the dictionary it cannot speak without.
struct VoiceSpec {
    const char* name;        // "en"
    const char* dictionary;  // "en_dict", a file in espeak-ng's data folder
};

// Starts espeak-ng's engine unless it runs already, and gives its sample rate.
//
// espeak-ng keeps one engine per process, shared by every library loaded into
// it. The engine is started by the first caller in the process and never
// stopped: espeak-ng 1.51 cannot be started again after espeak_ng_Terminate
// (espeak_ng_Synchronize then waits forever). The voice and the sample
// callback are set again before every utterance because another library may
// have changed them. Calls must not overlap. The start connects to the sound
// server (espeak-ng's doing) and waits for it without limit: look at the
// server first (probeSoundServer).
SpeakStatus startEngine(int& sampleRate);

// Synthesizes `text` (UTF-8 words) with `voice` into `pcm`, starting the
// engine if need be.
SpeakStatus synthesize(const VoiceSpec& voice, const std::string& text, Pcm& pcm);

// Whether `pcm` holds something a listener would hear as speech.
bool hasSpeech(const Pcm& pcm);

}  // namespace horalo::speech
