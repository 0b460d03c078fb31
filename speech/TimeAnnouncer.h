#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "SpeechEngine.h"
#include "SpeechPlayer.h"

namespace horalo::speech {

// What a speech library knows of its language: the engine with its voice, and
// the time of day as that engine is given it (UTF-8), or nullopt if it cannot
// be put into words.
struct Language {
    SpeechEngine engine;
    std::optional<std::string> (*engineText)(int hour, int minute);
};

// Reads the local time, puts it into words in `language` and returns once the
// phrase is on its way; it is made and heard on the player's thread
// (SpeechPlayer). Gives a SpeakStatus as int: that of this call, or else that
// of an earlier phrase that could not be made or played to the end. Calls into
// one library are serialised; the program calls both from its one
// user-interface thread.
int announceTime(const Language& language);

}  // namespace horalo::speech
