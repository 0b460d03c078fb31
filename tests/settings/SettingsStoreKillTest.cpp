#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include "StoreFixture.h"

namespace {

using KilledWriter = StoreTest;

// Two programs save at once, each its own key, and are killed at random
// moments: they take turns, so neither takes the other's save for a failed
// one, and the file is always whole, with both keys and the foreign one.
TEST_F(KilledWriter, TwoProgramsNeverLeaveAnUnreadableFileNorLoseAKey) {
    writeBytes(file(), "[Options]\nInterval=15 минут\nLanguage=15 минут\n[Other]\nkeep=1\n");
    const QStringList texts{"15 минут", "30 минут", "60 минут"};
    const QStringList keys{"Interval", "Language"};
    QTemporaryDir temporary;  // for what a writer killed while reading back leaves
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", temporary.path());
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        QProcess writers[2];
        for (int i = 0; i < 2; ++i) {
            writers[i].setProcessEnvironment(environment);
            writers[i].start(SETTINGS_WRITER, {dir.path(), keys[i]});
        }
        for (QProcess& writer : writers)
            ASSERT_TRUE(writer.waitForReadyRead(10000))
                << qPrintable(writer.readAllStandardError());
        for (QProcess& writer : writers) {
            QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
            writer.kill();
            ASSERT_TRUE(writer.waitForFinished(10000));
            ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit)
                << "a writer stopped by itself: " << qPrintable(writer.readAllStandardError());
        }
        const auto disk = storedOnDisk(file());
        EXPECT_EQ(disk.status, QSettings::NoError);
        for (const QString& key : keys)
            EXPECT_TRUE(texts.contains(disk.values.value("Options/" + key)))
                << qPrintable(key) << ": " << qPrintable(disk.values.value("Options/" + key));
        EXPECT_EQ(disk.values.value("Other/keep"), "1");
    }
    EXPECT_TRUE(texts.contains(get("Interval")));

    // A kill between making a lock file and writing its owner into it leaves an
    // empty lock, which QLockFile would wait 30 s to see aged.
    for (const char* lock : {".lock", ".previous.lock"}) writeBytes(file() + lock, "");
    QElapsedTimer took;
    took.start();
    save("Picture", "ani");  // and clears what a killed save kept aside
    EXPECT_TRUE(store.allSaved()) << qPrintable(reports.join('\n'));
    EXPECT_LT(took.elapsed(), 10000) << "the save waited for a lock nobody holds";
    EXPECT_FALSE(QFileInfo::exists(file() + ".previous"));
}

}  // namespace
