#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
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

// The desktop ends the real program with SIGTERM (logout, shutdown): the exit
// step runs once and the user's choices are kept.
TEST(ShutdownBySignal, SigtermRunsTheExitStepOnceAndKeepsTheChoices) {
    QTemporaryDir dir;
    const QString program = dir.filePath(u"horalo"_qs);
    ASSERT_TRUE(QFile::copy(QStringLiteral(HORALO_PROGRAM), program));
    for (const char* library : {"libEng.so", "libVoice.so"})
        ASSERT_TRUE(QFile::copy(QDir(recordingSpeechDir()).filePath(QLatin1String(library)),
                                dir.filePath(QLatin1String(library))));
    const QString config = dir.filePath(u"config"_qs);
    SettingsStore(config).SaveSetting(u"Zef"_qs, u"Options"_qs, u"Language"_qs, u"rus"_qs);
    SettingsStore(config).SaveSetting(u"Zef"_qs, u"Options"_qs, u"Logo"_qs, u"no"_qs);
    SpeechLog log;

    QProcess horalo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    env.insert(u"XDG_CONFIG_HOME"_qs, config);
    env.insert(u"XDG_RUNTIME_DIR"_qs, dir.path());
    horalo.setProcessEnvironment(env);
    horalo.start(program, {});
    ASSERT_TRUE(horalo.waitForStarted(10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.calls().size() == 1; }, 20000));  // greeting
    ::kill(pid_t(horalo.processId()), SIGTERM);
    ASSERT_TRUE(horalo.waitForFinished(20000));

    EXPECT_EQ(horalo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(horalo.exitCode(), 0);
    EXPECT_EQ(log.calls(), (QStringList{u"Voice"_qs, u"Voice"_qs}));
    SettingsStore kept(config);
    const auto value = [&](const char16_t* key) {
        return kept.GetSetting(u"Zef"_qs, u"Options"_qs, QString::fromUtf16(key), u"<absent>"_qs);
    };
    EXPECT_EQ(value(u"Language"), u"rus");
    EXPECT_EQ(value(u"Interval"), QString());
    EXPECT_EQ(value(u"Picture"), QString());
    EXPECT_EQ(value(u"Logo"), u"no");
}
