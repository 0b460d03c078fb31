#include "SpeakStatus.h"

namespace horalo::speech {

const char* speakStatusText(int code) {
    switch (static_cast<SpeakStatus>(code)) {
        case SpeakStatus::Ok:
            return "the time was said";
        case SpeakStatus::NoSoundDevice:
            return "no sound device is available";
        case SpeakStatus::VoiceDataMissing:
            return "the voice data of the speech synthesizer is missing";
        case SpeakStatus::SynthesisFailed:
            return "the speech synthesizer failed";
        case SpeakStatus::PlaybackFailed:
            return "the sound could not be played";
        case SpeakStatus::WordingFailed:
            return "the time could not be put into words";
    }
    return "unknown speech error";
}

}  // namespace horalo::speech
