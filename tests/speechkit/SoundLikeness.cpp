#include "SoundLikeness.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr size_t kFrames = 64;  // about 25 ms each for a phrase: syllables show
// Runs of this many samples or more (2 ms at the sink's rate) where no sample
// reaches kSilence are cut out: the null sink plays digital silence wherever a
// player on a busy machine fell behind, and such a gap says nothing about the
// words around it. Pauses between words go the same way in both sounds.
constexpr size_t kGapRun = 44;
constexpr int kSilence = 64;

std::vector<int16_t> withoutGaps(const std::vector<int16_t>& samples) {
    std::vector<int16_t> sound;
    sound.reserve(samples.size());
    size_t quietFrom = 0;  // start of the quiet run that ends at the current sample
    for (size_t i = 0; i <= samples.size(); ++i) {
        if (i < samples.size() && std::abs(samples[i]) < kSilence) continue;
        const size_t quiet = i - quietFrom;
        const size_t keepFrom = quiet >= kGapRun ? i : quietFrom;
        sound.insert(sound.end(), samples.begin() + std::ptrdiff_t(keepFrom),
                     samples.begin() + std::ptrdiff_t(std::min(i + 1, samples.size())));
        quietFrom = i + 1;
    }
    return sound;
}

// Root-mean-square loudness of `frames` equal parts, less its mean.
std::vector<double> contour(const std::vector<int16_t>& samples) {
    std::vector<double> loudness(kFrames, 0);
    for (size_t f = 0; f < kFrames; ++f) {
        const size_t begin = samples.size() * f / kFrames;
        const size_t end = std::max(begin + 1, samples.size() * (f + 1) / kFrames);
        double sum = 0;
        for (size_t i = begin; i < end && i < samples.size(); ++i)
            sum += double(samples[i]) * samples[i];
        loudness[f] = std::sqrt(sum / double(end - begin));
    }
    double mean = 0;
    for (double l : loudness) mean += l / kFrames;
    for (double& l : loudness) l -= mean;
    return loudness;
}

}  // namespace

double soundLikeness(const std::vector<int16_t>& heardA, const std::vector<int16_t>& heardB) {
    const std::vector<int16_t> a = withoutGaps(heardA), b = withoutGaps(heardB);
    if (a.empty() || b.empty()) return 0;
    const std::vector<double> ca = contour(a), cb = contour(b);
    double ab = 0, aa = 0, bb = 0;
    for (size_t f = 0; f < kFrames; ++f) {
        ab += ca[f] * cb[f];
        aa += ca[f] * ca[f];
        bb += cb[f] * cb[f];
    }
    if (aa <= 0 || bb <= 0) return 0;
    const double lengths =
        double(std::min(a.size(), b.size())) / double(std::max(a.size(), b.size()));
    return lengths * ab / std::sqrt(aa * bb);
}

std::vector<int16_t> loudPart(const std::vector<int16_t>& samples, int level) {
    auto loud = [level](int16_t s) { return std::abs(s) >= level; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end()) return {};
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    return {first, last};
}

std::vector<int16_t> resampled(const std::vector<int16_t>& samples, int from, int to) {
    if (samples.empty() || from <= 0 || to <= 0) return {};
    std::vector<int16_t> result(samples.size() * size_t(to) / size_t(from));
    for (size_t i = 0; i < result.size(); ++i) {
        const double at = double(i) * from / to;
        const size_t left = std::min(size_t(at), samples.size() - 1);
        const size_t right = std::min(left + 1, samples.size() - 1);
        const double weight = at - double(left);
        result[i] = int16_t(std::lround(samples[left] * (1 - weight) + samples[right] * weight));
    }
    return result;
}
