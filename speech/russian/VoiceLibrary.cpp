// Voice: says the time in Russian.
#include "RussianPhrase.h"
#include "SpeechExport.h"

namespace {

const horalo::speech::Language kRussian{{"ru", "ru_dict"}, horalo::speech::russianTimePhrase};

}  // namespace

HORALO_SPEECH_LIBRARY(kRussian)
