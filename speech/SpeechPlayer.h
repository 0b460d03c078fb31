#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "SoundStream.h"
#include "SpeakStatus.h"

namespace horalo::speech {

// A phrase on its way: its stream open, and the words still to be made from
// the time read at the call.
struct Utterance {
    std::unique_ptr<SoundStream> stream;
    int sampleRate = 0;
    // Makes the words at `sampleRate` and adds them to the given sound; called
    // on the player's thread.
    std::function<SpeakStatus(std::vector<int16_t>& words)> makeWords;
};

// A sleeping sound device wakes up on its first samples and swallows them;
// this much silence before the speech keeps the first word whole.
inline constexpr std::chrono::milliseconds kLeadIn{150};

// Longer than any phrase either library says, for a phrase not yet made.
inline constexpr std::chrono::seconds kLongestPhrase{5};

// How long a phrase waits for another library's speech before it is played
// all the same: a phrase stuck on a stalled sound server must not silence the
// clock for good. Longer than everything the line can hold.
inline constexpr std::chrono::seconds kLongestTurnWait{4 * kLongestPhrase};

// What the process still waits for its last words beyond their own length
// once it ends: a stalled sound server holds it no longer than this.
inline constexpr std::chrono::seconds kEndGrace{3};

// Makes and plays a library's phrases on a thread of its own, so that Speak
// returns at once and the program stays live while it talks.
//
// Phrases are heard whole, one after another in the order of the calls (across
// both libraries, see SpeechLine). At most one phrase waits behind the one
// being heard: a later call takes the waiting phrase's place with its own,
// newer time, so a burst of calls is heard twice, not minutes long.
//
// The player is a static object of the library. Its end waits for what is in
// hand to be heard, which makes the farewell audible to its end before the
// process is gone, but no longer than kEndGrace beyond the end that speech
// should have had.
// The library stays loaded from its first phrase on, so that unloading it can
// never take the code from under the playing thread.
class SpeechPlayer {
  public:
    static SpeechPlayer& ofLibrary();

    SpeechPlayer() = default;
    ~SpeechPlayer();
    SpeechPlayer(const SpeechPlayer&) = delete;
    SpeechPlayer& operator=(const SpeechPlayer&) = delete;

    void play(Utterance utterance);

    // Why a phrase handed over earlier could not be made or played to the end,
    // once; Ok if nothing failed since the last look.
    SpeakStatus takeLateFailure();

  private:
    struct Queued {
        Utterance utterance;
        uint64_t place;  // in the process's SpeechLine
    };
    // Shared with the thread, which may outlive the player when the sound
    // server stalls at the end.
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        std::optional<Queued> waiting;
        std::chrono::steady_clock::duration playing{};  // the length of the phrase heard now
        bool ending = false;
        bool finished = false;
        unsigned made = 0;  // phrases made so far
        SpeakStatus lateFailure = SpeakStatus::Ok;

        // The length of the speech still to come, at most.
        std::chrono::steady_clock::duration inHand() const {
            return playing + (waiting ? kLongestPhrase : std::chrono::steady_clock::duration{});
        }
    };
    static void run(State& state);
    static SpeakStatus playInTurn(Queued& phrase, State& state);

    std::shared_ptr<State> state_ = std::make_shared<State>();
    std::thread thread_;
};

}  // namespace horalo::speech
