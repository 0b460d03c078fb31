#pragma once

#include <chrono>
#include <cstdint>

namespace horalo::speech {

// The order in which speech is heard, shared by every speech library in the
// process: both libraries play on threads of their own, and without one line a
// Russian phrase asked for while an English one plays would be heard over it.
// A phrase takes its place when Speak is called, so phrases are heard in the
// order of the calls, whichever library makes them.
//
// The libraries share no code or data, so the line lives in a small in-memory
// file that the first library to speak makes and the other finds among the
// process's open files. Where that fails, a library keeps a line of its own.
class SpeechLine {
  public:
    static SpeechLine& ofProcess();

    // A place behind everything already in the line.
    uint64_t join();
    // Waits until every place before `place` has left the line, or `deadline`
    // (a phrase stuck on a stalled sound server must not silence the others
    // for good).
    void waitForTurn(uint64_t place, std::chrono::steady_clock::time_point deadline);
    // The phrase at `place` has been played, or has given up.
    void leave(uint64_t place);

    struct Shared;

  private:
    explicit SpeechLine(Shared* shared) : shared_(shared) {}
    Shared* shared_;
};

}  // namespace horalo::speech
