#include "FileLimits.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <new>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

UserText notARegularFile() {
    return {QStringLiteral("it is not a regular file"), QStringLiteral("это не обычный файл")};
}

UserText aFolder() {
    return {QStringLiteral("it is a folder, not a file"), QStringLiteral("это папка, а не файл")};
}

UserText tooLarge(qint64 size, qint64 limit) {
    return UserText{QStringLiteral("it is larger than any such file (%1 bytes, at most %2)"),
                    QStringLiteral("он больше любого такого файла (%1 байт, не более %2)")}
        .arg(QString::number(size), QString::number(limit));
}

UserText outOfMemory() {
    return {QStringLiteral("there is not enough memory to read it"),
            QStringLiteral("для его чтения не хватает памяти")};
}

#ifdef Q_OS_UNIX

UserText systemReason(int error) {
    return unreadableFile(QString::fromLocal8Bit(std::strerror(error)));
}

std::optional<UserText> kindProblem(const struct stat& info, qint64 limit) {
    if (S_ISDIR(info.st_mode)) return aFolder();
    if (!S_ISREG(info.st_mode)) return notARegularFile();
    if (info.st_size > limit) return tooLarge(info.st_size, limit);
    return std::nullopt;
}

// The file opened for reading, checked first by name, so that a device is never
// opened, and again once open, so that nothing swapped in between gets through.
// A pipe swapped in is opened without waiting for a writer.
int openChecked(const QString& path, qint64 limit, std::optional<UserText>* problem) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        *problem = systemReason(errno);
        return -1;
    }
    if ((*problem = kindProblem(info, limit))) return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *problem = systemReason(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || (*problem = kindProblem(info, limit))) {
        if (!*problem) *problem = systemReason(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads to the end, or to one byte past the limit for a file that grows meanwhile.
std::optional<UserText> readAll(int fd, qint64 limit, QByteArray* bytes) {
    struct stat info {};
    ::fstat(fd, &info);
    bytes->resize(qsizetype(info.st_size));
    qint64 done = 0;
    for (;;) {
        if (done == bytes->size()) {
            if (done > limit) return tooLarge(done, limit);
            bytes->resize(qsizetype(std::min<qint64>(done + 4096, limit + 1)));
        }
        const ssize_t got = ::read(fd, bytes->data() + done, size_t(bytes->size() - done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return systemReason(errno);
        if (got == 0) break;
        done += got;
    }
    bytes->resize(qsizetype(done));
    return std::nullopt;
}

#endif

}  // namespace

#ifdef Q_OS_UNIX

std::optional<UserText> unreadableFileProblem(const QString& path, qint64 limit) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? std::nullopt
                                                   : std::optional(systemReason(errno));
    return kindProblem(info, limit);
}

FileBytes readWholeFile(const QString& path, qint64 limit) {
    FileBytes result;
    const int fd = openChecked(path, limit, &result.problem);
    if (fd < 0) return result;
    try {
        result.problem = readAll(fd, limit, &result.bytes);
    } catch (const std::bad_alloc&) {
        result.problem = outOfMemory();
    }
    ::close(fd);
    if (result.problem) result.bytes.clear();
    return result;
}

#else

std::optional<UserText> unreadableFileProblem(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.exists()) return std::nullopt;
    if (info.isDir()) return aFolder();
    if (!info.isFile()) return notARegularFile();
    if (info.size() > limit) return tooLarge(info.size(), limit);
    return std::nullopt;
}

FileBytes readWholeFile(const QString& path, qint64 limit) {
    FileBytes result;
    if ((result.problem = unreadableFileProblem(path, limit))) return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = unreadableFile(file.errorString());
        return result;
    }
    try {
        result.bytes = file.read(limit + 1);
    } catch (const std::bad_alloc&) {
        result.problem = outOfMemory();
    }
    if (!result.problem && result.bytes.size() > limit)
        result.problem = tooLarge(result.bytes.size(), limit);
    if (result.problem) result.bytes.clear();
    return result;
}

#endif
