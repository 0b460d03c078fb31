#include "NumberWords.h"

#include <array>

namespace {

const std::array<const char*, 20> kEnglishSmall = {
    "zero",     "one",     "two",     "three",     "four",     "five",    "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
const std::array<const char*, 6> kEnglishTens = {"", "", "twenty", "thirty", "forty", "fifty"};

const std::array<const char*, 20> kRussianSmall = {
    "ноль",       "один",        "два",        "три",          "четыре",
    "пять",       "шесть",       "семь",       "восемь",       "девять",
    "десять",     "одиннадцать", "двенадцать", "тринадцать",   "четырнадцать",
    "пятнадцать", "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"};
const std::array<const char*, 6> kRussianTens = {"",         "",      "двадцать",
                                                 "тридцать", "сорок", "пятьдесят"};

std::string russianUnit(int n, Gender gender) {
    if (gender == Gender::Feminine && n == 1) return "одна";
    if (gender == Gender::Feminine && n == 2) return "две";
    return kRussianSmall[n];
}

}  // namespace

std::string englishNumber(int n) {
    if (n < 20) return kEnglishSmall[n];
    const std::string tens = kEnglishTens[n / 10];
    return n % 10 ? tens + "-" + kEnglishSmall[n % 10] : tens;
}

std::string russianNumber(int n, Gender gender) {
    if (n < 10) return russianUnit(n, gender);
    if (n < 20) return kRussianSmall[n];
    const std::string tens = kRussianTens[n / 10];
    return n % 10 ? tens + " " + russianUnit(n % 10, gender) : tens;
}
