#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

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

// What apt show prints: a synopsis that completes "horalo is a ...", then
// paragraphs of a description.
void expectReadableDescription(const QString& description) {
    const QString synopsis = description.section('\n', 0, 0);
    EXPECT_LT(synopsis.size(), 80) << qPrintable(synopsis);
    EXPECT_TRUE(synopsis.startsWith("talking clock")) << qPrintable(synopsis);
    const QStringList lines = description.split('\n').mid(1);
    EXPECT_GE(lines.size(), 4) << "no extended description";
    for (const QString& line : lines) {
        EXPECT_TRUE(line.startsWith(' ')) << qPrintable(line);
        EXPECT_LE(line.size(), 80) << qPrintable(line);
    }
}

// The manual page as man shows it, with every warning groff and man give.
void expectManualPageRendersWithoutWarning(const QString& page) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MANWIDTH", "80");
    environment.insert("LC_ALL", "C.UTF-8");
    // Only the warnings (standard error) are kept.
    const CommandResult warnings =
        runCommand("sh", {"-c", "man --warnings -l \"$0\" 2>&1 >/dev/null", page}, environment);
    EXPECT_TRUE(warnings.finished && warnings.exitCode == 0) << qPrintable(warnings.output);
    EXPECT_EQ(warnings.output, "");
    const QString text = runCommand("man", {"-l", page}, environment).output;
    for (const char* part :
         {"NAME", "SYNOPSIS", "OPTIONS", "--say-time", "--show", "--help-all", "EXIT STATUS",
          "ENVIRONMENT", "XDG_RUNTIME_DIR", "FILES", "Zef.ini", "chmod go-w", "SEE ALSO"})
        EXPECT_TRUE(text.contains(part)) << part << " missing from the manual page";
}

// One package build serves every check: it is the slow part.
TEST(DebianPackage, DescribesItselfHoldsWhatTheInstallRulesInstallAndPassesLintian) {
    QTemporaryDir out;
    const CommandResult built = runCommand(
        CPACK_COMMAND,
        {"-G", "DEB", "--config", HORALO_BUILD_DIR "/CPackConfig.cmake", "-B", out.path()},
        QProcessEnvironment::systemEnvironment(), 120000);
    ASSERT_TRUE(built.finished && built.exitCode == 0) << qPrintable(built.output);
    const QStringList debs = QDir(out.path()).entryList({"horalo_*.deb"});
    ASSERT_EQ(debs.size(), 1) << qPrintable(built.output);
    const QString deb = QDir(out.path()).filePath(debs.first());

    const QString arch = runCommand("dpkg", {"--print-architecture"}).output.trimmed();
    EXPECT_EQ(debs.first(), QStringLiteral("horalo_%1_%2.deb").arg(HORALO_VERSION, arch));
    EXPECT_EQ(field(deb, "Package"), "horalo");
    EXPECT_EQ(field(deb, "Version"), HORALO_VERSION);
    EXPECT_EQ(field(deb, "Section"), "utils");
    EXPECT_EQ(field(deb, "Priority"), "optional");
    EXPECT_TRUE(QRegularExpression("^Horalo developers <[^ @]+@[^ >]+>$")
                    .match(field(deb, "Maintainer"))
                    .hasMatch())
        << qPrintable(field(deb, "Maintainer"));
    expectReadableDescription(field(deb, "Description"));
    const QSet<QString> depends = packageNames(field(deb, "Depends"));
    for (const char* needed : {"libqt6widgets6", "qt6-qpa-plugins", "qt6-wayland", "libespeak-ng1",
                               "espeak-ng-data", "libpulse0", "libicu72"})
        EXPECT_TRUE(depends.contains(needed)) << needed << " missing from Depends";

    // An administrator's change to the system's autostart entry survives
    // upgrades; the private libraries need no ldconfig, so there is no script.
    EXPECT_EQ(runCommand("dpkg-deb", {"--info", deb, "conffiles"}).output.trimmed(),
              "/etc/xdg/autostart/horalo.desktop");
    for (const char* script : {"postinst", "postrm"})
        EXPECT_NE(runCommand("dpkg-deb", {"--info", deb, script}).exitCode, 0) << script;

    const InstallTree tree;
    ASSERT_TRUE(tree.installed()) << qPrintable(tree.result().output);
    const QStringList files = contents(deb);
    EXPECT_EQ(files, tree.files());
    EXPECT_TRUE(files.contains("/usr/share/man/man1/horalo.1.gz"));

    QTemporaryDir unpacked;
    ASSERT_EQ(runCommand("dpkg-deb", {"--extract", deb, unpacked.path()}).exitCode, 0);
    expectManualPageRendersWithoutWarning(unpacked.filePath("usr/share/man/man1/horalo.1.gz"));

    if (QStandardPaths::findExecutable("lintian").isEmpty())
        GTEST_SKIP() << "lintian is not installed (Debian package lintian)";
    // Every tag lintian has, the informational and pedantic ones shown too; only
    // errors and warnings fail.
    const CommandResult lint =
        runCommand("lintian", {"--fail-on", "error,warning", "--display-info", "--pedantic", deb},
                   QProcessEnvironment::systemEnvironment(), 150000);
    std::printf("lintian:\n%s", qPrintable(lint.output));
    EXPECT_TRUE(lint.finished && lint.exitCode == 0) << qPrintable(lint.output);
    EXPECT_FALSE(QRegularExpression("^[EW]: ", QRegularExpression::MultilineOption)
                     .match(lint.output)
                     .hasMatch());
}

}  // namespace
