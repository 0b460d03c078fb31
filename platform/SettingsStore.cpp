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
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

#include "FileLimits.h"
#include "OwnerlessLock.h"
#include "SafePath.h"

#ifdef Q_OS_UNIX
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

// Something other than a regular file where the file or its lock file belongs,
// or a file larger than any settings file. QSettings would wait forever on a
// pipe, or on a lock it cannot take or clear, and read a huge file whole, so
// such a place is not opened at all.
std::optional<UserText> blockedReason(const QString& file) {
    if (file.isEmpty()) return std::nullopt;
    if (std::optional<UserText> problem = unreadableFileProblem(file, kSettingsFileLimit))
        return problem;
    const QFileInfo lock(file + QStringLiteral(".lock"));
    if (lock.exists() && !lock.isFile())
        return UserText{QStringLiteral("its lock file \"%1\" is not a regular file"),
                        QStringLiteral("его файл блокировки \"%1\" не является обычным файлом")}
            .arg(lock.filePath());
    return std::nullopt;
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

// The store writes UTF-8 text; binary junk parses as next to nothing without
// QSettings seeing an error.
bool isText(const QByteArray& bytes) {
    return !bytes.contains('\0') && QUtf8StringView(bytes).isValidUtf8();
}

UserText cannotSave(const QString& file, const UserText& reason) {
    return UserText{QStringLiteral("Cannot save the settings to \"%1\": %2."),
                    QStringLiteral("Не удаётся сохранить настройки в \"%1\": %2.")}
        .arg(file, reason);
}

// How long a save waits for another program to let the file's lock go.
constexpr int kLockWaitMs = 10000;

// Every key of a file with its value, as QSettings reads them.
QMap<QString, QVariant> everything(const QSettings& settings) {
    QMap<QString, QVariant> values;
    for (const QString& key : settings.allKeys()) values.insert(key, settings.value(key));
    return values;
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(bytes) == bytes.size();
}

bool reachesTheDisk(const QString& path) {
#ifdef Q_OS_UNIX
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(path);
    return true;
#endif
}

bool replaceFile(const QString& from, const QString& to) {
#ifdef Q_OS_UNIX
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#else
    QFile::remove(to);
    return QFile::rename(from, to);
#endif
}

// A save is drafted in a folder of its own beside the file; one that was
// killed leaves its folder behind. Only called under the file's lock, so no
// other save is drafting meanwhile. Only the user's own real folders are
// removed, never through a link.
void removeLeftoverDrafts(const QDir& folder, const QString& draftPattern) {
    const QString pattern =
        QString(draftPattern).replace(QStringLiteral("XXXXXX"), QStringLiteral("??????"));
    for (const QFileInfo& draft : folder.entryInfoList(
             {pattern}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks))
#ifdef Q_OS_UNIX
        if (draft.ownerId() == ::geteuid())
#endif
            QDir(draft.filePath()).removeRecursively();
}

// Whether the file at `path` holds exactly `expected`. It is read from a copy:
// QSettings answers a second look at the same path from its memory.
bool holdsExactly(const QString& path, const QString& copy,
                  const QMap<QString, QVariant>& expected) {
    const FileBytes written = readWholeFile(path, kSettingsFileLimit);
    return !written.problem && writeAll(copy, written.bytes) &&
           everything(QSettings(copy, QSettings::IniFormat)) == expected;
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
    const QString file = iniFile(application);
    const FileBytes contents = readContents(file);
    if (const std::optional<UserText>& problem = contents.problem) {
        reportReading(UserText{QStringLiteral("Cannot read the settings from \"%1\": %2. The "
                                              "program starts with the default choices and does "
                                              "not write over the file."),
                               QStringLiteral("Не удаётся прочитать настройки из \"%1\": %2. "
                                              "Программа начинает с исходных значений и не "
                                              "записывает поверх этого файла.")}
                          .arg(file, *problem));
        return defaultValue;
    }

    const auto settings = open(application);
    if (settings->status() == QSettings::FormatError || !isText(contents.bytes))
        reportReading(UserText{QStringLiteral("The settings file \"%1\" is damaged: the program "
                                              "uses what it can read of it and writes it anew at "
                                              "the next save."),
                               QStringLiteral("Файл настроек \"%1\" повреждён: программа берёт "
                                              "из него то, что удаётся прочитать, и запишет его "
                                              "заново при следующем сохранении.")}
                          .arg(file));
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
        if (!failure) failure = cannotSave(location(it.key()), reason);
        ++it;
    }
    if (failure && !failing_)
        report(UserText{QStringLiteral("%1 The program goes on with the new values and tries "
                                       "again at the next save."),
                        QStringLiteral("%1 Программа продолжает работу с новыми значениями и "
                                       "попробует снова при следующем сохранении.")}
                   .arg(*failure));
    failing_ = failure.has_value();
    if (failure) failure_ = *failure;
}

