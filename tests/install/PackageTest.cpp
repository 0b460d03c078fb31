#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include "InstallTree.h"

namespace {

QString field(const QString& deb, const QString& name) {
    return runCommand("dpkg-deb", {"--field", deb, name}).output.trimmed();
}

// Package names of a Depends field, alternatives and version limits dropped.
QSet<QString> packageNames(const QString& depends) {
    QSet<QString> names;
    for (const QString& item : depends.split(QRegularExpression("[,|]"), Qt::SkipEmptyParts))
        names << item.trimmed().section(' ', 0, 0);
    return names;
}

// The files (not folders) of the package, as absolute paths, sorted; every
// entry must belong to root.
QStringList contents(const QString& deb) {
    QStringList files;
    const QString listing = runCommand("dpkg-deb", {"--contents", deb}).output;
    for (const QString& line : listing.split('\n', Qt::SkipEmptyParts)) {
        const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
        EXPECT_EQ(columns.value(1), "root/root") << qPrintable(line);
        if (!line.startsWith('d')) files << columns.last().mid(1);
    }
    files.sort();
    return files;
}

// One package build serves every check: it is the slow part.
TEST(DebianPackage, DescribesItselfListsItsDependenciesAndHoldsWhatTheInstallRulesInstall) {
    QTemporaryDir out;
    const CommandResult built = runCommand(
        CPACK_COMMAND,
        {"-G", "DEB", "--config", HORALO_BUILD_DIR "/CPackConfig.cmake", "-B", out.path()},
        QProcessEnvironment::systemEnvironment(), 110000);
    ASSERT_TRUE(built.finished && built.exitCode == 0) << qPrintable(built.output);
    const QStringList debs = QDir(out.path()).entryList({"horalo_*.deb"});
    ASSERT_EQ(debs.size(), 1) << qPrintable(built.output);
    const QString deb = QDir(out.path()).filePath(debs.first());

    const QString arch = runCommand("dpkg", {"--print-architecture"}).output.trimmed();
    EXPECT_EQ(debs.first(), QStringLiteral("horalo_%1_%2.deb").arg(HORALO_VERSION, arch));
    EXPECT_EQ(field(deb, "Package"), "horalo");
    EXPECT_EQ(field(deb, "Version"), HORALO_VERSION);
    EXPECT_EQ(field(deb, "Section"), "utils");
    EXPECT_TRUE(field(deb, "Maintainer").contains("Horalo"));
    EXPECT_TRUE(field(deb, "Description").startsWith("talking clock"));
    const QSet<QString> depends = packageNames(field(deb, "Depends"));
    for (const char* needed : {"libqt6widgets6", "qt6-qpa-plugins", "qt6-wayland", "libespeak-ng1",
                               "espeak-ng-data", "libpulse0", "libicu72"})
        EXPECT_TRUE(depends.contains(needed)) << needed << " missing from Depends";

    // An administrator's change to the system's autostart entry survives upgrades.
    EXPECT_EQ(runCommand("dpkg-deb", {"--info", deb, "conffiles"}).output.trimmed(),
              "/etc/xdg/autostart/horalo.desktop");

    const InstallTree tree;
    ASSERT_TRUE(tree.installed()) << qPrintable(tree.result().output);
    EXPECT_EQ(contents(deb), tree.files());
}

}  // namespace
