#include "SafePath.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace {

bool isUsersOrRoots(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

// The group of the user alone: systems that give each user a group of their
// own let its folders be group-writable.
bool isUsersOwnGroup(gid_t group) {
    if (group != ::getegid()) return false;
    const ::group* entry = ::getgrgid(group);
    const ::passwd* user = ::getpwuid(::geteuid());
    if (!entry || !user) return false;
    for (char** member = entry->gr_mem; *member; ++member)
        if (std::strcmp(*member, user->pw_name) != 0) return false;
    return true;
}

bool othersMayWrite(const struct stat& folder) {
    return (folder.st_mode & S_IWOTH) != 0 ||
           ((folder.st_mode & S_IWGRP) != 0 && !isUsersOwnGroup(folder.st_gid));
}

UserText belongsToAnother(const QString& path, uid_t owner) {
    return UserText{QStringLiteral("\"%1\" belongs to another account (user %2)"),
                    QStringLiteral("\"%1\" принадлежит другой учётной записи (пользователю %2)")}
        .arg(path, QString::number(owner));
}

// Why others could change the entries of `folder`, or nothing; `entry`, when
// given, is the one taken from it on the way, at `entryPath`.
std::optional<UserText> folderProblem(const QString& path, const struct stat& folder,
                                      const QString& entryPath, const struct stat* entry) {
    if (!isUsersOrRoots(folder.st_uid)) return belongsToAnother(path, folder.st_uid);
    if (!othersMayWrite(folder)) return std::nullopt;
    if (entry && (folder.st_mode & S_ISVTX) != 0) {
        if (isUsersOrRoots(entry->st_uid)) return std::nullopt;
        return belongsToAnother(entryPath, entry->st_uid);
    }
    const QString mode = QString::number(folder.st_mode & 07777, 8);
    if (folder.st_uid != ::geteuid())
        return UserText{QStringLiteral("the folder \"%1\" is shared with other accounts (mode %2)"),
                        QStringLiteral("папка \"%1\" открыта другим учётным записям (права %2)")}
            .arg(path, mode);
    return UserText{QStringLiteral("other accounts may write in the folder \"%1\" (mode %2); "
                                   "\"chmod go-w %1\" closes it to them"),
                    QStringLiteral("другие учётные записи могут писать в папку \"%1\" (права "
                                   "%2); команда \"chmod go-w %1\" закроет её для них")}
        .arg(path, mode);
}

std::optional<UserText> systemProblem(const QString& path) {
    const QString error = QString::fromLocal8Bit(std::strerror(errno));
    return UserText{QStringLiteral("\"%1\" cannot be looked at (%2)"),
                    QStringLiteral("не удаётся проверить \"%1\" (%2)")}
        .arg(path, error);
}

QString inFolder(const QString& folder, const QString& name) {
    return folder == u"/" ? u'/' + name : folder + u'/' + name;
}

}  // namespace

// Walks the path as the system resolves it, one name at a time.
std::optional<UserText> othersCanChangeProblem(const QString& path) {
    QStringList ahead =
        QDir::cleanPath(QDir::current().absoluteFilePath(path)).split(u'/', Qt::SkipEmptyParts);
    QString at = QStringLiteral("/");
    struct stat folder {};
    if (::stat("/", &folder) != 0) return systemProblem(at);
    int linksLeft = 40;  // as many as the system follows
    while (!ahead.isEmpty()) {
        const QString name = ahead.takeFirst();
        if (name == u".") continue;
        if (name == u"..") {
            at = QDir::cleanPath(at + QStringLiteral("/.."));
            if (::stat(QFile::encodeName(at).constData(), &folder) != 0) return systemProblem(at);
            continue;
        }
        const QString next = inFolder(at, name);
        struct stat entry {};
        // What is not there yet would be made in `at`.
        if (::lstat(QFile::encodeName(next).constData(), &entry) != 0) break;
        if (std::optional<UserText> problem = folderProblem(at, folder, next, &entry))
            return problem;
        if (S_ISLNK(entry.st_mode)) {
            char target[PATH_MAX];
            const ssize_t size =
                ::readlink(QFile::encodeName(next).constData(), target, sizeof target);
            if (--linksLeft < 0) errno = ELOOP;
            if (size <= 0 || size == sizeof target || linksLeft < 0) return systemProblem(next);
            const QString to = QFile::decodeName(QByteArray(target, int(size)));
            ahead = to.split(u'/', Qt::SkipEmptyParts) + ahead;
            if (to.startsWith(u'/')) {
                at = QStringLiteral("/");
                if (::stat("/", &folder) != 0) return systemProblem(at);
            }
            continue;
        }
        if (!S_ISDIR(entry.st_mode)) break;
        at = next;
        folder = entry;
    }
    return folderProblem(at, folder, {}, nullptr);
}

#else

// Elsewhere the user's own folders are closed to other accounts by the system.
std::optional<UserText> othersCanChangeProblem(const QString&) {
    return std::nullopt;
}

#endif
