#pragma once

#include <cstdint>
#include <vector>

// How alike two sounds are: the correlation of their loudness contours once
// their silent gaps are cut out and both are stretched to the same length, less
// the more their lengths differ. About 1 for the same words in the same voice,
// even spoken a little faster or slower or played with gaps; near 0 or below
// for other words or another voice.
double soundLikeness(const std::vector<int16_t>& a, const std::vector<int16_t>& b);

// The part of `samples` from its first sample above `level` to its last.
std::vector<int16_t> loudPart(const std::vector<int16_t>& samples, int level);

// `samples` taken at `from` Hz, as the same sound taken at `to` Hz (linear
// interpolation: enough for loudness contours).
std::vector<int16_t> resampled(const std::vector<int16_t>& samples, int from, int to);
