// The libraries as the program uses them: loaded from disk, Speak called, the
// sound heard on the monitor of a private PulseAudio null sink. Speak returns
// while its phrase is heard; phrases follow one another whole, in call order.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <tuple>
#include <utility>

#include "EnglishPhrase.h"
#include "EspeakEngine.h"
#include "FliteEngine.h"
#include "LoadedSpeechLibrary.h"
#include "LocalClock.h"
#include "MonitorRecorder.h"
#include "PrivateSoundServer.h"
#include "RussianStress.h"
#include "SoundLikeness.h"
#include "SpeakStatus.h"
#include "SpeechPlayer.h"
#include "TimeAnnouncer.h"

namespace {

using Clock = MonitorRecorder::Clock;
using horalo::speech::Language;
using std::chrono::milliseconds;

struct Subject {
    const char* path;
    Language language;
};

const Subject kEng{ENG_LIBRARY, {horalo::speech::kFliteEnglish, horalo::speech::englishTimePhrase}};
const Subject kVoice{VOICE_LIBRARY,
                     {horalo::speech::kEspeakRussian, horalo::speech::russianEngineText}};

struct Heard {
    int code;
    Clock::time_point called;
    Clock::time_point returned;
    std::optional<MonitorRecorder::Speech> speech;
    horalo::speech::ClockTime before, after;  // the clock, around the call
};

horalo::speech::ClockTime clockNow() {
    return horalo::speech::localClockTime().value_or(horalo::speech::ClockTime{0, 0});
}

// What reached the sink from `from` on, once the speech has ended. A phrase
// that waited for another may reach an idle null sink a good while after it
// (the sink asks for sound only every two seconds): the end is a longer
// silence than any such wait.
std::optional<MonitorRecorder::Speech> heardSince(const MonitorRecorder& recorder,
                                                  Clock::time_point from) {
    return recorder.speechAfter(from, milliseconds(2500), std::chrono::seconds(25));
}

Heard speakAndListen(const LoadedSpeechLibrary& library, const MonitorRecorder& recorder) {
    const horalo::speech::ClockTime before = clockNow();
    const Clock::time_point called = Clock::now();
    const int code = library.speak();
    const Clock::time_point returned = Clock::now();
    return {code, called, returned, heardSince(recorder, called), before, clockNow()};
}

// The phrase for `time` synthesized into memory, from its first loud sample to
// its last, at the sink's rate.
std::vector<int16_t> expectedSpeech(const Language& language, horalo::speech::ClockTime time) {
    horalo::speech::Pcm pcm;
    const auto text = language.engineText(time.hour, time.minute);
    if (!text || horalo::speech::synthesizeInto(language.engine, *text, pcm) !=
                     horalo::speech::SpeakStatus::Ok)
        return {};
    return resampled(loudPart(pcm.samples, MonitorRecorder::kSpeechLevel), pcm.sampleRate,
                     PrivateSoundServer::kRate);
}

// The length of the phrase said at the time of the call, as synthesized into memory.
size_t expectedLength(const Language& language, const Heard& heard) {
    const size_t heardLength = heard.speech->samples.size();
    const size_t before = expectedSpeech(language, heard.before).size();
    const size_t after = expectedSpeech(language, heard.after).size();
    auto off = [heardLength](size_t n) {
        return n > heardLength ? n - heardLength : heardLength - n;
    };
    return off(before) <= off(after) ? before : after;
}

// How much `samples` sound like `language` saying the time of either clock reading.
double likenessTo(const Language& language, const std::vector<int16_t>& samples,
                  horalo::speech::ClockTime before, horalo::speech::ClockTime after) {
    return std::max(soundLikeness(samples, expectedSpeech(language, before)),
                    soundLikeness(samples, expectedSpeech(language, after)));
}

// How much what was heard sounds like `language` saying the time of the call
// (the minute may have turned during it).
double likenessTo(const Language& language, const Heard& heard) {
    return likenessTo(language, heard.speech->samples, heard.before, heard.after);
}

// How many samples carry voice: gaps a busy machine leaves add none.
double voiced(const std::vector<int16_t>& samples) {
    return double(std::count_if(samples.begin(), samples.end(), [](int16_t s) {
        return std::abs(s) >= MonitorRecorder::kSpeechLevel;
    }));
}

std::chrono::duration<double> lengthOf(const std::vector<int16_t>& samples) {
    return std::chrono::duration<double>(double(samples.size()) / PrivateSoundServer::kRate);
}

// A process of its own that calls Speak of each of `libraries` once and ends at
// once, having unloaded the libraries if asked.
void speakOnceAndEnd(QProcess& child, QStringList libraries, bool unload) {
    if (unload) libraries << QStringLiteral("unload");
    child.start(QStringLiteral(SPEAK_ONCE), libraries);
}

class SpeakAloud : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        server_ = new PrivateSoundServer;
        if (server_->running())
            recorder_ =
                new MonitorRecorder(PrivateSoundServer::kMonitor, PrivateSoundServer::kRate);
    }
    static void TearDownTestSuite() {
        delete recorder_;
        delete server_;
    }
    void SetUp() override {
        ASSERT_TRUE(server_->running()) << server_->error().toStdString();
        ASSERT_TRUE(recorder_->recording());
        ASSERT_TRUE(eng_.loaded()) << eng_.error().toStdString();
        ASSERT_TRUE(voice_.loaded()) << voice_.error().toStdString();
    }

    static void restartServer() {
        delete recorder_;
        delete server_;
        server_ = new PrivateSoundServer;  // a new server at a new address
        ASSERT_TRUE(server_->running()) << server_->error().toStdString();
        recorder_ = new MonitorRecorder(PrivateSoundServer::kMonitor, PrivateSoundServer::kRate);
    }
    // Waits until speech reaches the sink after `from`.
    static bool speechBegins(Clock::time_point from) {
        return QTest::qWaitFor(
            [from] { return recorder_->speechBetween(from, Clock::now()).has_value(); }, 15000);
    }

    static PrivateSoundServer* server_;
    static MonitorRecorder* recorder_;
    const LoadedSpeechLibrary eng_{kEng.path};
    const LoadedSpeechLibrary voice_{kVoice.path};
};

