#pragma once

#include "SpeechEngine.h"

namespace horalo::speech {

// flite with the US English voice cmu_us_rms. The voice is built into the
// library that holds it, so there are no data files to miss; it is readied
// once per process and stays.
extern const SpeechEngine kFliteEnglish;

}  // namespace horalo::speech
