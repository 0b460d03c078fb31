#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "EnglishPhrase.h"
#include "FlitePronunciation.h"
#include "NumberWords.h"

namespace {

using horalo::speech::englishTimePhrase;

std::string phrase(int hour, int minute) {
    const auto text = englishTimePhrase(hour, minute);
    EXPECT_TRUE(text) << hour << ":" << minute;
    return text.value_or("");
}

bool isNoonOrMidnight(int hour, int minute) {
    return minute == 0 && (hour == 0 || hour == 12);
}

// Runs `check` for every minute of the day except noon and midnight.
template <typename Check>
void forEveryOrdinaryMinute(Check check) {
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; ++minute)
            if (!isNoonOrMidnight(hour, minute)) check(hour, minute, phrase(hour, minute));
}

std::string hourOnTwelveHourClock(int hour) {
    return englishNumber(hour % 12 ? hour % 12 : 12);
}

std::string halfOfDay(int hour) {
    return hour < 12 ? " a.m." : " p.m.";
}

}  // namespace

TEST(EnglishWording, EveryMinuteIsOneSentenceOfWords) {
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; ++minute) {
            const std::string text = phrase(hour, minute);
            EXPECT_EQ(text.rfind("It's ", 0), 0u) << text;
            EXPECT_EQ(text.back(), '.') << text;
            EXPECT_TRUE(std::none_of(text.begin(), text.end(), ::isdigit)) << text;
        }
}

TEST(EnglishWording, HoursRunOnTheTwelveHourClock) {
    forEveryOrdinaryMinute([](int hour, int minute, const std::string& text) {
        const std::string start = "It's " + hourOnTwelveHourClock(hour) + " ";
        EXPECT_EQ(text.rfind(start, 0), 0u) << hour << ":" << minute << " " << text;
        const std::string end = halfOfDay(hour);
        EXPECT_EQ(text.compare(text.size() - end.size(), end.size(), end), 0) << text;
    });
    EXPECT_EQ(phrase(0, 15), "It's twelve fifteen a.m.");
    EXPECT_EQ(phrase(11, 59), "It's eleven fifty-nine a.m.");
    EXPECT_EQ(phrase(12, 30), "It's twelve thirty p.m.");
    EXPECT_EQ(phrase(13, 15), "It's one fifteen p.m.");
    EXPECT_EQ(phrase(23, 45), "It's eleven forty-five p.m.");
}

TEST(EnglishWording, MinutesAreSaidAsOnAClockFaceWithOhBeforeSingleDigits) {
    forEveryOrdinaryMinute([](int hour, int minute, const std::string& text) {
        if (minute == 0) return;
        const std::string said =
            minute < 10 ? "oh " + englishNumber(minute) : englishNumber(minute);
        EXPECT_EQ(text, "It's " + hourOnTwelveHourClock(hour) + " " + said + halfOfDay(hour));
    });
    EXPECT_EQ(phrase(9, 5), "It's nine oh five a.m.");
    EXPECT_EQ(phrase(0, 1), "It's twelve oh one a.m.");
    EXPECT_EQ(phrase(21, 10), "It's nine ten p.m.");
}

TEST(EnglishWording, FullHoursSayTheHourAndNoonAndMidnightByName) {
    for (int hour = 0; hour < 24; ++hour) {
        if (hour == 0 || hour == 12) continue;
        EXPECT_EQ(phrase(hour, 0), "It's " + hourOnTwelveHourClock(hour) + halfOfDay(hour));
    }
    EXPECT_EQ(phrase(6, 0), "It's six a.m.");
    EXPECT_EQ(phrase(18, 0), "It's six p.m.");
    EXPECT_EQ(phrase(0, 0), "It's midnight.");
    EXPECT_EQ(phrase(12, 0), "It's noon.");
}

// What flite makes of the text is what a listener hears: the dotted
// abbreviations said letter by letter, "oh" and "it's" as words, every number
// whole. The plain spelling of those words is the reference.
TEST(EnglishWording, FliteSaysEveryPhraseAsThePlainWords) {
    auto plain = [](std::string words) {
        std::replace(words.begin(), words.end(), '-', ' ');
        return words;
    };
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; ++minute) {
            if (isNoonOrMidnight(hour, minute)) continue;
            const std::string said =
                minute == 0 ? "" : (minute < 10 ? " oh " : " ") + plain(englishNumber(minute));
            const std::string words = "it's " + plain(hourOnTwelveHourClock(hour)) + said +
                                      (hour < 12 ? " ay em" : " pee em");
            EXPECT_EQ(flitePronunciation(phrase(hour, minute)), flitePronunciation(words))
                << phrase(hour, minute);
        }
    EXPECT_EQ(flitePronunciation(phrase(12, 0)), flitePronunciation("it's noon"));
    EXPECT_EQ(flitePronunciation(phrase(0, 0)), flitePronunciation("it's midnight"));
    EXPECT_EQ(flitePronunciation(phrase(9, 5)), "ih t s n ay n ow f ay v ey eh m");
}

TEST(EnglishWording, ImpossibleTimesAreRefused) {
    EXPECT_FALSE(englishTimePhrase(24, 0));
    EXPECT_FALSE(englishTimePhrase(-1, 30));
    EXPECT_FALSE(englishTimePhrase(12, 60));
    EXPECT_FALSE(englishTimePhrase(12, -1));
}
