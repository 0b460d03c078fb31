#include "SettingsStore.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "FileLimits.h"
#include "IniFileWrite.h"
#include "SafePath.h"

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

// The store writes UTF-8 text; binary junk parses as next to nothing without
// QSettings seeing an error.
bool isText(const QByteArray& bytes) {
    return !bytes.contains('\0') && QUtf8StringView(bytes).isValidUtf8();
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

UserText cannotSave(const QString& file, const UserText& reason) {
    return UserText{QStringLiteral("Cannot save the settings to \"%1\": %2."),
                    QStringLiteral("Не удаётся сохранить настройки в \"%1\": %2.")}
        .arg(file, reason);
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
    FileBytes contents;
    if (std::optional<UserText> blocked = blockedReason(file))
        contents.problem = blocked;
    else if (!file.isEmpty() && QFileInfo::exists(file))
        contents = readWholeFile(file, kSettingsFileLimit);
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

    // While a save is failing, QSettings' image of the file holds the values
    // it could not write (see IniFileWrite.h).
    const auto settings = !file.isEmpty() && unsaved != unsaved_.constEnd()
                              ? readIniAfresh(contents.bytes)
                              : open(application);
    if (!settings) return defaultValue;
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
        const std::optional<UserText> reason = save(it.key(), it.value());
        if (!reason) {
            it = unsaved_.erase(it);
            continue;
        }
        if (!failure) failure = cannotSave(location(it.key()), *reason);
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

std::optional<UserText> SettingsStore::save(const QString& application,
                                            const UnsavedValues& values) const {
    const QString file = iniFile(application);
    if (file.isEmpty()) {
        const auto settings = open(application);
        apply(*settings, values);
        settings->sync();
        if (settings->status() == QSettings::NoError) return std::nullopt;
        return UserText{QStringLiteral("the registry refused the change"),
                        QStringLiteral("реестр не принял изменение")};
    }
    // As ssh does with a loose ~/.ssh: another account could have put links
    // where the save writes, beside the file and beside what it links to.
    for (const QString& place : {QFileInfo(file).absolutePath(), file})
        if (std::optional<UserText> unsafe = othersCanChangeProblem(place)) return unsafe;
    if (std::optional<UserText> blocked = blockedReason(file)) return blocked;
    return writeIniFile(file, [&values](QSettings& settings) { apply(settings, values); });
}

void SettingsStore::report(const UserText& message) const {
    if (reporter_)
        reporter_(message);
    else
        qWarning().noquote() << message.english;
}
