#include "RussianPhrase.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "SpokenNumbers.h"

namespace horalo::speech {

namespace {

constexpr const char* kLocale = "ru";

// The forms of a noun after a numeral, by ICU's plural category.
struct CountedNoun {
    const char* one;   // 1, 21, 31: час, минута
    const char* few;   // 2-4, 22-24: часа, минуты
    const char* many;  // 0, 5-20, 25-30: часов, минут
    const char* ruleSet;
};

// Час is masculine, минута feminine: "один час", "одна минута", "две минуты".
const CountedNoun kHours{"час", "часа", "часов", "%spellout-cardinal-masculine"};
const CountedNoun kMinutes{"минута", "минуты", "минут", "%spellout-cardinal-feminine"};

std::optional<std::string> counted(const SpokenNumbers& numbers, int n, const CountedNoun& noun) {
    const std::optional<std::string> numeral = numbers.cardinal(n, noun.ruleSet);
    const std::optional<std::string> category = numbers.pluralCategory(n);
    if (!numeral || !category) return std::nullopt;
    const char* form = *category == "one" ? noun.one : *category == "few" ? noun.few : noun.many;
    return *numeral + " " + form;
}

std::string sentence(const std::string& words) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(words);
    icu::UnicodeString first(text, 0, 1);
    text.replace(0, 1, first.toUpper(icu::Locale(kLocale)));
    std::string result;
    return text.toUTF8String(result) + ".";
}

}  // namespace

std::optional<std::string> russianTimePhrase(int hour, int minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
    if (minute == 0 && hour == 0) return "Полночь.";
    if (minute == 0 && hour == 12) return "Полдень.";
    static const SpokenNumbers numbers(kLocale);
    const std::optional<std::string> hours = counted(numbers, hour, kHours);
    const std::optional<std::string> rest =
        minute == 0 ? std::optional<std::string>("ровно") : counted(numbers, minute, kMinutes);
    if (!hours || !rest) return std::nullopt;
    return sentence(*hours + " " + *rest);
}

}  // namespace horalo::speech
