#include "WordError.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <numeric>
#include <sstream>

namespace {

std::vector<std::string> split(const std::string& words) {
    std::istringstream in(words);
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

// Word-level Levenshtein distance.
int edits(const std::vector<std::string>& said, const std::vector<std::string>& heard) {
    std::vector<int> row(heard.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (size_t i = 1; i <= said.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (size_t j = 1; j <= heard.size(); ++j) {
            const int substituted = diagonal + (said[i - 1] == heard[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({substituted, row[j] + 1, row[j - 1] + 1});
        }
    }
    return row.back();
}

}  // namespace

std::string spokenWords(const std::string& text) {
    std::string words;
    for (const char c : text) {
        if (c == '-' || c == '.')
            words += ' ';
        else if (c != ',')
            words += char(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string joined;
    for (const std::string& word : split(words)) joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

std::string heardWords(const std::string& transcription) {
    static const std::map<std::string, std::string> sameSound{
        {"am", "a m"}, {"pm", "p m"},  {"o", "oh"},    {"for", "four"},
        {"to", "two"}, {"too", "two"}, {"won", "one"}, {"ate", "eight"}};
    std::string words;
    for (const std::string& word : split(spokenWords(transcription))) {
        const auto same = sameSound.find(word);
        words += (words.empty() ? "" : " ") + (same == sameSound.end() ? word : same->second);
    }
    return words;
}

WordScore wordScore(const std::vector<std::string>& said, const std::vector<std::string>& heard) {
    WordScore score;
    for (size_t i = 0; i < said.size() && i < heard.size(); ++i) {
        const int wrong = edits(split(said[i]), split(heard[i]));
        score.edits += wrong;
        score.words += int(split(said[i]).size());
        score.phrasesRight += wrong == 0;
    }
    return score;
}
