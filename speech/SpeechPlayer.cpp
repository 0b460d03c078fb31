#include "SpeechPlayer.h"

#include <dlfcn.h>

#include <utility>

#include "SpeechLine.h"

namespace horalo::speech {

namespace {

using Clock = std::chrono::steady_clock;

// Unloading the library from now on leaves its code in place.
void stayLoaded() {
    Dl_info self{};
    if (dladdr(reinterpret_cast<void*>(&stayLoaded), &self) && self.dli_fname)
        dlopen(self.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

Clock::duration lengthOf(const std::vector<int16_t>& sound, int sampleRate) {
    return std::chrono::milliseconds(sound.size() * 1000 / size_t(sampleRate));
}

std::vector<int16_t> silence(int sampleRate, std::chrono::milliseconds length) {
    return std::vector<int16_t>(static_cast<size_t>(sampleRate * length.count() / 1000), 0);
}

}  // namespace

SpeechPlayer& SpeechPlayer::ofLibrary() {
    static SpeechPlayer player;
    return player;
}

// What is in hand is known better each time a phrase has been made: the
// thread tells of it, and the wait then runs to the end of what is left and
// kEndGrace from then. A stalled server makes no such progress.
SpeechPlayer::~SpeechPlayer() {
    if (!thread_.joinable()) return;
    std::unique_lock lock(state_->mutex);
    state_->ending = true;
    state_->changed.notify_all();
    Clock::time_point deadline = Clock::now() + state_->inHand() + kEndGrace;
    unsigned madeSoFar = state_->made;
    while (!state_->finished &&
           state_->changed.wait_until(lock, deadline) == std::cv_status::no_timeout)
        if (state_->made != madeSoFar) {
            madeSoFar = state_->made;
            deadline = Clock::now() + state_->inHand() + kEndGrace;
        }
    const bool heard = state_->finished;
    lock.unlock();
    // A thread stuck on a stalled server is left to the end of the process;
    // the library it runs in is never unloaded.
    if (heard)
        thread_.join();
    else
        thread_.detach();
}

void SpeechPlayer::play(Utterance utterance) {
    if (!thread_.joinable()) {
        stayLoaded();
        thread_ = std::thread([state = state_] { run(*state); });
    }
    Utterance replaced;  // closed once the lock is let go
    {
        const std::lock_guard lock(state_->mutex);
        if (state_->waiting)
            replaced = std::exchange(state_->waiting->utterance, std::move(utterance));
        else
            state_->waiting = Queued{std::move(utterance), SpeechLine::ofProcess().join()};
        state_->changed.notify_all();
    }
}

SpeakStatus SpeechPlayer::takeLateFailure() {
    const std::lock_guard lock(state_->mutex);
    return std::exchange(state_->lateFailure, SpeakStatus::Ok);
}

void SpeechPlayer::run(State& state) {
    std::unique_lock lock(state.mutex);
    for (;;) {
        state.changed.wait(lock, [&state] { return state.waiting || state.ending; });
        if (!state.waiting) break;
        Queued phrase = std::move(*state.waiting);
        state.waiting.reset();
        state.playing = kLongestPhrase;
        lock.unlock();
        const SpeakStatus status = playInTurn(phrase, state);
        lock.lock();
        state.playing = {};
        if (status != SpeakStatus::Ok) state.lateFailure = status;
    }
    state.finished = true;
    state.changed.notify_all();
}

// The words are made while the phrases before are heard. A phrase whose words
// failed still waits for its turn, so that the line keeps its order.
SpeakStatus SpeechPlayer::playInTurn(Queued& phrase, State& state) {
    Utterance& utterance = phrase.utterance;
    std::vector<int16_t> sound;
    SpeakStatus status = SpeakStatus::SynthesisFailed;
    try {
        sound = silence(utterance.sampleRate, kLeadIn);
        status = utterance.makeWords(sound);  // after the lead-in
    } catch (...) {  // out of memory: the thread must go on, and the line with it
    }
    if (status == SpeakStatus::Ok) {
        const std::lock_guard lock(state.mutex);
        state.playing = lengthOf(sound, utterance.sampleRate);
        ++state.made;
        state.changed.notify_all();
    }
    SpeechLine& line = SpeechLine::ofProcess();
    line.waitForTurn(phrase.place, Clock::now() + kLongestTurnWait);
    if (status == SpeakStatus::Ok) status = utterance.stream->write(sound);
    if (status == SpeakStatus::Ok) status = utterance.stream->drain();
    utterance.stream.reset();  // closed before the next phrase may start
    line.leave(phrase.place);
    return status;
}

}  // namespace horalo::speech