PrivateSoundServer* SpeakAloud::server_ = nullptr;
MonitorRecorder* SpeakAloud::recorder_ = nullptr;

}  // namespace

TEST_F(SpeakAloud, SpeakReturnsWhileTheSpeechIsHeardWholeAfterTheLeadIn) {
    for (const auto& [library, subject] : {std::pair{&eng_, &kEng}, std::pair{&voice_, &kVoice}}) {
        const Heard heard = speakAndListen(*library, *recorder_);
        ASSERT_EQ(heard.code, 0);
        ASSERT_TRUE(heard.speech) << "nothing reached the sink";
        // All of the phrase, not only its start.
        EXPECT_GT(double(heard.speech->samples.size()),
                  0.97 * double(expectedLength(subject->language, heard)))
            << subject->path;
        // The lead-in comes first; a little slack for the monitor's timing.
        EXPECT_GT(heard.speech->start - heard.called, horalo::speech::kLeadIn - milliseconds(50));
        // Speak returns with the phrase made, long before it has been heard.
        EXPECT_LT(heard.returned, heard.speech->end - milliseconds(1000)) << subject->path;
    }
}

TEST_F(SpeakAloud, LibrariesCalledInTurnEachSpeakTheirOwnLanguage) {
    for (int round = 0; round < 2; ++round)
        for (const auto& [library, own, other] :
             {std::tuple{&eng_, &kEng, &kVoice}, std::tuple{&voice_, &kVoice, &kEng}}) {
            const Heard heard = speakAndListen(*library, *recorder_);
            ASSERT_EQ(heard.code, 0);
            ASSERT_TRUE(heard.speech) << "round " << round << ": nothing reached the sink";
            // A recording made on a busy machine loses a little likeness; the
            // other language stays far below.
            EXPECT_GT(likenessTo(own->language, heard), 0.8) << own->path << ", round " << round;
            EXPECT_LT(likenessTo(other->language, heard), 0.5) << own->path << ", round " << round;
        }
}

TEST_F(SpeakAloud, ARestartedSoundServerIsFoundAgain) {
    ASSERT_EQ(speakAndListen(eng_, *recorder_).code, 0);
    restartServer();
    const Heard heard = speakAndListen(eng_, *recorder_);
    EXPECT_EQ(heard.code, 0);
    EXPECT_TRUE(heard.speech) << "nothing reached the new server's sink";
}

