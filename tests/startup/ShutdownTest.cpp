#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <csignal>

#include "StartUpFixture.h"

namespace {

// Notes the icon's removal among the speech calls.
class JournalTray final : public ManualTray {
  public:
    explicit JournalTray(SpeechLog& log) : log_(log) {}
    void remove() override {
        ManualTray::remove();
        log_.note(u"icon removed"_qs);
    }

  private:
    SpeechLog& log_;
};

}  // namespace

class Shutdown : public StartUp {};

// The icon goes first, then the four values are stored, then the farewell is
// said; the program ends once, however many ways the window is closed.
TEST_F(Shutdown, ExitStepRunsOnceInItsOrder) {
    JournalTray journal(log);
    Form1Instance program({time, ticker, speech, settings, journal, [this] { ++programEnds; }});
    stored({{u"Language", u"eng"}, {u"Interval", u"30 минут"}, {u"Logo", u"yes"}});
    Form1& form = program();
    form.ShowClockView();
    form.Комбо1.setEditText(u"60 минут"_qs);  // chosen, never applied
    qputenv("HORALO_SPEECH_WITNESS", settingsFile().toLocal8Bit());
    log.clear();

    form.esc.trigger();
    form.Комманда3.click();
    form.close();
    qunsetenv("HORALO_SPEECH_WITNESS");

    const QStringList calls = log.calls();
    ASSERT_EQ(calls.size(), 2) << qPrintable(calls.join(u'\n'));
    EXPECT_EQ(calls[0], u"icon removed");
    EXPECT_TRUE(calls[1].startsWith(u"Eng saw:"));
    for (const char* value : {"Language=eng", "Picture=ani", "logo=yes"})
        EXPECT_TRUE(calls[1].contains(QLatin1String(value))) << value;
    EXPECT_FALSE(calls[1].contains(u"Logo="));  // one spelling only
    EXPECT_EQ(storedNow(u"Interval"_qs), u"60 минут");
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(journal.shown);
}

// The real program, with the stand-in speech libraries and its settings in a
// folder of its own, started in the background.
class RealProgram {
  public:
    explicit RealProgram(const QString& language) {
        const QString program = dir_.filePath(u"horalo"_qs);
        EXPECT_TRUE(QFile::copy(QStringLiteral(HORALO_PROGRAM), program));
        for (const char* library : {"libEng.so", "libVoice.so"})
            EXPECT_TRUE(QFile::copy(QDir(recordingSpeechDir()).filePath(QLatin1String(library)),
                                    dir_.filePath(QLatin1String(library))));
        store(u"Language"_qs, language);
        store(u"Logo"_qs, u"no"_qs);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        env.insert(u"XDG_CONFIG_HOME"_qs, config());
        env.insert(u"XDG_RUNTIME_DIR"_qs, dir_.path());
        env.insert(u"HORALO_SPEECH_HOLD"_qs, holdFile());
        process.setProcessEnvironment(env);
        process.start(program, {});
        EXPECT_TRUE(process.waitForStarted(10000));
    }
    ~RealProgram() {
        QFile::remove(holdFile());
        process.kill();
        process.waitForFinished(10000);
    }
    QString config() const { return dir_.filePath(u"config"_qs); }
    // From now on each speech call holds the program's thread.
    void holdSpeech() {
        QFile file(holdFile());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // Sends SIGTERM and waits until the program has it: two sent together would
    // come as one.
    void askToEnd() {
        // An ended process has no id, and kill(0) would end the test's own group.
        ASSERT_GT(process.processId(), 0) << "the program has ended already";
        ::kill(pid_t(process.processId()), SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !sigtermPending(); }, 5000));
    }
    // Whether the program has ended, waiting up to `ms` for it.
    bool ended(int ms) {
        return process.state() == QProcess::NotRunning || process.waitForFinished(ms);
    }
    QProcess process;

  private:
    void store(const QString& key, const QString& value) {
        SettingsStore(config()).SaveSetting(u"Zef"_qs, u"Options"_qs, key, value);
    }
    bool sigtermPending() const {
        QFile status(u"/proc/%1/status"_qs.arg(process.processId()));
        if (!status.open(QIODevice::ReadOnly)) return false;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("ShdPnd:"))
                return line.mid(7).trimmed().toULongLong(nullptr, 16) & (1ULL << (SIGTERM - 1));
        return false;
    }
    QString holdFile() const { return dir_.filePath(u"hold"_qs); }
    QTemporaryDir dir_;
};

// The desktop ends the real program at logout with SIGTERM and at once SIGHUP
// (and Ctrl+C in its terminal adds SIGINT): the exit step runs once, the
// user's choices are kept and the program ends well.
TEST(ShutdownBySignal, LogoutsSignalsRunTheExitStepOnceAndKeepTheChoices) {
    SpeechLog log;
    RealProgram program(u"rus"_qs);
    QProcess& horalo = program.process;
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.calls().size() == 1; }, 20000));  // greeting
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::kill(pid_t(horalo.processId()), signal);
    ASSERT_TRUE(program.ended(20000));

    EXPECT_EQ(horalo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(horalo.exitCode(), 0);
    EXPECT_EQ(log.calls(), (QStringList{u"Voice"_qs, u"Voice"_qs}));
    SettingsStore kept(program.config());
    const auto value = [&](const char16_t* key) {
        return kept.GetSetting(u"Zef"_qs, u"Options"_qs, QString::fromUtf16(key), u"<absent>"_qs);
    };
    EXPECT_EQ(value(u"Language"), u"rus");
    EXPECT_EQ(value(u"Interval"), QString());
    EXPECT_EQ(value(u"Picture"), QString());
    EXPECT_EQ(value(u"Logo"), u"no");
}

// Requests within seconds of the first do not cut the farewell short, whether
// the program's thread has taken the first up or not yet; a program held up
// past that, its thread in a call that does not return, is not left deaf: the
// next request ends it at once.
TEST(ShutdownBySignal, ALaterRequestEndsAHeldProgramButEarlierOnesAreLetGo) {
    SpeechLog log;
    for (const bool heldInTheGreeting : {true, false}) {
        // A machine so busy that the farewell's call comes seconds after the
        // first request leaves no time for an early one: that round is not
        // judged, and is run again.
        for (int round = 1;; ++round) {
            log.clear();
            RealProgram program(u"eng"_qs);
            if (heldInTheGreeting) program.holdSpeech();
            EXPECT_TRUE(QTest::qWaitFor([&] { return log.calls().size() == 1; }, 20000));
            if (!heldInTheGreeting) program.holdSpeech();
            QElapsedTimer ending;
            ending.start();
            program.askToEnd();
            if (!heldInTheGreeting) {
                EXPECT_TRUE(QTest::qWaitFor([&] { return log.calls().size() == 2; }, 10000));
            }
            if (ending.elapsed() > 3000 && round < 3) continue;
            program.askToEnd();
            EXPECT_FALSE(program.ended(1000)) << "an early further request ended the program";
            QTest::qWait(int(std::max<qint64>(0, 5500 - ending.elapsed())));
            program.askToEnd();
            ASSERT_TRUE(program.ended(10000)) << "deaf while held up";
            EXPECT_EQ(program.process.exitStatus(), QProcess::CrashExit);
            break;
        }
    }
}
