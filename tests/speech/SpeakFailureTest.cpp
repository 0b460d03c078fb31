// Speak when something it needs is missing: it returns the matching code, and
// soon, instead of hanging the program's only thread.
#include <espeak-ng/espeak_ng.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "LoadedSpeechLibrary.h"
#include "PrivateSoundServer.h"
#include "ScopedEnvironment.h"
#include "SpeakStatus.h"

namespace {

using horalo::speech::SpeakStatus;

const char* const kLibraries[] = {ENG_LIBRARY, VOICE_LIBRARY};

// Long enough for the one-second wait on a sound server; a hang lasts far longer.
constexpr qint64 kPromptlyMs = 5000;

// A socket that takes connections into its backlog and never answers them,
// as a hung sound server does.
class SilentSocket {
  public:
    explicit SilentSocket(const QString& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        qstrncpy(address.sun_path, name.constData(), sizeof(address.sun_path));
        listening_ = fd_ >= 0 &&
                     bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                     listen(fd_, 16) == 0;
    }
    ~SilentSocket() {
        if (fd_ >= 0) close(fd_);
    }
    SilentSocket(const SilentSocket&) = delete;
    SilentSocket& operator=(const SilentSocket&) = delete;
    bool listening() const { return listening_; }

  private:
    int fd_;
    bool listening_ = false;
};

void expectPromptNoSoundDevice() {
    for (const char* path : kLibraries) {
        const LoadedSpeechLibrary library(path);
        ASSERT_TRUE(library.loaded()) << library.error().toStdString();
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(library.speak(), static_cast<int>(SpeakStatus::NoSoundDevice)) << path;
        EXPECT_LT(timer.elapsed(), kPromptlyMs) << path;
    }
}

// Runs Speak of `library` in a process of its own, whose espeak-ng reads its
// data from `dataPath`; gives Speak's code.
int speakOnceWithData(const char* library, const QString& dataPath) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ESPEAK_DATA_PATH"), dataPath);
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(SPEAK_ONCE), {QString::fromUtf8(library)});
    if (!child.waitForFinished(30000)) return -1;
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

// espeak-ng's installed data folder.
QString installedVoiceData() {
    espeak_ng_InitializePath(nullptr);
    const char* path = nullptr;
    espeak_Info(&path);
    return QString::fromUtf8(path);
}

// A copy of the installed data (as links) without the files named.
bool linkVoiceDataWithout(const QString& folder, const QStringList& left_out) {
    const QDir installed(installedVoiceData());
    for (const QString& entry : installed.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (!left_out.contains(entry) &&
            !QFile::link(installed.filePath(entry), QDir(folder).filePath(entry)))
            return false;
    return true;
}

}  // namespace

TEST(SpeakWithoutSound, NoSoundServerAndNoDeviceGiveNoSoundDevicePromptly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile emptyAlsaConfiguration(dir.filePath(QStringLiteral("asound.conf")));
    ASSERT_TRUE(emptyAlsaConfiguration.open(QIODevice::WriteOnly));
    ScopedEnvironment environment;
    environment.set("PULSE_SERVER", "unix:" + QFile::encodeName(dir.filePath("none")));
    // Without a server the libraries fall back to ALSA; this machine's cards stay out of it.
    environment.set("ALSA_CONFIG_PATH", QFile::encodeName(emptyAlsaConfiguration.fileName()));
    expectPromptNoSoundDevice();
}

TEST(SpeakWithoutSound, AHungSoundServerGivesNoSoundDeviceInsteadOfAHang) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const SilentSocket server(dir.filePath(QStringLiteral("native")));
    ASSERT_TRUE(server.listening());
    ScopedEnvironment environment;
    environment.set("PULSE_SERVER", "unix:" + QFile::encodeName(dir.filePath("native")));
    expectPromptNoSoundDevice();
}

TEST(SpeakWithoutVoiceData, WithoutEspeakDataOnlyTheRussianLibraryStops) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const PrivateSoundServer server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    EXPECT_EQ(speakOnceWithData(VOICE_LIBRARY, empty.path()),
              static_cast<int>(SpeakStatus::VoiceDataMissing));
    // English speaks through flite, whose voice is built in.
    EXPECT_EQ(speakOnceWithData(ENG_LIBRARY, empty.path()), static_cast<int>(SpeakStatus::Ok));
}

TEST(SpeakWithoutVoiceData, AMissingRussianDictionaryGivesVoiceDataMissing) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    ASSERT_TRUE(linkVoiceDataWithout(data.path(), {QStringLiteral("ru_dict")}));
    const PrivateSoundServer server;
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    EXPECT_EQ(speakOnceWithData(VOICE_LIBRARY, data.path()),
              static_cast<int>(SpeakStatus::VoiceDataMissing));
}