FileBytes SettingsStore::readContents(const QString& file) const {
    if (std::optional<UserText> blocked = blockedReason(file)) return {{}, blocked};
    if (file.isEmpty() || !QFileInfo::exists(file)) return {};
    return readWholeFile(file, kSettingsFileLimit);
}

void SettingsStore::reportReading(const UserText& message) const {
    if (readReported_) return;
    readReported_ = true;
    report(message);
}

void SettingsStore::apply(QSettings& settings, const UnsavedValues& values) {
    for (const Unsaved& value : values) {
        settings.beginGroup(value.section);
        for (const QString& stored : settings.childKeys())
            if (stored != value.key && stored.compare(value.key, Qt::CaseInsensitive) == 0)
                settings.remove(stored);
        settings.setValue(value.key, value.text);
        settings.endGroup();
    }
}

bool SettingsStore::save(const QString& application, const UnsavedValues& values,
                         UserText* reason) const {
    const QString file = iniFile(application);
    if (file.isEmpty()) {
        const auto settings = open(application);
        apply(*settings, values);
        settings->sync();
        if (settings->status() == QSettings::NoError) return true;
        *reason = writeFailureReason(file);
        return false;
    }
    // As ssh does with a loose ~/.ssh: another account could have put links
    // where the save writes and removes, beside the file and beside what it
    // links to.
    for (const QString& place : {QFileInfo(file).absolutePath(), file})
        if (std::optional<UserText> unsafe = othersCanChangeProblem(place)) {
            *reason = *unsafe;
            return false;
        }
    if (std::optional<UserText> blocked = blockedReason(file)) {
        *reason = *blocked;
        return false;
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QString lockFile = file + QStringLiteral(".lock");
    removeOwnerlessLock(lockFile);
    // The lock QSettings itself takes, so that another program writing the
    // file through QSettings takes turns with this one.
    QLockFile lock(lockFile);
    if (!lock.tryLock(kLockWaitMs)) {
        *reason = lock.error() == QLockFile::LockFailedError
                      ? UserText{QStringLiteral("another program keeps the file locked"),
                                 QStringLiteral("файл занят другой программой")}
                      : writeFailureReason(file);
        return false;
    }
    if (replaceWhole(file, values)) return true;
    *reason = writeFailureReason(file);
    return false;
}

// The new contents are drafted and checked beside the file and only then put
// in its place, so the file is either the old one or the whole new one. Qt 6.4
// misses a write error met while flushing a file and calls a file cut short
// by a full disk written, hence the check.
bool SettingsStore::replaceWhole(const QString& name, const UnsavedValues& values) const {
    // A link the user made (as dotfile managers do) stays: its file is replaced.
    const QString linked = QFileInfo(name).canonicalFilePath();
    const QString file = linked.isEmpty() ? name : linked;
    const QFileInfo info(file);
    const QDir folder = info.absoluteDir();
    const QString draftPattern = u'.' + info.fileName() + QStringLiteral("-XXXXXX");
    removeLeftoverDrafts(folder, draftPattern);
    QTemporaryDir scratch(folder.filePath(draftPattern));
    if (!scratch.isValid()) return false;
    const QString draft = scratch.filePath(info.fileName());
    if (info.exists()) {
        const FileBytes old = readWholeFile(file, kSettingsFileLimit);
        if (old.problem || !writeAll(draft, old.bytes)) return false;
        QFile::setPermissions(draft, QFile::permissions(file));
    }
    QMap<QString, QVariant> expected;
    {
        QSettings settings(draft, QSettings::IniFormat);
        apply(settings, values);
        settings.sync();
        if (settings.status() == QSettings::AccessError) return false;
        expected = everything(settings);
    }
    return holdsExactly(draft, scratch.filePath(QStringLiteral("check.ini")), expected) &&
           reachesTheDisk(draft) && replaceFile(draft, file);
}

void SettingsStore::report(const UserText& message) const {
    if (reporter_)
        reporter_(message);
    else
        qWarning().noquote() << message.english;
}
