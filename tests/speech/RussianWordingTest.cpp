#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "NumberWords.h"
#include "RussianPhrase.h"

namespace {

using horalo::speech::russianTimePhrase;

// The noun after a numeral, by the schoolbook rule: 1, 21 take the singular;
// 2-4, 22-24 the genitive singular; the rest, 11-14 included, the genitive plural.
const char* agreeing(int n, const char* one, const char* few, const char* many) {
    if (n % 10 == 1 && n % 100 != 11) return one;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) return few;
    return many;
}

std::string hours(int h) {
    return russianNumber(h, Gender::Masculine) + " " + agreeing(h, "час", "часа", "часов");
}

std::string minutes(int m) {
    return russianNumber(m, Gender::Feminine) + " " + agreeing(m, "минута", "минуты", "минут");
}

QString capitalised(const std::string& words) {
    QString text = QString::fromStdString(words);
    text[0] = text[0].toUpper();
    return text;
}

QString sentence(const std::string& words) {
    return capitalised(words) + ".";
}

QString phrase(int hour, int minute) {
    const auto text = russianTimePhrase(hour, minute);
    EXPECT_TRUE(text) << hour << ":" << minute;
    return QString::fromStdString(text.value_or(""));
}

}  // namespace

TEST(RussianWording, EveryMinuteIsOneSentenceOfCyrillicWords) {
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; ++minute) {
            const QString text = phrase(hour, minute);
            ASSERT_FALSE(text.isEmpty());
            EXPECT_TRUE(text[0].isUpper()) << text.toStdString();
            EXPECT_TRUE(text.endsWith('.')) << text.toStdString();
            for (const QChar c : text)
                EXPECT_TRUE(c == ' ' || c == '.' || c.script() == QChar::Script_Cyrillic)
                    << text.toStdString();
        }
}

TEST(RussianWording, HoursTakeMasculineNumeralsAndAgreeingNouns) {
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 1; minute < 60; ++minute)
            EXPECT_TRUE(phrase(hour, minute).startsWith(capitalised(hours(hour)) + " "))
                << phrase(hour, minute).toStdString();
    EXPECT_EQ(phrase(21, 5), "Двадцать один час пять минут.");
    EXPECT_EQ(phrase(22, 30), "Двадцать два часа тридцать минут.");
    EXPECT_EQ(phrase(13, 15), "Тринадцать часов пятнадцать минут.");
    EXPECT_EQ(phrase(11, 40), "Одиннадцать часов сорок минут.");
    EXPECT_EQ(phrase(0, 10), "Ноль часов десять минут.");
}

TEST(RussianWording, MinutesTakeFeminineNumeralsAndAgreeingNouns) {
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 1; minute < 60; ++minute)
            EXPECT_EQ(phrase(hour, minute), sentence(hours(hour) + " " + minutes(minute)));
    EXPECT_EQ(phrase(10, 1), "Десять часов одна минута.");
    EXPECT_EQ(phrase(10, 22), "Десять часов двадцать две минуты.");
    EXPECT_EQ(phrase(10, 11), "Десять часов одиннадцать минут.");
    EXPECT_EQ(phrase(10, 12), "Десять часов двенадцать минут.");
    EXPECT_EQ(phrase(10, 5), "Десять часов пять минут.");
}

TEST(RussianWording, FullHoursAreSaidExactlyAndMidnightAndNoonByName) {
    for (int hour = 1; hour < 24; ++hour) {
        if (hour == 12) continue;
        EXPECT_EQ(phrase(hour, 0), sentence(hours(hour) + " ровно"));
    }
    EXPECT_EQ(phrase(1, 0), "Один час ровно.");
    EXPECT_EQ(phrase(21, 0), "Двадцать один час ровно.");
    EXPECT_EQ(phrase(22, 0), "Двадцать два часа ровно.");
    EXPECT_EQ(phrase(0, 0), "Полночь.");
    EXPECT_EQ(phrase(12, 0), "Полдень.");
}

TEST(RussianWording, ImpossibleTimesAreRefused) {
    EXPECT_FALSE(russianTimePhrase(24, 0));
    EXPECT_FALSE(russianTimePhrase(-1, 30));
    EXPECT_FALSE(russianTimePhrase(12, 60));
}
