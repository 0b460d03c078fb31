#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// The result of a command run to its end.
struct CommandResult {
    bool finished = false;  // false when it could not start or ran past its time
    int exitCode = -1;
    QString output;  // standard output and error together
};

CommandResult runCommand(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    int timeoutMs = 60000);

// The build installed into a temporary root as the package installs it: prefix
// /usr, staged with DESTDIR, so /usr/... and /etc/... lie inside root().
class InstallTree {
  public:
    InstallTree();
    bool installed() const { return result_.finished && result_.exitCode == 0; }
    const CommandResult& result() const { return result_; }
    QString root() const { return dir_.path(); }
    QString path(const QString& absolute) const { return dir_.path() + absolute; }
    // Every file of the tree as the absolute path it is installed at, sorted.
    QStringList files() const;

  private:
    QTemporaryDir dir_;
    CommandResult result_;
};
