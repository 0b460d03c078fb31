#include "OwnerlessLock.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

void removeOwnerlessLock(const QString& lockFile) {
#ifdef Q_OS_UNIX
    qint64 pid = 0;
    QString host, application;
    if (!QFileInfo(lockFile).isFile() || QLockFile(lockFile).getLockInfo(&pid, &host, &application))
        return;
    const int fd =
        ::open(QFile::encodeName(lockFile).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) QFile::remove(lockFile);
    ::close(fd);
#else
    Q_UNUSED(lockFile);
#endif
}
