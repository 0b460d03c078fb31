#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include "StoreFixture.h"

namespace {

using KilledWriter = StoreTest;

TEST_F(KilledWriter, NeverLeavesAnUnreadableFile) {
    writeBytes(file(), "[Other]\nkeep=1\n");
    const QStringList texts{"15 минут", "30 минут", "60 минут"};
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        QProcess writer;
        writer.start(SETTINGS_WRITER, {dir.path()});
        ASSERT_TRUE(writer.waitForReadyRead(10000)) << qPrintable(writer.readAllStandardError());
        QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit)
            << "the writer stopped by itself: " << qPrintable(writer.readAllStandardError());

        const auto disk = storedOnDisk(file());
        EXPECT_EQ(disk.status, QSettings::NoError);
        EXPECT_TRUE(texts.contains(disk.values.value("Options/Interval")))
            << qPrintable(disk.values.value("Options/Interval"));
        EXPECT_EQ(disk.values.value("Other/keep"), "1");
    }
    EXPECT_TRUE(texts.contains(get("Interval")));
}

// A kill between creating the lock file and writing its owner into it leaves an
// empty lock; the next run must not wait for it to age (QSettings waits 30 s).
TEST_F(KilledWriter, OwnerlessLockDoesNotHoldUpTheNextSave) {
    writeBytes(file() + ".lock", "");
    QProcess writer;
    writer.start(SETTINGS_WRITER, {dir.path()});
    EXPECT_TRUE(writer.waitForReadyRead(10000)) << qPrintable(writer.readAllStandardError());
    writer.kill();
    writer.waitForFinished(10000);
    EXPECT_FALSE(storedOnDisk(file()).values.value("Options/Interval").isEmpty());
}

}  // namespace
