// The libraries as the program uses them: loaded from disk, Speak called, the
// sound heard on the monitor of a private PulseAudio null sink.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>
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

Heard speakAndListen(const LoadedSpeechLibrary& library, const MonitorRecorder& recorder) {
    const horalo::speech::ClockTime before = clockNow();
    const Clock::time_point called = Clock::now();
    const int code = library.speak();
    const Clock::time_point returned = Clock::now();
    // The phrase is over once half a second of silence follows it.
    return {code,     called,
            returned, recorder.speechAfter(called, milliseconds(500), std::chrono::seconds(10)),
            before,   clockNow()};
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

// How much what was heard sounds like `language` saying the time of the call
// (the minute may have turned during it).
double likenessTo(const Language& language, const Heard& heard) {
    return std::max(soundLikeness(heard.speech->samples, expectedSpeech(language, heard.before)),
                    soundLikeness(heard.speech->samples, expectedSpeech(language, heard.after)));
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

    static PrivateSoundServer* server_;
    static MonitorRecorder* recorder_;
    const LoadedSpeechLibrary eng_{kEng.path};
    const LoadedSpeechLibrary voice_{kVoice.path};
};

PrivateSoundServer* SpeakAloud::server_ = nullptr;
MonitorRecorder* SpeakAloud::recorder_ = nullptr;

}  // namespace

TEST_F(SpeakAloud, SpeechFollowsTheLeadInAndSpeakReturnsWhenItHasBeenHeard) {
    for (const auto& [library, subject] : {std::pair{&eng_, &kEng}, std::pair{&voice_, &kVoice}}) {
        const Heard heard = speakAndListen(*library, *recorder_);
        ASSERT_EQ(heard.code, 0) << library->errorText(heard.code);
        ASSERT_TRUE(heard.speech) << "nothing reached the sink";
        // All of the phrase, not only its start.
        EXPECT_GT(double(heard.speech->samples.size()),
                  0.97 * double(expectedLength(subject->language, heard)))
            << subject->path;
        // The lead-in comes first; a little slack for the monitor's timing.
        EXPECT_GT(heard.speech->start - heard.called, horalo::speech::kLeadIn - milliseconds(50));
        // Speak returns once the speech has been played, and not long after.
        EXPECT_LT(heard.speech->end, heard.returned + milliseconds(60));
        EXPECT_LT(heard.returned - heard.speech->end, milliseconds(500));
    }
}

TEST_F(SpeakAloud, LibrariesCalledInTurnEachSpeakTheirOwnLanguage) {
    for (int round = 0; round < 2; ++round)
        for (const auto& [library, own, other] :
             {std::tuple{&eng_, &kEng, &kVoice}, std::tuple{&voice_, &kVoice, &kEng}}) {
            const Heard heard = speakAndListen(*library, *recorder_);
            ASSERT_EQ(heard.code, 0) << library->errorText(heard.code);
            ASSERT_TRUE(heard.speech) << "round " << round << ": nothing reached the sink";
            EXPECT_GT(likenessTo(own->language, heard), 0.9) << own->path << ", round " << round;
            EXPECT_LT(likenessTo(other->language, heard), 0.5) << own->path << ", round " << round;
        }
}

TEST_F(SpeakAloud, ARestartedSoundServerIsFoundAgain) {
    ASSERT_EQ(speakAndListen(eng_, *recorder_).code, 0);
    delete recorder_;
    delete server_;
    server_ = new PrivateSoundServer;  // a new server at a new address
    ASSERT_TRUE(server_->running()) << server_->error().toStdString();
    recorder_ = new MonitorRecorder(PrivateSoundServer::kMonitor, PrivateSoundServer::kRate);
    const Heard heard = speakAndListen(eng_, *recorder_);
    EXPECT_EQ(heard.code, 0) << eng_.errorText(heard.code);
    EXPECT_TRUE(heard.speech) << "nothing reached the new server's sink";
}
