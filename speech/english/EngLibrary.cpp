// Eng: says the time in English.
#include "EnglishPhrase.h"
#include "FliteEngine.h"
#include "TimeAnnouncer.h"

namespace {

const horalo::speech::Language kEnglish{horalo::speech::kFliteEnglish,
                                        horalo::speech::englishTimePhrase};

}  // namespace

extern "C" HORALO_SPEECH_API int Speak(void) {
    return horalo::speech::announceTime(kEnglish);
}
