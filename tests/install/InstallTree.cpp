#include "InstallTree.h"

#include <QDirIterator>
#include <QProcess>

CommandResult runCommand(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    CommandResult result;
    result.finished =
        process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    if (!result.finished) process.kill();
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAll());
    if (process.error() == QProcess::FailedToStart) result.output = program + " did not start";
    return result;
}

InstallTree::InstallTree() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DESTDIR", dir_.path());
    // Naming the component, which holds every file, keeps the build's own
    // install_manifest.txt, that of the user's last install, as it was.
    result_ = runCommand(
        CMAKE_COMMAND,
        {"--install", HORALO_BUILD_DIR, "--prefix", "/usr", "--component", "Unspecified"},
        environment);
}

QStringList InstallTree::files() const {
    QStringList found;
    QDirIterator it(dir_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) found << it.next().mid(dir_.path().size());
    found.sort();
    return found;
}
