#pragma once

#include <QStringList>
#include <string>

// The words of `engineText` as espeak-ng's Russian voice says them, in IPA,
// one entry a word; words given in phoneme notation ([[...]]) come out as
// they will be spoken.
QStringList russianPhonemeWords(const std::string& engineText);
