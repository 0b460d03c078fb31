#include "RussianStress.h"

#include <array>
#include <sstream>
#include <utility>

#include "RussianPhrase.h"

namespace horalo::speech {

namespace {

// espeak-ng reads "часа" as the genitive of "около ча́са" and "сорок" as if it
// were "соро́ка"; these are the dictionary forms, stressed where a Russian
// speaker says them.
const std::array<std::pair<std::string_view, std::string_view>, 2> kRestressed{{
    {"часа", "[[tS;as'a]]"},
    {"сорок", "[[s'orVk]]"},
}};

std::string restressed(const std::string& word) {
    for (const auto& [text, phonemes] : kRestressed)
        if (word == text) return std::string(phonemes);
    return word;
}

}  // namespace

std::string withDictionaryStress(const std::string& words) {
    std::istringstream in(words);
    std::string result;
    std::string token;
    while (in >> token) {
        const size_t end = token.find_last_not_of(".,");
        const std::string word = token.substr(0, end + 1);
        if (!result.empty()) result += ' ';
        result += restressed(word) + token.substr(end + 1);
    }
    return result;
}

std::optional<std::string> russianEngineText(int hour, int minute) {
    const std::optional<std::string> words = russianTimePhrase(hour, minute);
    return words ? std::optional(withDictionaryStress(*words)) : std::nullopt;
}

}  // namespace horalo::speech
