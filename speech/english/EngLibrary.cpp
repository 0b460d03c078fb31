// Eng: says the time in English.
#include "EnglishPhrase.h"
#include "FliteEngine.h"
#include "SpeechExport.h"

namespace {

const horalo::speech::Language kEnglish{horalo::speech::kFliteEnglish,
                                        horalo::speech::englishTimePhrase};

}  // namespace

HORALO_SPEECH_LIBRARY(kEnglish)
