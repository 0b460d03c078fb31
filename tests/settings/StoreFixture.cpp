#include "StoreFixture.h"

#include <QFile>

DiskContents storedOnDisk(const QString& file) {
    DiskContents contents;
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath("copy.ini");
    if (!QFile::copy(file, copy)) return contents;
    QSettings settings(copy, QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
        contents.values[key] = settings.value(key).toString();
    contents.status = settings.status();
    return contents;
}

void writeBytes(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(file);
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
