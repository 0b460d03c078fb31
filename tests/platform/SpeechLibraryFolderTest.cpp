#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "SpeechLibrary.h"
#include "SpeechLibraryFolder.h"

namespace {

void touch(const QString& folder, const QString& baseName) {
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(speechLibraryFileName(baseName)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(SpeechLibraryFolder, BuildTreeUsesTheExecutablesFolderAnInstallItsPrivateFolder) {
    QTemporaryDir root;
    const QString bin = root.filePath("bin");
    QDir().mkpath(bin);
    const QString privateFolder = privateLibraryFolder(bin);
    EXPECT_TRUE(privateFolder.startsWith(root.path() + "/")) << qPrintable(privateFolder);
    EXPECT_TRUE(privateFolder.endsWith("/horalo")) << qPrintable(privateFolder);

    // Nothing anywhere: messages name the executable's folder.
    EXPECT_EQ(speechLibraryFolder(bin), bin);
    // An install whose libraries were removed: messages name where they belong.
    QDir().mkpath(privateFolder);
    EXPECT_EQ(speechLibraryFolder(bin), privateFolder);
    // An install with only the Russian library.
    touch(privateFolder, "Voice");
    EXPECT_EQ(speechLibraryFolder(bin), privateFolder);
    // A build tree: the libraries beside the program win.
    touch(bin, "Eng");
    EXPECT_EQ(speechLibraryFolder(bin), bin);
}

}  // namespace
