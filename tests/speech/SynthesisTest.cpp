#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "EnglishPhrase.h"
#include "RussianPhrase.h"
#include "SoundLikeness.h"
#include "SpeechEngine.h"

namespace {

using horalo::speech::Pcm;
using horalo::speech::SpeakStatus;
using horalo::speech::VoiceSpec;

const VoiceSpec kEnglish{"en", "en_dict"};
const VoiceSpec kRussian{"ru", "ru_dict"};

Pcm synthesized(const VoiceSpec& voice, const std::string& text) {
    Pcm pcm;
    EXPECT_EQ(horalo::speech::synthesize(voice, text, pcm), SpeakStatus::Ok) << text;
    return pcm;
}

std::vector<int16_t> loud(const Pcm& pcm) {
    return loudPart(pcm.samples, 1000);
}

double seconds(const Pcm& pcm) {
    return double(pcm.samples.size()) / pcm.sampleRate;
}

// The share of samples a listener hears as voice rather than pause.
double voicedShare(const Pcm& pcm) {
    const auto loud = std::count_if(pcm.samples.begin(), pcm.samples.end(),
                                    [](int16_t s) { return std::abs(s) >= 1000; });
    return double(loud) / double(pcm.samples.size());
}

}  // namespace

TEST(Synthesis, BothLanguagesGiveAudibleSpeechOfPlausibleLength) {
    const Pcm english = synthesized(kEnglish, *horalo::speech::englishTimePhrase(13, 15));
    const Pcm russian = synthesized(kRussian, *horalo::speech::russianTimePhrase(13, 15));
    for (const Pcm* pcm : {&english, &russian}) {
        EXPECT_EQ(pcm->sampleRate, 22050);
        EXPECT_GT(voicedShare(*pcm), 0.2);
    }
    // "It's one fifteen p.m." and "Тринадцать часов пятнадцать минут." at a speaking pace.
    EXPECT_GT(seconds(english), 0.8);
    EXPECT_LT(seconds(english), 3.0);
    EXPECT_GT(seconds(russian), 1.2);
    EXPECT_LT(seconds(russian), 4.5);
    EXPECT_GT(seconds(russian), seconds(english) * 1.2);
}

TEST(Synthesis, EachUtteranceIsInTheVoiceAskedForEvenWhenVoicesAlternate) {
    const std::string text = *horalo::speech::englishTimePhrase(9, 5);
    const Pcm first = synthesized(kEnglish, text);
    const Pcm russianReading = synthesized(kRussian, text);
    const Pcm again = synthesized(kEnglish, text);
    EXPECT_GT(soundLikeness(loud(first), loud(again)), 0.9);
    EXPECT_LT(soundLikeness(loud(again), loud(russianReading)), 0.5);
    // The voice before must not change the pace: Russian speaks a little slower.
    EXPECT_NEAR(seconds(again), seconds(first), 0.02 * seconds(first));
}

TEST(Synthesis, SpeechIsToldFromSilence) {
    Pcm pcm{std::vector<int16_t>(22050, 0), 22050};
    EXPECT_FALSE(horalo::speech::hasSpeech(pcm));
    pcm.samples[1000] = -4000;
    EXPECT_TRUE(horalo::speech::hasSpeech(pcm));
    EXPECT_FALSE(horalo::speech::hasSpeech(Pcm{}));
}
