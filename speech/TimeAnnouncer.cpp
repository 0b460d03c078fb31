#include "TimeAnnouncer.h"

#include <mutex>

#include "LocalClock.h"
#include "SoundStream.h"
#include "SpeechPlayer.h"

namespace horalo::speech {

namespace {

std::optional<std::string> phraseNow(const Language& language) {
    const std::optional<ClockTime> now = localClockTime();
    return now ? language.engineText(now->hour, now->minute) : std::nullopt;
}

// What can fail at once is done here: the sound server is looked at first
// (espeak-ng's start, and plain ALSA through pcaudiolib, would wait for it
// without a time limit; our own stream opens under a deadline), the engine
// readied, the device opened and the time read and put into words. Making the
// sound and playing it is left to the player's thread.
SpeakStatus announce(const Language& language, SpeechPlayer& player) {
    const SoundServer server = probeSoundServer(kSoundServerTimeout);
    if (server == SoundServer::Unresponsive) return SpeakStatus::NoSoundDevice;
    int sampleRate = 0;
    SpeakStatus status = SpeakStatus::Ok;
    {
        const std::lock_guard lock(player.engineInUse());
        status = language.engine.start(sampleRate);
    }
    Utterance utterance;
    utterance.language = &language;
    if (status == SpeakStatus::Ok) status = openSoundStream(server, sampleRate, utterance.stream);
    if (status != SpeakStatus::Ok) return status;

    std::optional<std::string> text = phraseNow(language);
    if (!text) return SpeakStatus::WordingFailed;
    utterance.text = std::move(*text);
    player.play(std::move(utterance));
    return SpeakStatus::Ok;
}

}  // namespace

int announceTime(const Language& language) {
    static std::mutex oneAtATime;
    const std::lock_guard lock(oneAtATime);
    try {
        SpeechPlayer& player = SpeechPlayer::ofProcess();
        const SpeakStatus late = player.takeLateFailure(language);
        const SpeakStatus now = announce(language, player);
        return static_cast<int>(now != SpeakStatus::Ok ? now : late);
    } catch (...) {  // out of memory: nothing may unwind into the caller's C frame
        return static_cast<int>(SpeakStatus::SynthesisFailed);
    }
}

}  // namespace horalo::speech
