#pragma once

#include <optional>
#include <string>

namespace horalo::speech {

// The time of day as a Russian speaking clock says it, on the 24-hour clock,
// numerals and nouns in agreement (UTF-8): "Тринадцать часов пятнадцать
// минут.", "Двадцать один час одна минута.", "Двадцать два часа ровно.",
// "Полночь.", "Полдень.". nullopt for an impossible time or when ICU lacks its
// Russian data.
std::optional<std::string> russianTimePhrase(int hour, int minute);

}  // namespace horalo::speech
