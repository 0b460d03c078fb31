#pragma once

#include <string>
#include <vector>

// `text` as the words a listener hears, lower case, space-separated:
// "It's nine oh five a.m." gives "it's nine oh five a m".
std::string spokenWords(const std::string& text);

// A transcription as the words it stands for: spokenWords, and spellings a
// listener cannot tell apart from the clock's words taken as those words
// ("am" for "a m", "o" for "oh", "for" for "four", "to" for "two").
std::string heardWords(const std::string& transcription);

struct WordScore {
    int edits = 0;  // words substituted, dropped or added
    int words = 0;  // words said
    int phrasesRight = 0;
    double wordErrorRate() const { return words ? double(edits) / words : 0; }
};

// How far each transcription in `heard` is from the words `said` at the same
// index.
WordScore wordScore(const std::vector<std::string>& said, const std::vector<std::string>& heard);
