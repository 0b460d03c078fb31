#pragma once

// What the speech runtime offers the speech libraries, and their Speak; the
// rest of them stays hidden inside them.
#define HORALO_SPEECH_API __attribute__((visibility("default")))

namespace horalo::speech {

// What Speak returns. The numbers are part of the libraries' interface: the
// program words each code but Ok for the user.
enum class SpeakStatus : int {
    Ok = 0,
    NoSoundDevice = 1,     // no sound server or device could be opened, or it did not answer
    VoiceDataMissing = 2,  // the synthesizer's data, the voice or its dictionary is not installed
    SynthesisFailed = 3,   // the synthesizer reported an error or produced no speech
    PlaybackFailed = 4,    // the device was opened but the sound could not be played to the end
    WordingFailed = 5,     // the clock could not be read or the time not put into words
};

}  // namespace horalo::speech
