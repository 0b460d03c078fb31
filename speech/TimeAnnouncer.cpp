#include "TimeAnnouncer.h"

#include <mutex>
#include <span>
#include <vector>

#include "LocalClock.h"
#include "SoundStream.h"

namespace horalo::speech {

namespace {

std::optional<std::string> phraseNow(const Language& language) {
    const std::optional<ClockTime> now = localClockTime();
    return now ? language.engineText(now->hour, now->minute) : std::nullopt;
}

std::vector<int16_t> silence(int sampleRate, std::chrono::milliseconds length) {
    return std::vector<int16_t>(static_cast<size_t>(sampleRate * length.count() / 1000), 0);
}

// The sound server is looked at first: opening a stream on it, and espeak-ng's
// start, wait for it without a time limit. The device is then opened and fed
// the lead-in: it wakes up while the words are being made. The engine's sound
// is played as it comes, so the words follow the lead-in without a gap.
SpeakStatus announce(const Language& language) {
    const SoundServer server = probeSoundServer(kSoundServerTimeout);
    if (server == SoundServer::Unresponsive) return SpeakStatus::NoSoundDevice;
    int sampleRate = 0;
    std::unique_ptr<SoundStream> stream;
    SpeakStatus status = language.engine.start(sampleRate);
    if (status == SpeakStatus::Ok) status = openSoundStream(server, sampleRate, stream);
    if (status == SpeakStatus::Ok) status = stream->write(silence(sampleRate, kLeadIn));
    if (status != SpeakStatus::Ok) return status;

    const std::optional<std::string> phrase = phraseNow(language);
    if (!phrase) return SpeakStatus::WordingFailed;
    status = language.engine.synthesize(*phrase, [&stream](std::span<const int16_t> samples) {
        return stream->write(samples) == SpeakStatus::Ok;
    });
    return status == SpeakStatus::Ok ? stream->drain() : status;
}

}  // namespace

int announceTime(const Language& language) {
    static std::mutex oneAtATime;
    const std::lock_guard lock(oneAtATime);
    try {
        return static_cast<int>(announce(language));
    } catch (...) {  // out of memory: nothing may unwind into the caller's C frame
        return static_cast<int>(SpeakStatus::SynthesisFailed);
    }
}

}  // namespace horalo::speech
