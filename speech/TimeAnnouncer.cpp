#include "TimeAnnouncer.h"

#include <mutex>

#include "AlsaStream.h"
#include "LocalClock.h"
#include "PulseStream.h"
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
    auto pulse = std::make_unique<PulseStream>();
    const SoundServer server = pulse->connect(PulseStream::Clock::now() + kSoundServerTimeout);
    if (server == SoundServer::Unresponsive) return SpeakStatus::NoSoundDevice;
    int sampleRate = 0;
    {
        const std::lock_guard lock(player.engineInUse());
        if (const SpeakStatus started = language.engine.start(sampleRate);
            started != SpeakStatus::Ok)
            return started;
    }
    Utterance utterance;
    utterance.language = &language;
    if (server == SoundServer::Absent)
        utterance.stream = openAlsaStream(sampleRate);
    else if (pulse->open(sampleRate, PulseStream::Clock::now() + kSoundServerTimeout))
        utterance.stream = std::move(pulse);
    if (!utterance.stream) return SpeakStatus::NoSoundDevice;

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
