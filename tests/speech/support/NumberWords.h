#pragma once

#include <string>

// Numbers 0..59 in words, written out here by hand so that the wording tests
// do not take ICU's word for it.
std::string englishNumber(int n);  // "twenty-one"

enum class Gender { Masculine, Feminine };
std::string russianNumber(int n, Gender gender);  // "двадцать одна"
