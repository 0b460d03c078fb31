#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "SpeechEngine.h"

namespace horalo::speech {

// A sleeping sound device wakes up on its first samples and swallows them;
// this much silence before the speech keeps the first word whole.
inline constexpr std::chrono::milliseconds kLeadIn{150};

// What a speech library knows of its language: the voice, and how the time
// of day is said, as words (UTF-8), or nullopt if it cannot be.
struct Language {
    VoiceSpec voice;
    std::optional<std::string> (*phrase)(int hour, int minute);
};

// Reads the local time, says it in `language` and returns once it has been
// heard: a SpeakStatus as int. Calls into one library are serialised; the two
// libraries share espeak-ng's engine, so their caller must not call both at
// once (the program calls them from its one user-interface thread).
int announceTime(const Language& language);

}  // namespace horalo::speech
