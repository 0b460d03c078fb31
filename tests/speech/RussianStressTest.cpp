#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <set>

#include "EspeakPhonemes.h"
#include "RussianPhrase.h"
#include "RussianStress.h"

namespace {

// Every word of the Russian time of day with its stressed vowel marked by an
// acute accent (U+0301), as the dictionary has it; one-syllable words unmarked.
const char* const kDictionary[] = {
    "ноль",        "оди́н",        "одна́",         "два",          "две",          "три",
    "четы́ре",      "пять",        "шесть",        "семь",         "во́семь",       "де́вять",
    "де́сять",      "оди́ннадцать", "двена́дцать",   "трина́дцать",   "четы́рнадцать", "пятна́дцать",
    "шестна́дцать", "семна́дцать",  "восемна́дцать", "девятна́дцать", "два́дцать",     "три́дцать",
    "со́рок",       "пятьдеся́т",   "час",          "часа́",         "часо́в",        "мину́та",
    "мину́ты",      "мину́т",       "ро́вно",        "по́лночь",      "по́лдень",
};

const QString kCyrillicVowels = QStringLiteral("аеёиоуыэюя");
const QString kIpaVowels = QStringLiteral("aɑeɛiɪoɔuʊyɨʌəɐæɵ");
const QChar kAcute(0x0301);
const QChar kIpaStress(0x02C8);

// The syllable (from 0) that carries the stress, or -1 if none does.
int stressedSyllable(const QString& word, const QString& vowels, bool markFollows) {
    int syllables = 0;
    int stressed = -1;
    bool inVowel = false;
    for (const QChar c : word) {
        if (c == (markFollows ? kAcute : kIpaStress))
            stressed = markFollows ? syllables - 1 : syllables;
        const bool vowel = vowels.contains(c);
        if (vowel && !inVowel) ++syllables;
        inVowel = vowel;
    }
    return stressed < 0 && syllables == 1 ? 0 : stressed;
}

// The stressed syllable of each dictionary word, by its plain spelling.
std::map<QString, int> dictionaryStress() {
    std::map<QString, int> stress;
    for (const char* entry : kDictionary) {
        const QString word = QString::fromUtf8(entry);
        stress[QString(word).remove(kAcute)] = stressedSyllable(word, kCyrillicVowels, true);
    }
    return stress;
}

QStringList words(const std::string& phrase) {
    return QString::fromStdString(phrase).toLower().remove('.').split(' ', Qt::SkipEmptyParts);
}

}  // namespace

TEST(RussianStress, EveryWordOfEveryMinuteIsStressedAsInTheDictionary) {
    const std::map<QString, int> dictionary = dictionaryStress();
    std::set<std::string> wrong;
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; ++minute) {
            const QStringList written = words(*horalo::speech::russianTimePhrase(hour, minute));
            const QStringList said =
                russianPhonemeWords(*horalo::speech::russianEngineText(hour, minute));
            ASSERT_EQ(said.size(), written.size()) << said.join(' ').toStdString();
            for (qsizetype i = 0; i < written.size(); ++i) {
                const auto entry = dictionary.find(written[i]);
                ASSERT_NE(entry, dictionary.end()) << written[i].toStdString();
                if (stressedSyllable(said[i], kIpaVowels, false) != entry->second)
                    wrong.insert((written[i] + " as " + said[i]).toStdString());
            }
        }
    EXPECT_TRUE(wrong.empty()) << ::testing::PrintToString(wrong);
}

TEST(RussianStress, OnlyTheWordsEspeakMisreadsAreGivenAsPhonemes) {
    EXPECT_EQ(horalo::speech::withDictionaryStress("Двадцать два часа сорок пять минут."),
              "Двадцать два [[tS;as'a]] [[s'orVk]] пять минут.");
    EXPECT_EQ(horalo::speech::withDictionaryStress("Три часа ровно."), "Три [[tS;as'a]] ровно.");
}
