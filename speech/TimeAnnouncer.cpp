#include "TimeAnnouncer.h"

#include <mutex>
#include <span>
#include <vector>

#include "LocalClock.h"
#include "SoundStream.h"
#include "SpeechPlayer.h"

namespace horalo::speech {

namespace {

std::optional<std::string> phraseNow(const Language& language) {
    const std::optional<ClockTime> now = localClockTime();
    return now ? language.engineText(now->hour, now->minute) : std::nullopt;
}

// The engine is used by the program's thread, which readies it, and by the
// player's, which makes the words.
std::mutex& engineInUse() {
    static std::mutex engine;
    return engine;
}

SpeakStatus makeWords(const SpeechEngine& engine, const std::string& phrase,
                      std::vector<int16_t>& words) {
    const std::lock_guard lock(engineInUse());
    return engine.synthesize(phrase, [&words](std::span<const int16_t> samples) {
        words.insert(words.end(), samples.begin(), samples.end());
        return true;
    });
}

// What can fail at once is done here: the sound server is looked at first
// (espeak-ng's start, and plain ALSA through pcaudiolib, would wait for it
// without a time limit; our own stream opens under a deadline), the engine
// readied, the device opened and the time read and put into words. Making the
// sound and playing it is left to the player's thread.
SpeakStatus announce(const Language& language) {
    const SoundServer server = probeSoundServer(kSoundServerTimeout);
    if (server == SoundServer::Unresponsive) return SpeakStatus::NoSoundDevice;
    Utterance utterance;
    SpeakStatus status = SpeakStatus::Ok;
    {
        const std::lock_guard lock(engineInUse());
        status = language.engine.start(utterance.sampleRate);
    }
    if (status == SpeakStatus::Ok)
        status = openSoundStream(server, utterance.sampleRate, utterance.stream);
    if (status != SpeakStatus::Ok) return status;

    std::optional<std::string> phrase = phraseNow(language);
    if (!phrase) return SpeakStatus::WordingFailed;
    utterance.makeWords = [&engine = language.engine,
                           phrase = std::move(*phrase)](std::vector<int16_t>& words) {
        return makeWords(engine, phrase, words);
    };
    SpeechPlayer::ofLibrary().play(std::move(utterance));
    return SpeakStatus::Ok;
}

}  // namespace

int announceTime(const Language& language) {
    static std::mutex oneAtATime;
    const std::lock_guard lock(oneAtATime);
    try {
        const SpeakStatus late = SpeechPlayer::ofLibrary().takeLateFailure();
        const SpeakStatus now = announce(language);
        return static_cast<int>(now != SpeakStatus::Ok ? now : late);
    } catch (...) {  // out of memory: nothing may unwind into the caller's C frame
        return static_cast<int>(SpeakStatus::SynthesisFailed);
    }
}

}  // namespace horalo::speech
