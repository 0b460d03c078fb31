#include "FileLimits.h"

#include <QFile>
#include <QFileInfo>
#include <new>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

std::optional<UserText> kindProblem(bool folder, bool regular, qint64 size, qint64 limit) {
    if (folder)
        return UserText{QStringLiteral("it is a folder, not a file"),
                        QStringLiteral("это папка, а не файл")};
    if (!regular)
        return UserText{QStringLiteral("it is not a regular file"),
                        QStringLiteral("это не обычный файл")};
    if (size > limit)
        return UserText{QStringLiteral("it is larger than any such file (%1 bytes, at most %2)"),
                        QStringLiteral("он больше любого такого файла (%1 байт, не более %2)")}
            .arg(QString::number(size), QString::number(limit));
    return std::nullopt;
}

#ifdef Q_OS_UNIX

std::optional<UserText> kindProblem(const struct stat& info, qint64 limit) {
    return kindProblem(S_ISDIR(info.st_mode), S_ISREG(info.st_mode), info.st_size, limit);
}

UserText systemReason(int error) {
    return unreadableFile(QString::fromLocal8Bit(std::strerror(error)));
}

// Opened without waiting, so that a pipe swapped in after the look by name
// does not wait for a writer, and looked at again once open, so that nothing
// swapped in gets through.
bool openChecked(QFile& file, const QString& path, qint64 limit, std::optional<UserText>* problem) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0)
        *problem = systemReason(errno);
    else
        *problem = kindProblem(info, limit);
    if (!*problem && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return true;
    if (fd >= 0) ::close(fd);
    return false;
}

#else

bool openChecked(QFile& file, const QString& path, qint64, std::optional<UserText>* problem) {
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly)) return true;
    *problem = unreadableFile(file.errorString());
    return false;
}

#endif

}  // namespace

std::optional<UserText> unreadableFileProblem(const QString& path, qint64 limit) {
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? std::nullopt
                                                   : std::optional(systemReason(errno));
    return kindProblem(info, limit);
#else
    const QFileInfo info(path);
    if (!info.exists()) return std::nullopt;
    return kindProblem(info.isDir(), info.isFile(), info.size(), limit);
#endif
}

// Looked at by name first, so that a device is never opened.
FileBytes readWholeFile(const QString& path, qint64 limit) {
    FileBytes result;
    QFile file;
    if ((result.problem = unreadableFileProblem(path, limit)) ||
        !openChecked(file, path, limit, &result.problem))
        return result;
    try {
        // One byte past the limit tells a file grown since the look from one
        // that is read whole, without reading what it keeps growing by.
        result.bytes = file.read(limit + 1);
        result.problem = kindProblem(false, true, result.bytes.size(), limit);
    } catch (const std::bad_alloc&) {
        result.problem = UserText{QStringLiteral("there is not enough memory to read it"),
                                  QStringLiteral("для его чтения не хватает памяти")};
    }
    if (result.problem) result.bytes.clear();
    return result;
}
