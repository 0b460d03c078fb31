// Eng: says the time in English.
#include "EnglishPhrase.h"
#include "SpeechExport.h"

namespace {

const horalo::speech::Language kEnglish{{"en", "en_dict"}, horalo::speech::englishTimePhrase};

}  // namespace

HORALO_SPEECH_LIBRARY(kEnglish)
