#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QMap>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "SettingsStore.h"

// What a settings file holds on disk. It is read from a fresh copy: within one
// process QSettings shares an in-memory image per path, and that image also
// holds whatever a failed write left unsaved.
struct DiskContents {
    QSettings::Status status = QSettings::NoError;
    QMap<QString, QString> values;  // "Section/key" -> text
};
DiskContents storedOnDisk(const QString& file);

void writeBytes(const QString& file, const QByteArray& bytes);
QByteArray readBytes(const QString& file);

// A store over a fresh folder that collects what it reports.
class StoreTest : public testing::Test {
  protected:
    StoreTest() { watch(store); }

    void watch(SettingsStore& s) {
        s.setFailureReporter([this](const UserText& message) {
            reports << message.english;
            russianReports << message.russian;
        });
    }
    QString get(const QString& key, const QString& fallback = {}) const {
        return store.GetSetting("Zef", "Options", key, fallback);
    }
    void save(const QString& key, const QString& text) {
        store.SaveSetting("Zef", "Options", key, text);
    }
    QString file() const { return store.location("Zef"); }

    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    QStringList reports;
    QStringList russianReports;
};
