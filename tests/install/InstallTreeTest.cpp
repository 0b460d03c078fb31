#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "InstallTree.h"
#include "MonitorRecorder.h"
#include "PrivateSoundServer.h"

namespace {

class Installed : public testing::Test {
  protected:
    static void SetUpTestSuite() { tree = new InstallTree; }
    static void TearDownTestSuite() { delete tree; }
    void SetUp() override { ASSERT_TRUE(tree->installed()) << qPrintable(tree->result().output); }
    static InstallTree* tree;
};
InstallTree* Installed::tree = nullptr;

const QString kLibDir = QStringLiteral("/usr/" HORALO_PRIVATE_LIBDIR);
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString iconFile(int size) {
    return QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/horalo.png").arg(size);
}

TEST_F(Installed, HoldsTheProgramItsLibrariesIconsDesktopFilesAndDocumentsAndNothingElse) {
    QStringList expected{
        "/etc/xdg/autostart/horalo.desktop",
        "/usr/bin/horalo",
        kLibDir + "/libEng.so",
        kLibDir + "/libHoraloSpeech.so",
        kLibDir + "/libVoice.so",
        "/usr/share/applications/horalo.desktop",
        "/usr/share/doc/horalo/changelog.gz",
        "/usr/share/doc/horalo/copyright",
        "/usr/share/icons/hicolor/scalable/apps/horalo.svg",
        "/usr/share/man/man1/horalo.1.gz",
        "/usr/share/metainfo/org.horalo.horalo.metainfo.xml",
    };
    for (const int size : kIconSizes) expected << iconFile(size);
    expected.sort();
    EXPECT_EQ(tree->files(), expected);

    EXPECT_TRUE(QFileInfo(tree->path("/usr/bin/horalo")).isExecutable());
    for (const int size : kIconSizes) {
        const QImage icon(tree->path(iconFile(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << qPrintable(iconFile(size));
        EXPECT_TRUE(icon.hasAlphaChannel()) << qPrintable(iconFile(size));
    }
}

QString textOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST_F(Installed, DesktopEntriesAndMetainfoValidateAndNameWhatIsInstalled) {
    for (const char* entry :
         {"/usr/share/applications/horalo.desktop", "/etc/xdg/autostart/horalo.desktop"}) {
        const CommandResult check = runCommand("desktop-file-validate", {tree->path(entry)});
        EXPECT_TRUE(check.finished && check.exitCode == 0 && check.output.isEmpty())
            << entry << ": " << qPrintable(check.output);
        const QString text = textOf(tree->path(entry));
        EXPECT_TRUE(text.contains("\nExec=horalo\n")) << entry;
        EXPECT_TRUE(text.contains("\nIcon=horalo\n")) << entry;
        // Docks, launchers and menus offer what the command line does.
        EXPECT_TRUE(text.contains("\nActions=say-time;show;\n")) << entry;
        EXPECT_TRUE(text.contains("\nExec=horalo --say-time\n")) << entry;
        EXPECT_TRUE(text.contains("\nExec=horalo --show\n")) << entry;
    }
    const QString metainfo = tree->path("/usr/share/metainfo/org.horalo.horalo.metainfo.xml");
    const CommandResult check = runCommand("appstreamcli", {"validate", "--no-net", metainfo});
    EXPECT_TRUE(check.finished && check.exitCode == 0) << qPrintable(check.output);
    EXPECT_TRUE(
        textOf(metainfo).contains("<launchable type=\"desktop-id\">horalo.desktop</launchable>"));
}

// The tree's program has no library beside it: what it says comes from the
// private library folder installed with it.
TEST_F(Installed, ProgramStartedFromTheTreeSpeaksThroughTheLibrariesInstalledWithIt) {
    const PrivateSoundServer sound;
    ASSERT_TRUE(sound.running()) << qPrintable(sound.error());
    const MonitorRecorder heard(PrivateSoundServer::kMonitor, PrivateSoundServer::kRate);
    ASSERT_TRUE(heard.recording());
    QTemporaryDir home;
    QDir(home.path()).mkpath("config");
    QFile settings(home.filePath("config/Zef.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Options]\nLanguage=eng\nLogo=no\n");
    settings.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", home.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    const auto started = MonitorRecorder::Clock::now();
    program.start(tree->path("/usr/bin/horalo"), {});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return heard.speechBetween(started, MonitorRecorder::Clock::now()).has_value(); },
        20000))
        << "the greeting was not heard";
    program.kill();
    program.waitForFinished(10000);
}

}  // namespace