TEST_F(SpeakAloud, CallsMadeWhileSpeechPlaysAreHeardAfterItInCallOrderEachWhole) {
    const horalo::speech::ClockTime before = clockNow();
    const Clock::time_point called = Clock::now();
    ASSERT_EQ(eng_.speak(), 0);
    ASSERT_EQ(voice_.speak(), 0);
    const std::optional<MonitorRecorder::Speech> speech = heardSince(*recorder_, called);
    const horalo::speech::ClockTime after = clockNow();
    ASSERT_TRUE(speech) << "nothing reached the sink";
    // The English phrase first, then the Russian one, not over each other:
    // what was heard sounds far more like the two in that order than the other
    // way round (the pause between them, not in the two said into memory, keeps
    // the likeness in that order well below 1)...
    const auto saidInTurn = [&speech](horalo::speech::ClockTime time, const Subject& first,
                                      const Subject& second) {
        std::vector<int16_t> both = expectedSpeech(first.language, time);
        const std::vector<int16_t> then = expectedSpeech(second.language, time);
        both.insert(both.end(), then.begin(), then.end());
        return soundLikeness(speech->samples, both);
    };
    EXPECT_GT(std::max(saidInTurn(before, kEng, kVoice), saidInTurn(after, kEng, kVoice)), 0.6);
    EXPECT_LT(std::max(saidInTurn(before, kVoice, kEng), saidInTurn(after, kVoice, kEng)), 0.3);
    // ... and each is heard whole: as much voice as the two have.
    const double expected = voiced(expectedSpeech(kEng.language, before)) +
                            voiced(expectedSpeech(kVoice.language, before));
    EXPECT_NEAR(voiced(speech->samples), expected, 0.1 * expected);
}

TEST_F(SpeakAloud, ABurstOfCallsQueuesNoMoreThanOnePhraseBehindTheOneHeard) {
    const horalo::speech::ClockTime before = clockNow();
    const Clock::time_point called = Clock::now();
    for (int press = 0; press < 5; ++press) ASSERT_EQ(eng_.speak(), 0);
    const Clock::time_point returned = Clock::now();
    const std::optional<MonitorRecorder::Speech> speech = heardSince(*recorder_, called);
    ASSERT_TRUE(speech) << "nothing reached the sink";
    EXPECT_LT(returned, speech->end);
    const double phrase = voiced(expectedSpeech(kEng.language, before));
    EXPECT_GT(voiced(speech->samples), 0.9 * phrase);
    EXPECT_LT(voiced(speech->samples), 2.2 * phrase);  // two at most
}

TEST_F(SpeakAloud, APhraseTheSoundServerCutShortIsReportedByTheNextCall) {
    const Clock::time_point called = Clock::now();
    ASSERT_EQ(eng_.speak(), 0);
    ASSERT_TRUE(speechBegins(called));
    restartServer();
    const Heard next = speakAndListen(eng_, *recorder_);
    EXPECT_EQ(next.code, static_cast<int>(horalo::speech::SpeakStatus::PlaybackFailed));
    EXPECT_TRUE(next.speech) << "the next call was not heard";
    EXPECT_EQ(speakAndListen(eng_, *recorder_).code, 0) << "the failure was reported twice";
}

// As the program does at its end, but with a phrase of each language in hand:
// the process ends while they are made and heard, both are heard whole before
// it is gone, whether the libraries were unloaded or not, and not much later.
// Built with the sanitizers, the process ends with their verdict.
TEST_F(SpeakAloud, AProcessEndingWhileItsPhrasesAreMadeEndsOnceBothHaveBeenHeard) {
    for (const bool unload : {false, true}) {
        const horalo::speech::ClockTime before = clockNow();
        const Clock::time_point called = Clock::now();
        QProcess child;
        speakOnceAndEnd(child, {VOICE_LIBRARY, ENG_LIBRARY}, unload);
        ASSERT_TRUE(child.waitForFinished(30000));
        const Clock::time_point ended = Clock::now();
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << "unload " << unload;
        EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString()
                                       << child.readAllStandardError().toStdString();
        const std::optional<MonitorRecorder::Speech> speech = heardSince(*recorder_, called);
        ASSERT_TRUE(speech) << "nothing reached the sink";
        const double expected = voiced(expectedSpeech(kVoice.language, before)) +
                                voiced(expectedSpeech(kEng.language, before));
        EXPECT_NEAR(voiced(speech->samples), expected, 0.1 * expected) << "unload " << unload;
        EXPECT_GT(ended, speech->end - milliseconds(100)) << "the process ended before its words";
        EXPECT_LT(ended - speech->end, milliseconds(1500));
    }
}

TEST_F(SpeakAloud, AStalledSoundServerHoldsAnEndingProcessForLittleMoreThanThePhrase) {
    const std::vector<int16_t> phrase = expectedSpeech(kEng.language, clockNow());
    const Clock::time_point called = Clock::now();
    QProcess child;
    speakOnceAndEnd(child, {ENG_LIBRARY}, false);
    ASSERT_TRUE(speechBegins(called));
    server_->stall(true);
    const Clock::time_point stalled = Clock::now();
    const bool ended = child.waitForFinished(20000);
    const Clock::duration held = Clock::now() - stalled;
    server_->stall(false);
    ASSERT_TRUE(ended);
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_LT(held, lengthOf(phrase) + horalo::speech::kLeadIn + horalo::speech::kEndGrace +
                        std::chrono::seconds(2));
}
