#pragma once

#include <optional>
#include <string>

namespace horalo::speech {

// `words` as espeak-ng is given them: the words its Russian dictionary
// stresses wrongly in the time of day are written out in its phoneme notation
// ([[...]]); "часа́" after 2-4 hours and "со́рок" for the minutes 40-49. The
// rest stays text.
std::string withDictionaryStress(const std::string& words);

// The time of day as espeak-ng is given it: russianTimePhrase with the stress
// mended.
std::optional<std::string> russianEngineText(int hour, int minute);

}  // namespace horalo::speech
