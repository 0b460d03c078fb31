#pragma once

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "SoundStream.h"
#include "SpeechEngine.h"

namespace horalo::speech {

// A phrase on its way: its stream open, its words still to be made.
struct Utterance {
    const Language* language = nullptr;
    std::string text;  // as the engine is given it
    std::unique_ptr<SoundStream> stream;
};

// A sleeping sound device wakes up on its first samples and swallows them;
// this much silence before the speech keeps the first word whole.
inline constexpr std::chrono::milliseconds kLeadIn{150};

// Longer than any phrase either library says, for a phrase not yet made.
inline constexpr std::chrono::seconds kLongestPhrase{5};

// What the process still waits for its last words beyond their own length
// once it ends: a stalled sound server holds it no longer than this.
inline constexpr std::chrono::seconds kEndGrace{3};

// The one player of the process, in the speech runtime that both speech
// libraries link: it makes and plays their phrases on one thread of its own,
// so that Speak returns at once and the program stays live while it talks.
//
// Phrases are heard whole, one after another in the order of the calls,
// whichever library made them. At most one phrase of each language waits: a
// later call in that language gives the waiting phrase its own, newer time, so
// a burst of calls is heard twice, not minutes long.
//
// When the thread starts, the player registers the wait for the last words
// with the process's exit: it runs before the static objects made until then
// are destroyed, and waits for what is in hand to be heard, no longer than
// kEndGrace beyond the end that speech should have had. Once that has passed
// (a stalled server), the process ends there, so that no thread of ours runs
// on through the rest of the exit. The player itself is never destroyed, and
// the runtime and the libraries are never unloaded (they are linked so), so
// neither the thread nor the wait ever meets an object or code that is gone.
class SpeechPlayer {
  public:
    static SpeechPlayer& ofProcess();

    // Held while an engine is used: the caller's thread readies it, the
    // player's makes the words.
    std::mutex& engineInUse() { return engineInUse_; }

    void play(Utterance utterance);

    // Why an earlier phrase of `language` could not be made or played to the
    // end, once; Ok if nothing failed since the last look.
    SpeakStatus takeLateFailure(const Language& language);

  private:
    SpeechPlayer() = default;
    void run();
    SpeakStatus playOne(Utterance& utterance);
    static void waitForLastWords(int exitStatus, void* player);

    // The length of the speech still to come, at most.
    std::chrono::steady_clock::duration inHand() const {
        return playing_ + kLongestPhrase * waiting_.size();
    }

    std::mutex engineInUse_;
    std::mutex mutex_;  // guards what follows
    std::condition_variable changed_;
    std::deque<Utterance> waiting_;
    std::chrono::steady_clock::duration playing_{};  // the length of the phrase heard now
    bool ending_ = false;
    bool finished_ = false;
    unsigned made_ = 0;  // phrases made so far
    std::map<const Language*, SpeakStatus> lateFailures_;
    pid_t process_ = 0;  // the one the thread runs in
    std::thread thread_;
};

}  // namespace horalo::speech
