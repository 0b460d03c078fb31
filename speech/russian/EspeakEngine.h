#pragma once

#include "SpeechEngine.h"

namespace horalo::speech {

// espeak-ng with its Russian voice; text may carry words in espeak-ng's
// phoneme notation between [[ and ]].
//
// espeak-ng keeps one engine per process, shared by every library loaded into
// it. The engine is started by the first caller in the process and never
// stopped: espeak-ng 1.51 cannot be started again after espeak_ng_Terminate
// (espeak_ng_Synchronize then waits forever). The voice is set once, when the
// engine starts, and again only if someone else in the process changed it:
// setting it re-reads the 2 MB Russian dictionary. Calls must not overlap. The
// start connects to the sound server (espeak-ng's doing) and waits for it
// without limit: look at the server first (PulseStream::connect).
extern const SpeechEngine kEspeakRussian;

}  // namespace horalo::speech
