#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "EnglishPhrase.h"
#include "EspeakEngine.h"
#include "FliteEngine.h"
#include "RussianStress.h"
#include "SoundLikeness.h"

namespace {

using horalo::speech::kEspeakRussian;
using horalo::speech::kFliteEnglish;
using horalo::speech::Pcm;
using horalo::speech::SpeakStatus;
using horalo::speech::SpeechEngine;

Pcm synthesized(const SpeechEngine& engine, const std::string& text) {
    Pcm pcm;
    EXPECT_EQ(horalo::speech::synthesizeInto(engine, text, pcm), SpeakStatus::Ok) << text;
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

TEST(Synthesis, BothLanguagesGiveAudibleSpeechOfPlausibleLengthAtTheRateTheyAnnounce) {
    const Pcm english = synthesized(kFliteEnglish, *horalo::speech::englishTimePhrase(13, 15));
    const Pcm russian = synthesized(kEspeakRussian, *horalo::speech::russianEngineText(22, 45));
    for (const auto& [engine, pcm] :
         {std::pair{&kFliteEnglish, &english}, std::pair{&kEspeakRussian, &russian}}) {
        int rate = 0;
        EXPECT_EQ(engine->start(rate), SpeakStatus::Ok);
        EXPECT_EQ(pcm->sampleRate, rate);
        EXPECT_GT(voicedShare(*pcm), 0.2);
    }
    // "It's one fifteen p.m." and "Двадцать два часа сорок пять минут." at a
    // speaking pace: the words in phoneme notation are spoken too.
    EXPECT_GT(seconds(english), 0.8);
    EXPECT_LT(seconds(english), 3.0);
    EXPECT_GT(seconds(russian), 1.6);
    EXPECT_LT(seconds(russian), 4.5);
}

TEST(Synthesis, EachEngineKeepsItsVoiceWhenTheyAlternate) {
    const std::string english = *horalo::speech::englishTimePhrase(9, 5);
    const std::string russian = *horalo::speech::russianEngineText(9, 5);
    const Pcm first = synthesized(kFliteEnglish, english);
    const Pcm firstRussian = synthesized(kEspeakRussian, russian);
    const Pcm again = synthesized(kFliteEnglish, english);
    const Pcm againRussian = synthesized(kEspeakRussian, russian);
    // flite's voice breathes a little noise of its own into each utterance.
    EXPECT_GT(soundLikeness(loud(first), loud(again)), 0.85);
    EXPECT_NEAR(seconds(again), seconds(first), 0.02 * seconds(first));
    EXPECT_GT(soundLikeness(loud(firstRussian), loud(againRussian)), 0.9);
    EXPECT_NEAR(seconds(againRussian), seconds(firstRussian), 0.02 * seconds(firstRussian));
    // The other voice is told apart, and so is the same phrase played with the
    // gaps a player held up on a busy machine leaves: a fifth of silence more,
    // in many short pieces.
    EXPECT_LT(soundLikeness(loud(first), loud(firstRussian)), 0.5);
    std::vector<int16_t> gapped = loud(firstRussian);
    for (size_t at = gapped.size() - 1; at > 2000; at -= 2000)
        gapped.insert(gapped.begin() + std::ptrdiff_t(at), 400, int16_t(0));
    EXPECT_GT(soundLikeness(loud(firstRussian), gapped), 0.95);
}

TEST(Synthesis, SpeechIsToldFromSilence) {
    Pcm pcm{std::vector<int16_t>(22050, 0), 22050};
    EXPECT_FALSE(horalo::speech::hasSpeech(pcm));
    pcm.samples[1000] = -4000;
    EXPECT_TRUE(horalo::speech::hasSpeech(pcm));
    EXPECT_FALSE(horalo::speech::hasSpeech(Pcm{}));
}
