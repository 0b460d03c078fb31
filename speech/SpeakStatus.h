#pragma once

// What the speech runtime offers the speech libraries; the rest of it stays
// hidden inside it.
#define HORALO_SPEECH_API __attribute__((visibility("default")))

namespace horalo::speech {

// What Speak returns. The numbers are part of the libraries' interface: the
// program shows SpeakErrorText(code) for any code but Ok.
enum class SpeakStatus : int {
    Ok = 0,
    NoSoundDevice = 1,     // no sound server or device could be opened, or it did not answer
    VoiceDataMissing = 2,  // the synthesizer's data, the voice or its dictionary is not installed
    SynthesisFailed = 3,   // the synthesizer reported an error or produced no speech
    PlaybackFailed = 4,    // the device was opened but the sound could not be played to the end
    WordingFailed = 5,     // the clock could not be read or the time not put into words
};

// A short English text for a code; never null, static storage; unknown codes
// get a generic text.
HORALO_SPEECH_API const char* speakStatusText(int code);

}  // namespace horalo::speech
