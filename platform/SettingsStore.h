#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <memory>
#include <optional>

#include "UserText.h"

class QSettings;

// The per-user store of the program's remembered choices: texts addressed by
// application, section and key, with keys compared without regard to case.
//
// Linux keeps one INI file per application in the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config), one group per section. Windows keeps
// the values where programs of this kind always have, so that older installs
// carry over: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>.
//
// Every SaveSetting goes to disk at once through QSettings, and replaces the
// whole file or leaves the old one. A write that fails does not stop the
// program: the failure is reported once, the value stays readable from memory,
// and each later SaveSetting tries again to save everything still unsaved. A file that cannot
// be read (not a regular file, larger than any settings file, unreadable) is
// reported at the first read, reads as nothing stored and is never written over.
class SettingsStore {
  public:
    using FailureReporter = UserReport;

    // rootDir is the folder that holds the INI files; empty means the user's own
    // store (the configuration folder, or the registry on Windows).
    explicit SettingsStore(QString rootDir = {});
    ~SettingsStore();

    // Receives one clear message per failure streak (and one per bad name);
    // without a reporter the message goes to the Qt warning log.
    void setFailureReporter(FailureReporter reporter);

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) const;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& text);

    // The INI file of an application, or its registry key where the registry holds it.
    QString location(const QString& application) const;

    // Whether every value given to SaveSetting has reached the store; when not,
    // saveFailure() tells where and why.
    bool allSaved() const { return unsaved_.isEmpty(); }
    const UserText& saveFailure() const { return failure_; }

  private:
    struct Unsaved {
        QString section;
        QString key;
        QString text;
    };
    // Keyed by section and case-folded key.
    using UnsavedValues = QMap<QString, Unsaved>;

    QString iniFile(const QString& application) const;
    std::unique_ptr<QSettings> open(const QString& application) const;
    bool namesAreValid(const QString& application, const QString& section,
                       const QString& key) const;
    void reportReading(const UserText& message) const;
    void saveUnsaved();
    static void apply(QSettings& settings, const UnsavedValues& values);
    // Nothing when saved, else why not.
    std::optional<UserText> save(const QString& application, const UnsavedValues& values) const;
    void report(const UserText& message) const;

    QString root_;
    FailureReporter reporter_;
    QHash<QString, UnsavedValues> unsaved_;
    bool failing_ = false;
    UserText failure_;
    mutable bool readReported_ = false;
};
