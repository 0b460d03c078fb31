#include "PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "SafePath.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

UserText folderProblem(const QString& path, const UserText& reason) {
    return UserText{QStringLiteral("the folder \"%1\" is not private to this user: %2"),
                    QStringLiteral("папка \"%1\" не принадлежит только этому пользователю: %2")}
        .arg(path, reason);
}

}  // namespace

#ifdef Q_OS_UNIX

std::optional<UserText> privateFolderProblem(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return folderProblem(path, {QString::fromLocal8Bit(std::strerror(errno)),
                                    QString::fromLocal8Bit(std::strerror(errno))});
    if (S_ISLNK(info.st_mode))
        return folderProblem(path, {QStringLiteral("it is a link"), QStringLiteral("это ссылка")});
    if (!S_ISDIR(info.st_mode))
        return folderProblem(
            path, {QStringLiteral("it is not a folder"), QStringLiteral("это не папка")});
    if (info.st_uid != ::geteuid())
        return folderProblem(path, UserText{QStringLiteral("it belongs to user %1"),
                                            QStringLiteral("она принадлежит пользователю %1")}
                                       .arg(QString::number(info.st_uid)));
    if ((info.st_mode & 077) != 0)
        return folderProblem(path,
                             UserText{QStringLiteral("others may use it (mode %1)"),
                                      QStringLiteral("ею могут пользоваться другие (права %1)")}
                                 .arg(QString::number(info.st_mode & 0777, 8)));
    // Nor may another account move it, or a folder on the way, aside.
    if (std::optional<UserText> problem = othersCanChangeProblem(path))
        return folderProblem(path, *problem);
    return std::nullopt;
}

PrivateFolder privateRuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && !privateFolderProblem(runtime)) return {runtime, {}};
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!QDir::isAbsolutePath(cache))
        return {
            {},
            UserText{QStringLiteral("neither a runtime folder nor a home folder is known"),
                     QStringLiteral("не известна ни папка времени выполнения, ни домашняя папка")}};
    QDir().mkpath(cache);
    const QString own = QDir(cache).filePath(QStringLiteral("horalo-runtime"));
    // Nothing is made in a folder of another account's.
    if (std::optional<UserText> problem = othersCanChangeProblem(own))
        return {{}, folderProblem(own, *problem)};
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    if (std::optional<UserText> problem = privateFolderProblem(own)) return {{}, problem};
    return {own, {}};
}

#else

// Elsewhere the user's own application data folder is the private place.
std::optional<UserText> privateFolderProblem(const QString& path) {
    if (QDir(path).exists()) return std::nullopt;
    return folderProblem(path, {QStringLiteral("it does not exist"), QStringLiteral("её нет")});
}

PrivateFolder privateRuntimeFolder() {
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(own);
    if (std::optional<UserText> problem = privateFolderProblem(own)) return {{}, problem};
    return {own, {}};
}

#endif
