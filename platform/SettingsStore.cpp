#include "SettingsStore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

bool isValidName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\');
}

QString idOf(const QString& section, const QString& key) {
    return section + u'/' + key.toCaseFolded();
}

// The spelling under which the current group holds `key`, compared without
// regard to case; the exact spelling wins when several are there.
QString storedSpelling(const QSettings& settings, const QString& key) {
    const QStringList keys = settings.childKeys();
    if (keys.contains(key)) return key;
    for (const QString& stored : keys)
        if (stored.compare(key, Qt::CaseInsensitive) == 0) return stored;
    return {};
}

// The store only ever writes text, but a hand-edited file may hold an unquoted
// list ("a, b"), which QSettings splits; any other kind of value is not text
// and counts as absent.
std::optional<QString> textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) return value.toString();
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u", ");
    return std::nullopt;
}

QByteArray contentsOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Something other than a regular file where the file or its lock file belongs.
// QSettings would wait forever on a pipe, or on a lock it cannot take or clear,
// and it may write whenever it opens the file (it saves what an earlier failed
// write left unsaved), so such a place is not opened at all.
std::optional<UserText> blockedReason(const QString& file) {
    if (file.isEmpty()) return std::nullopt;
    const QFileInfo info(file);
    if (info.isDir())
        return UserText{QStringLiteral("it is a folder, not a file"),
                        QStringLiteral("это папка, а не файл")};
    if (info.exists() && !info.isFile())
        return UserText{QStringLiteral("it is not a regular file"),
                        QStringLiteral("это не обычный файл")};
    const QFileInfo lock(file + QStringLiteral(".lock"));
    if (lock.exists() && !lock.isFile())
        return UserText{QStringLiteral("its lock file \"%1\" is not a regular file"),
                        QStringLiteral("его файл блокировки \"%1\" не является обычным файлом")}
            .arg(lock.filePath());
    return std::nullopt;
}

// A program killed while it takes the lock leaves a lock file that names no
// owner, and QSettings would then wait 30 s for it to age, the whole program
// frozen. The owner's flock ends with the owner, so a lock that names no owner
// and that nobody holds is left over and goes.
void removeOwnerlessLock(const QString& file) {
#ifdef Q_OS_UNIX
    const QString path = file + QStringLiteral(".lock");
    qint64 pid = 0;
    QString host, application;
    if (!QFileInfo(path).isFile() || QLockFile(path).getLockInfo(&pid, &host, &application)) return;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) QFile::remove(path);
    ::close(fd);
#else
    Q_UNUSED(file);
#endif
}

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

UserText cannotWrite(const QFileDevice& file) {
    return UserText{QStringLiteral("the file cannot be written (%1)"),
                    QStringLiteral("в файл не удаётся записать (%1)")}
        .arg(file.errorString());
}

// Repeats what a save does, a temporary file next to the real one filled with
// as much as the save needs, to learn what the system objects to. The probe is
// never committed, so the real file is not touched.
std::optional<UserText> probeReason(const QString& file) {
    QSaveFile probe(file);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return cannotWrite(probe);
    const QByteArray block(QFileInfo(file).size() + 4096, ' ');
    for (qint64 done = 0; done < block.size();) {
        const qint64 written = probe.write(block.constData() + done, block.size() - done);
        if (written <= 0) return cannotWrite(probe);
        done += written;
    }
    return std::nullopt;
}

UserText writeFailureReason(const QString& file) {
    if (file.isEmpty())
        return {QStringLiteral("the registry refused the change"),
                QStringLiteral("реестр не принял изменение")};
    if (std::optional<UserText> reason = blockedReason(file)) return *reason;
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo(folder).isDir()) return missingFolderReason(folder);
    if (std::optional<UserText> reason = probeReason(file)) return *reason;
    return {QStringLiteral("the new file could not be written in full"),
            QStringLiteral("новый файл не удалось записать полностью")};
}

}  // namespace

SettingsStore::SettingsStore(QString rootDir) : root_(std::move(rootDir)) {}

SettingsStore::~SettingsStore() = default;

void SettingsStore::setFailureReporter(FailureReporter reporter) {
    reporter_ = std::move(reporter);
}

QString SettingsStore::iniFile(const QString& application) const {
#ifdef Q_OS_WIN
    if (root_.isEmpty()) return {};
#endif
    const QString root =
        root_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                        : root_;
    return QDir(root).filePath(application + QStringLiteral(".ini"));
}

