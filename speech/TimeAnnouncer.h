#pragma once

#include "SpeechEngine.h"

namespace horalo::speech {

// Reads the local time, puts it into words in `language` and returns once the
// phrase is on its way; it is made and heard on the player's thread
// (SpeechPlayer). Gives a SpeakStatus as int: that of this call, or else that
// of an earlier phrase of `language` that could not be made or played to the
// end. Calls are serialised.
HORALO_SPEECH_API int announceTime(const Language& language);

}  // namespace horalo::speech
