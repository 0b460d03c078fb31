// Voice: says the time in Russian.
#include "EspeakEngine.h"
#include "RussianStress.h"
#include "SpeechExport.h"

namespace {

const horalo::speech::Language kRussian{horalo::speech::kEspeakRussian,
                                        horalo::speech::russianEngineText};

}  // namespace

HORALO_SPEECH_LIBRARY(kRussian)
