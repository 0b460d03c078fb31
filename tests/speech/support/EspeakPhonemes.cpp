#include "EspeakPhonemes.h"

#include <espeak-ng/espeak_ng.h>

#include "EspeakEngine.h"

namespace {

// espeak-ng 1.51 reads [[...]] in espeak_TextToPhonemes only as its last
// synthesis was told to (the flag is kept between calls), so one utterance
// through the engine sets it up exactly as the library speaks.
bool primed() {
    static const bool ready = [] {
        horalo::speech::Pcm pcm;
        return horalo::speech::synthesizeInto(horalo::speech::kEspeakRussian, "[[a]]", pcm) ==
               horalo::speech::SpeakStatus::Ok;
    }();
    return ready;
}

}  // namespace

QStringList russianPhonemeWords(const std::string& engineText) {
    if (!primed()) return {};
    QString phonemes;
    const void* rest = engineText.c_str();
    while (rest) {
        const char* clause = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (!clause) break;
        phonemes += QString::fromUtf8(clause) + ' ';
    }
    return phonemes.split(' ', Qt::SkipEmptyParts);
}
