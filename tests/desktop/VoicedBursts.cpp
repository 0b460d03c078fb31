// voiced_bursts FILE RATE [parted]: reads a recording (raw, mono, 16 bit) and
// prints one line per burst of sound, bursts being parted by a second or more
// of quiet: how many of its samples are voiced (louder than speech's softest
// part). The same words in the same voice give the same count, however the
// machine's load spaced them out, and a phrase cut short gives fewer. With
// "parted", a burst still going at the recording's end is left out: a test
// waits on it for a sound to be over on the recording itself, which lags what
// the sound server reports by as much as the machine is busy.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
    const bool partedOnly = argc == 4 && std::strcmp(argv[3], "parted") == 0;
    if (argc != 3 && !partedOnly) {
        std::fprintf(stderr, "usage: voiced_bursts FILE RATE [parted]\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    const long quietGap = std::atol(argv[2]);  // a second of samples
    constexpr int kVoiced = 1000;              // of 32767
    long voiced = 0;
    long sinceVoiced = quietGap;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto sample = static_cast<int16_t>(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8);
        if (std::abs(sample) >= kVoiced) {
            ++voiced;
            sinceVoiced = 0;
        } else if (++sinceVoiced == quietGap && voiced > 0) {
            std::printf("%ld\n", voiced);
            voiced = 0;
        }
    }
    if (voiced > 0 && !partedOnly) std::printf("%ld\n", voiced);
    return 0;
}
