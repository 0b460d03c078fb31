#include "IniFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>
#include <cstdio>

#include "FileLimits.h"
#include "OwnerlessLock.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// How long a write waits for another program's write to end.
constexpr int kLockWaitMs = 10000;

UserText missingFolderReason(const QString& folder) {
    QFileInfo existing(folder);
    while (!existing.exists() && !existing.isRoot()) existing.setFile(existing.absolutePath());
    if (existing.exists() && !existing.isDir())
        return UserText{QStringLiteral("\"%1\" is a file, not a folder"),
                        QStringLiteral("\"%1\" — это файл, а не папка")}
            .arg(existing.filePath());
    return UserText{QStringLiteral("the folder \"%1\" cannot be created"),
                    QStringLiteral("папку \"%1\" не удаётся создать")}
        .arg(folder);
}

// QSettings tells only that a write failed. Writing as much beside the file,
// never committed, learns what the system objects to.
UserText writeFailureReason(const QString& file) {
    QSaveFile probe(file);
    const QByteArray block(QFileInfo(file).size() + 4096, ' ');
    qint64 done = 0;
    if (probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        while (done < block.size()) {
            const qint64 written = probe.write(block.constData() + done, block.size() - done);
            if (written <= 0) break;
            done += written;
        }
    if (done == block.size())
        return {QStringLiteral("the new file could not be written in full"),
                QStringLiteral("новый файл не удалось записать полностью")};
    return UserText{QStringLiteral("the file cannot be written (%1)"),
                    QStringLiteral("в файл не удаётся записать (%1)")}
        .arg(probe.errorString());
}

QMap<QString, QVariant> everything(const QSettings& settings) {
    QMap<QString, QVariant> values;
    for (const QString& key : settings.allKeys()) values.insert(key, settings.value(key));
    return values;
}

// A second name for the file as it is, to put it back by. One left by a write
// that was killed goes first: only the user's own regular file, never a link.
bool keepAside(const QString& file, const QString& previous) {
#ifdef Q_OS_UNIX
    const QFileInfo leftover(previous);
    if (!leftover.isSymLink() && leftover.isFile() && leftover.ownerId() == ::geteuid())
        QFile::remove(previous);
    return ::link(QFile::encodeName(file).constData(), QFile::encodeName(previous).constData()) ==
           0;
#else
    Q_UNUSED(file);
    Q_UNUSED(previous);
    return false;
#endif
}

}  // namespace

std::unique_ptr<QSettings> readIniAfresh(const QByteArray& bytes) {
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush()) return nullptr;
    return std::make_unique<QSettings>(copy.fileName(), QSettings::IniFormat);
}

// QSettings writes through QSaveFile, and takes the lock "<file>.lock" meanwhile
// so that another program writing too takes turns with it. But Qt 6.4 misses a
// write error met while QSaveFile flushes its buffer at commit: under a full
// disk or a file size limit, sync() reports success and puts a file cut short
// in place. So the file is read back, and the one it replaced, kept under a
// second name meanwhile, is put back when what is there is not what was meant.
// Another program's write between the reading back and the putting back would
// be taken for a failure and undone, so these take turns under a lock of their
// own. A link the user made stays: the file it names is the one replaced.
std::optional<UserText> writeIniFile(const QString& file,
                                     const std::function<void(QSettings&)>& change) {
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder)) return missingFolderReason(folder);
    const QString linked = QFileInfo(file).canonicalFilePath();
    const QString target = linked.isEmpty() ? file : linked;
    const QString previous = target + QStringLiteral(".previous");
    for (const QString& lock : {file + QStringLiteral(".lock"), previous + QStringLiteral(".lock")})
        removeOwnerlessLock(lock);
    QLockFile turn(previous + QStringLiteral(".lock"));
    if (!turn.tryLock(kLockWaitMs))
        return turn.error() == QLockFile::LockFailedError
                   ? UserText{QStringLiteral("another program keeps the file locked"),
                              QStringLiteral("файл занят другой программой")}
                   : writeFailureReason(file);
    const bool fresh = !QFileInfo(file).isSymLink() && !QFileInfo::exists(file);
    const bool kept = !fresh && keepAside(target, previous);
    QMap<QString, QVariant> meant;
    bool written = false;
    {
        QSettings settings(file, QSettings::IniFormat);
        change(settings);
        settings.sync();
        written = settings.status() != QSettings::AccessError;
        meant = everything(settings);
    }
    const FileBytes now = readWholeFile(target, kSettingsFileLimit);
    const auto check = written && !now.problem ? readIniAfresh(now.bytes) : nullptr;
    const bool holds = check && everything(*check) == meant;
    if (!holds && kept)
        std::rename(QFile::encodeName(previous).constData(), QFile::encodeName(target).constData());
    else if (!holds && fresh)
        QFile::remove(file);
    if (kept) QFile::remove(previous);  // still there when the file was not replaced
    return holds ? std::nullopt : std::optional(writeFailureReason(file));
}
