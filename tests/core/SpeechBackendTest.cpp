#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "SpeechLog.h"
#include "core/SpeechBackend.h"

namespace {

struct Reports {
    QStringList messages;
    UserReport sink() {
        return [this](const QString& m) { messages.append(m); };
    }
};

void installRecordingLibraries(const QString& into) {
    for (const char* name : {"Eng", "Voice"}) {
        const QString file = speechLibraryFileName(QString::fromLatin1(name));
        ASSERT_TRUE(
            QFile::copy(QDir(recordingSpeechDir()).filePath(file), QDir(into).filePath(file)));
    }
}

}  // namespace

TEST(SpeechBackends, CallTheLibraryOfEachLanguage) {
    SpeechLog log;
    Reports reports;
    SpeechBackends speech(recordingSpeechDir(), reports.sink());
    EXPECT_TRUE(speech.Eng.Speak());
    EXPECT_TRUE(speech.Voice.Speak());
    EXPECT_TRUE(speech.Eng.Speak());
    EXPECT_EQ(log.calls(), (QStringList{u"Eng"_qs, u"Voice"_qs, u"Eng"_qs}));
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST(SpeechBackends, MissingLibraryIsReportedOnceAndFoundOnceInstalled) {
    SpeechLog log;
    QTemporaryDir dir;
    Reports reports;
    SpeechBackends speech(dir.path(), reports.sink());

    EXPECT_FALSE(speech.Voice.Speak());
    EXPECT_FALSE(speech.Voice.Speak());
    ASSERT_EQ(reports.messages.size(), 1);
    EXPECT_TRUE(reports.messages[0].contains(u"Russian speech is unavailable"));
    EXPECT_TRUE(reports.messages[0].contains(speechLibraryFileName(u"Voice"_qs)));

    EXPECT_FALSE(speech.Eng.Speak());  // the other language has its own report
    ASSERT_EQ(reports.messages.size(), 2);
    EXPECT_TRUE(reports.messages[1].contains(u"English speech is unavailable"));

    installRecordingLibraries(dir.path());
    EXPECT_TRUE(speech.Voice.Speak());
    EXPECT_TRUE(speech.Eng.Speak());
    EXPECT_EQ(log.calls(), (QStringList{u"Voice"_qs, u"Eng"_qs}));
    EXPECT_EQ(reports.messages.size(), 2);
}

TEST(SpeechBackends, LibraryWithoutSpeakIsReportedAndLetGo) {
    Reports reports;
    SpeechBackends speech(speechWithoutSpeakDir(), reports.sink());
    EXPECT_FALSE(speech.Eng.Speak());
    EXPECT_FALSE(speech.Eng.Speak());
    ASSERT_EQ(reports.messages.size(), 1);
    EXPECT_TRUE(reports.messages[0].contains(u"no Speak function"));
}

TEST(SpeechBackends, FailedSpeechNamesTheLibrarysReasonOnce) {
    SpeechLog log;
    Reports reports;
    SpeechBackends speech(recordingSpeechDir(), reports.sink());
    SpeechLog::setResult(1);
    EXPECT_FALSE(speech.Eng.Speak());
    EXPECT_FALSE(speech.Eng.Speak());
    ASSERT_EQ(reports.messages.size(), 1);
    EXPECT_TRUE(reports.messages[0].contains(u"no sound device (code 1)"));
    SpeechLog::setResult(0);
    EXPECT_TRUE(speech.Eng.Speak());
    EXPECT_EQ(log.calls().size(), 3);
}