QString SettingsStore::location(const QString& application) const {
    const QString file = iniFile(application);
    return file.isEmpty() ? open(application)->fileName() : file;
}

std::unique_ptr<QSettings> SettingsStore::open(const QString& application) const {
    const QString file = iniFile(application);
    if (file.isEmpty())
        return std::make_unique<QSettings>(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") +
                application,
            QSettings::NativeFormat);
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

QString SettingsStore::GetSetting(const QString& application, const QString& section,
                                  const QString& key, const QString& defaultValue) const {
    if (!namesAreValid(application, section, key)) return defaultValue;
    const auto unsaved = unsaved_.constFind(application);
    if (unsaved != unsaved_.constEnd()) {
        const auto value = unsaved->constFind(idOf(section, key));
        if (value != unsaved->constEnd()) return value->text;
    }
    if (blockedReason(iniFile(application))) return defaultValue;

    const auto settings = open(application);
    settings->beginGroup(section);
    const QString spelling = storedSpelling(*settings, key);
    if (spelling.isEmpty()) return defaultValue;
    return textOf(settings->value(spelling)).value_or(defaultValue);
}

void SettingsStore::SaveSetting(const QString& application, const QString& section,
                                const QString& key, const QString& text) {
    if (!namesAreValid(application, section, key)) return;
    unsaved_[application].insert(idOf(section, key), {section, key, text});
    saveUnsaved();
}

bool SettingsStore::namesAreValid(const QString& application, const QString& section,
                                  const QString& key) const {
    if (isValidName(application) && isValidName(section) && isValidName(key)) return true;
    report(UserText{QStringLiteral("Setting names must be non-empty and free of \"/\" and "
                                   "\"\\\": application \"%1\", section \"%2\", key \"%3\"."),
                    QStringLiteral("Имена настроек не могут быть пустыми или содержать \"/\" и "
                                   "\"\\\": приложение \"%1\", раздел \"%2\", ключ \"%3\".")}
               .arg(application, section, key));
    return false;
}

void SettingsStore::saveUnsaved() {
    std::optional<UserText> failure;
    for (auto it = unsaved_.begin(); it != unsaved_.end();) {
        UserText reason;
        if (save(it.key(), it.value(), &reason)) {
            it = unsaved_.erase(it);
            continue;
        }
        if (!failure)
            failure = UserText{QStringLiteral("Cannot save the settings to \"%1\": %2. The program "
                                              "goes on with the new values and tries again at the "
                                              "next save."),
                               QStringLiteral("Не удаётся сохранить настройки в \"%1\": %2. "
                                              "Программа продолжает работу с новыми значениями и "
                                              "попробует снова при следующем сохранении.")}
                          .arg(location(it.key()), reason);
        ++it;
    }
    if (failure && !failing_) report(*failure);
    failing_ = failure.has_value();
}

bool SettingsStore::save(const QString& application, const UnsavedValues& values,
                         UserText* reason) const {
    const QString file = iniFile(application);
    if (std::optional<UserText> blocked = blockedReason(file)) {
        *reason = *blocked;
        return false;
    }
    removeOwnerlessLock(file);
    const QByteArray before = contentsOf(file);
    const auto settings = open(application);
    for (const Unsaved& value : values) {
        settings->beginGroup(value.section);
        for (const QString& stored : settings->childKeys())
            if (stored != value.key && stored.compare(value.key, Qt::CaseInsensitive) == 0)
                settings->remove(stored);
        settings->setValue(value.key, value.text);
        settings->endGroup();
    }
    settings->sync();

    // QSettings keeps the first problem it meets, so the parse error of a damaged
    // file hides how the write went. It never writes a damaged file itself, so
    // changed contents mean the save went through.
    const QSettings::Status status = settings->status();
    const QByteArray after = contentsOf(file);
    const bool written =
        status == QSettings::NoError || (status == QSettings::FormatError && after != before);
    // Qt 6.4 misses a write error met while flushing the new file and puts the
    // short file in place anyway. Every line it writes ends with a line break, so
    // a file that does not was cut short.
    if (written && (file.isEmpty() || after.endsWith('\n'))) return true;
    *reason = writeFailureReason(file);
    return false;
}

void SettingsStore::report(const UserText& message) const {
    if (reporter_)
        reporter_(message);
    else
        qWarning().noquote() << message.english;
}
