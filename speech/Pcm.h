#pragma once

#include <cstdint>
#include <vector>

namespace horalo::speech {

// Mono 16-bit sound.
struct Pcm {
    std::vector<int16_t> samples;
    int sampleRate = 0;
};

}  // namespace horalo::speech
