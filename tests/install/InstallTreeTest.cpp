#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "InstallTree.h"

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

TEST_F(Installed, HoldsTheProgramItsLibrariesIconsAndDesktopFilesAndNothingElse) {
    QStringList expected{
        "/etc/xdg/autostart/horalo.desktop",
        "/usr/bin/horalo",
        kLibDir + "/libEng.so",
        kLibDir + "/libVoice.so",
        "/usr/share/applications/horalo.desktop",
        "/usr/share/icons/hicolor/scalable/apps/horalo.svg",
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
    }
    const QString metainfo = tree->path("/usr/share/metainfo/org.horalo.horalo.metainfo.xml");
    const CommandResult check = runCommand("appstreamcli", {"validate", "--no-net", metainfo});
    EXPECT_TRUE(check.finished && check.exitCode == 0) << qPrintable(check.output);
    EXPECT_TRUE(
        textOf(metainfo).contains("<launchable type=\"desktop-id\">horalo.desktop</launchable>"));
}

}  // namespace
