#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Records a sound server's monitor source (mono, 16 bit) on a thread of its
// own and keeps, for every sample, when it arrived. Times are steady_clock,
// which is CLOCK_MONOTONIC and so comparable between processes.
class MonitorRecorder {
  public:
    using Clock = std::chrono::steady_clock;

    // Sound louder than this (of 32767) counts as speech.
    static constexpr int kSpeechLevel = 1000;

    struct Speech {
        Clock::time_point start;       // arrival of the first sample above kSpeechLevel
        Clock::time_point end;         // arrival of the last one
        std::vector<int16_t> samples;  // from the first to the last
    };

    // Returns once the first samples have arrived: on an idle null sink, which
    // renders two seconds ahead, that takes up to two seconds.
    MonitorRecorder(const char* source, int rate);
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    bool recording() const { return ready_; }  // false if the source could not be opened

    // The speech that arrived between two moments, if any.
    std::optional<Speech> speechBetween(Clock::time_point from, Clock::time_point to) const;
    // The speech that arrived from `from` on, once `quiet` of silence has been
    // recorded after it; waits for that silence up to `timeout`. The silence is
    // counted in samples, not by the clock, so a recorder that a busy machine
    // holds up still hears the whole phrase, however late its end arrives.
    std::optional<Speech> speechAfter(Clock::time_point from, std::chrono::milliseconds quiet,
                                      std::chrono::milliseconds timeout) const;

  private:
    struct Chunk {
        size_t end;                 // index after its last sample
        Clock::time_point arrival;  // of its last sample
    };
    void record(const char* source);
    Clock::time_point arrivalOf(size_t index) const;  // call with mutex_ held
    // With mutex_ held: the speech that arrived between two moments, and how
    // many samples have been recorded after its last loud one.
    std::optional<Speech> speechIn(Clock::time_point from, Clock::time_point to,
                                   size_t& quietAfter) const;

    const int rate_;
    std::atomic<bool> ready_{false};
    std::atomic<bool> failed_{false};
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<int16_t> samples_;
    std::vector<Chunk> chunks_;
    std::thread thread_;
};
