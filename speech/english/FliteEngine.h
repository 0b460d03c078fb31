#pragma once

#include "SpeechEngine.h"

namespace horalo::speech {

// flite with its US English voice cmu_us_rms, a man's voice: an offline
// recogniser understands its time phrases more often than those of cmu_us_slt
// (intelligibility_bench). The voice is built into the library that holds it,
// so there are no data files to miss; it is readied once per process and stays.
extern const SpeechEngine kFliteEnglish;

}  // namespace horalo::speech
