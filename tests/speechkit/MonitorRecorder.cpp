#include "MonitorRecorder.h"

#include <pulse/simple.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr size_t kChunkSamples = 128;  // about 6 ms: the arrival times' resolution

}  // namespace

MonitorRecorder::MonitorRecorder(const char* source, int rate) : rate_(rate) {
    thread_ = std::thread([this, source] { record(source); });
    while (!ready_ && !failed_) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

MonitorRecorder::~MonitorRecorder() {
    stop_ = true;
    thread_.join();
}

void MonitorRecorder::record(const char* source) {
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, static_cast<uint32_t>(rate_), 1};
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.fragsize = kChunkSamples * sizeof(int16_t);
    pa_simple* stream = pa_simple_new(nullptr, "Horalo test recorder", PA_STREAM_RECORD, source,
                                      "monitor", &sampleFormat, nullptr, &attr, nullptr);
    if (!stream) {
        failed_ = true;
        return;
    }
    std::vector<int16_t> chunk(kChunkSamples);
    while (!stop_) {
        if (pa_simple_read(stream, chunk.data(), chunk.size() * sizeof(int16_t), nullptr) < 0)
            break;
        const Clock::time_point arrival = Clock::now();
        const std::lock_guard lock(mutex_);
        samples_.insert(samples_.end(), chunk.begin(), chunk.end());
        chunks_.push_back({samples_.size(), arrival});
        ready_ = true;
    }
    if (!ready_) failed_ = true;
    pa_simple_free(stream);
}

MonitorRecorder::Clock::time_point MonitorRecorder::arrivalOf(size_t index) const {
    const auto chunk = std::upper_bound(chunks_.begin(), chunks_.end(), index,
                                        [](size_t i, const Chunk& c) { return i < c.end; });
    const auto& c = chunk == chunks_.end() ? chunks_.back() : *chunk;
    const auto later = std::chrono::duration<double>(double(c.end - 1 - index) / rate_);
    return c.arrival - std::chrono::duration_cast<Clock::duration>(later);
}

std::optional<MonitorRecorder::Speech> MonitorRecorder::speechBetween(Clock::time_point from,
                                                                      Clock::time_point to) const {
    const std::lock_guard lock(mutex_);
    size_t quietAfter = 0;
    return speechIn(from, to, quietAfter);
}

std::optional<MonitorRecorder::Speech> MonitorRecorder::speechAfter(
    Clock::time_point from, std::chrono::milliseconds quiet,
    std::chrono::milliseconds timeout) const {
    const size_t quietSamples = size_t(quiet.count()) * size_t(rate_) / 1000;
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        {
            const std::lock_guard lock(mutex_);
            size_t quietAfter = 0;
            std::optional<Speech> speech = speechIn(from, Clock::time_point::max(), quietAfter);
            if ((speech && quietAfter >= quietSamples) || Clock::now() >= deadline) return speech;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::optional<MonitorRecorder::Speech> MonitorRecorder::speechIn(Clock::time_point from,
                                                                 Clock::time_point to,
                                                                 size_t& quietAfter) const {
    std::optional<size_t> first, last;
    for (size_t i = 0; i < samples_.size(); ++i) {
        if (std::abs(samples_[i]) < kSpeechLevel) continue;
        const Clock::time_point at = arrivalOf(i);
        if (at < from || at > to) continue;
        if (!first) first = i;
        last = i;
    }
    if (!first) return std::nullopt;
    quietAfter = samples_.size() - *last - 1;
    return Speech{arrivalOf(*first),
                  arrivalOf(*last),
                  {samples_.begin() + *first, samples_.begin() + *last + 1}};
}
