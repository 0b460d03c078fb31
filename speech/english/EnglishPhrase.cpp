#include "EnglishPhrase.h"

#include "SpokenNumbers.h"

namespace horalo::speech {

namespace {

constexpr const char* kCardinal = "%spellout-cardinal";

// " oh five", " fifteen"; nothing on the hour, where "six a.m." says it all.
std::optional<std::string> minuteWords(const SpokenNumbers& numbers, int minute) {
    if (minute == 0) return "";
    std::optional<std::string> words = numbers.cardinal(minute, kCardinal);
    if (words) return (minute < 10 ? " oh " : " ") + *words;
    return words;
}

}  // namespace

std::optional<std::string> englishTimePhrase(int hour, int minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
    if (minute == 0 && hour == 0) return "It's midnight.";
    if (minute == 0 && hour == 12) return "It's noon.";
    static const SpokenNumbers numbers("en");
    const std::optional<std::string> hourWords =
        numbers.cardinal(hour % 12 ? hour % 12 : 12, kCardinal);
    const std::optional<std::string> rest = minuteWords(numbers, minute);
    if (!hourWords || !rest) return std::nullopt;
    // flite reads the dotted abbreviations letter by letter, "ay em" and "pee em".
    return "It's " + *hourWords + *rest + (hour < 12 ? " a.m." : " p.m.");
}

}  // namespace horalo::speech
