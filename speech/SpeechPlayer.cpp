#include "SpeechPlayer.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace horalo::speech {

namespace {

using Clock = std::chrono::steady_clock;

Clock::duration lengthOf(const Pcm& sound) {
    return std::chrono::milliseconds(sound.samples.size() * 1000 / size_t(sound.sampleRate));
}

std::vector<int16_t> silence(int sampleRate, std::chrono::milliseconds length) {
    return std::vector<int16_t>(static_cast<size_t>(sampleRate * length.count() / 1000), 0);
}

}  // namespace

// Never destroyed: the thread and the wait at the end use it to the last.
SpeechPlayer& SpeechPlayer::ofProcess() {
    static SpeechPlayer* const player = new SpeechPlayer;
    return *player;
}

void SpeechPlayer::play(Utterance utterance) {
    const std::lock_guard lock(mutex_);
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { run(); });
        process_ = getpid();
        on_exit(waitForLastWords, this);
    }
    const auto same = std::find_if(waiting_.begin(), waiting_.end(), [&](const Utterance& u) {
        return u.language == utterance.language;
    });
    if (same == waiting_.end())
        waiting_.push_back(std::move(utterance));
    else  // the replaced phrase's stream is closed once the lock is let go
        std::swap(*same, utterance);
    changed_.notify_all();
}

SpeakStatus SpeechPlayer::takeLateFailure(const Language& language) {
    const std::lock_guard lock(mutex_);
    return std::exchange(lateFailures_[&language], SpeakStatus::Ok);
}

void SpeechPlayer::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !waiting_.empty() || ending_; });
        if (waiting_.empty()) break;
        Utterance utterance = std::move(waiting_.front());
        waiting_.pop_front();
        playing_ = kLongestPhrase;
        lock.unlock();
        const SpeakStatus status = playOne(utterance);
        lock.lock();
        playing_ = {};
        if (status != SpeakStatus::Ok) lateFailures_[utterance.language] = status;
    }
    finished_ = true;
    changed_.notify_all();
}

SpeakStatus SpeechPlayer::playOne(Utterance& utterance) {
    Pcm words;
    SpeakStatus status = SpeakStatus::SynthesisFailed;
    try {
        const std::lock_guard engine(engineInUse_);
        status = synthesizeInto(utterance.language->engine, utterance.text, words);
    } catch (...) {  // out of memory: the thread must go on, and the phrases after with it
    }
    if (status == SpeakStatus::Ok) {
        const std::lock_guard lock(mutex_);
        playing_ = kLeadIn + lengthOf(words);
        ++made_;
        changed_.notify_all();
    }
    if (status == SpeakStatus::Ok)
        status = utterance.stream->write(silence(words.sampleRate, kLeadIn));
    if (status == SpeakStatus::Ok) status = utterance.stream->write(words.samples);
    if (status == SpeakStatus::Ok) status = utterance.stream->drain();
    utterance.stream.reset();  // closed before the next phrase starts
    return status;
}

// What is in hand is known better each time a phrase has been made: the
// thread tells of it, and the wait then runs to the end of what is left and
// kEndGrace from then. A stalled server makes no such progress.
void SpeechPlayer::waitForLastWords(int exitStatus, void* self) {
    SpeechPlayer& player = *static_cast<SpeechPlayer*>(self);
    if (getpid() != player.process_) return;  // a forked child, which has no such thread
    std::unique_lock lock(player.mutex_);
    player.ending_ = true;
    player.changed_.notify_all();
    Clock::time_point deadline = Clock::now() + player.inHand() + kEndGrace;
    unsigned madeSoFar = player.made_;
    while (!player.finished_ &&
           player.changed_.wait_until(lock, deadline) == std::cv_status::no_timeout)
        if (player.made_ != madeSoFar) {
            madeSoFar = player.made_;
            deadline = Clock::now() + player.inHand() + kEndGrace;
        }
    if (player.finished_) {
        lock.unlock();
        player.thread_.join();
        return;
    }
    std::fflush(nullptr);
    _exit(exitStatus);
}

}  // namespace horalo::speech
