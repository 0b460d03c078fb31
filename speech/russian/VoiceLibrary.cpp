// Voice: says the time in Russian.
#include "EspeakEngine.h"
#include "RussianStress.h"
#include "TimeAnnouncer.h"

namespace {

const horalo::speech::Language kRussian{horalo::speech::kEspeakRussian,
                                        horalo::speech::russianEngineText};

}  // namespace

extern "C" HORALO_SPEECH_API int Speak(void) {
    return horalo::speech::announceTime(kRussian);
}
