#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "StoreFixture.h"

namespace {

using FailedWrite = StoreTest;

TEST_F(FailedWrite, IsReportedOncePerStreakKeptInMemoryAndRetried) {
    const QString root = dir.filePath("config");
    writeBytes(root, "a file where the folder belongs");
    SettingsStore blocked(root);
    watch(blocked);
    const QString file = blocked.location("Zef");

    blocked.SaveSetting("Zef", "Options", "Interval", "30 минут");
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(file)) << qPrintable(reports[0]);
    EXPECT_TRUE(reports[0].contains(QString("\"%1\" is a file, not a folder").arg(root)))
        << qPrintable(reports[0]);
    EXPECT_TRUE(russianReports[0].startsWith("Не удаётся сохранить настройки"));
    EXPECT_TRUE(russianReports[0].contains(QString("\"%1\" — это файл, а не папка").arg(root)))
        << qPrintable(russianReports[0]);
    EXPECT_EQ(blocked.GetSetting("Zef", "Options", "interval", ""), "30 минут");

    blocked.SaveSetting("Zef", "Options", "Language", "rus");
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(blocked.GetSetting("Zef", "Options", "Language", ""), "rus");

    ASSERT_TRUE(QFile::remove(root));
    blocked.SaveSetting("Zef", "Options", "Picture", "ani");
    EXPECT_EQ(reports.size(), 1);
    const auto disk = storedOnDisk(file).values;
    EXPECT_EQ(disk.value("Options/Interval"), "30 минут");
    EXPECT_EQ(disk.value("Options/Language"), "rus");
    EXPECT_EQ(disk.value("Options/Picture"), "ani");

    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));
    blocked.SaveSetting("Zef", "Options", "logo", "no");
    blocked.SaveSetting("Zef", "Options", "logo", "yes");
    ASSERT_EQ(reports.size(), 2);
    EXPECT_TRUE(reports[1].contains("it is a folder, not a file")) << qPrintable(reports[1]);
    EXPECT_EQ(blocked.GetSetting("Zef", "Options", "Logo", ""), "yes");
    EXPECT_EQ(blocked.GetSetting("Zef", "Options", "Picture", ""), "");  // the folder hides it
}

// Each of these once made QSettings fail silently, wait forever or run out of
// memory. The file is reported at the first read, and never written over.
TEST_F(FailedWrite, NamesTheFileAndTheReasonWithoutHanging) {
    struct Case {
        const char* name;
        std::function<void(const QString& file)> block;
        QString reason;
    };
    const Case cases[] = {
        {"pipe in place of the file",
         [](const QString& file) { ASSERT_EQ(mkfifo(QFile::encodeName(file), 0600), 0); },
         "it is not a regular file"},
        {"folder in place of the lock file",
         [](const QString& file) { ASSERT_TRUE(QDir().mkdir(file + ".lock")); },
         "is not a regular file"},
        {"100 MB file",
         [](const QString& file) {
             QFile f(file);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(qint64(100) << 20));
         },
         "it is larger than any such file (104857600 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reports.clear();
        QTemporaryDir root;
        SettingsStore blocked(root.path());
        watch(blocked);
        const QString file = blocked.location("Zef");
        c.block(file);
        const QFileInfo before(file);

        EXPECT_EQ(blocked.GetSetting("Zef", "Options", "Interval", "absent"), "absent");
        EXPECT_EQ(blocked.GetSetting("Zef", "Options", "Language", "absent"), "absent");
        ASSERT_EQ(reports.size(), 1);
        EXPECT_TRUE(reports[0].startsWith("Cannot read the settings from \"" + file))
            << qPrintable(reports[0]);
        EXPECT_TRUE(reports[0].contains(c.reason)) << qPrintable(reports[0]);

        blocked.SaveSetting("Zef", "Options", "Interval", "60 минут");
        ASSERT_EQ(reports.size(), 2);
        EXPECT_TRUE(reports[1].startsWith("Cannot save the settings to \"" + file))
            << qPrintable(reports[1]);
        EXPECT_TRUE(reports[1].contains(c.reason)) << qPrintable(reports[1]);
        EXPECT_FALSE(blocked.allSaved());
        EXPECT_EQ(blocked.GetSetting("Zef", "Options", "Interval", ""), "60 минут");
        EXPECT_EQ(QFileInfo(file).size(), before.size());
    }
}

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit old_{};
    sighandler_t oldHandler_;
};

// Room for the old file but not for the new one: Qt puts the short file in
// place and calls the save a success. Over a damaged file, the parse error
// must not hide the failed write either. The old file must stay whole.
TEST_F(FailedWrite, FileCutShortIsReportedAndTheOldOneKept) {
    const struct {
        QByteArray old;
        rlim_t limit;
        QString keptKey, keptText;
    } cases[] = {
        {"[Other]\nkey=" + QByteArray(100, 'x') + "\n", 200, "Other/key", QString(100, u'x')},
        {"[Options\nLanguage=rus\n", 22, "Options/Language", "rus"}};  // no room for a lock
    for (const auto& c : cases) {
        SCOPED_TRACE(c.old.constData());
        reports.clear();
        writeBytes(file(), c.old);
        {
            FileSizeLimit limit(c.limit);
            save("Interval", QString(150, u'м'));
        }
        ASSERT_EQ(reports.size(), 1);
        EXPECT_TRUE(reports[0].contains("the file cannot be written")) << qPrintable(reports[0]);
        EXPECT_EQ(readBytes(file()), c.old);
        EXPECT_FALSE(store.allSaved());
        EXPECT_TRUE(store.saveFailure().english.startsWith("Cannot save the settings to"));
        EXPECT_EQ(get("Interval"), QString(150, u'м'));

        save("Picture", "ani");
        EXPECT_EQ(reports.size(), 1);
        EXPECT_TRUE(store.allSaved());
        const auto disk = storedOnDisk(file()).values;
        EXPECT_EQ(disk.value("Options/Interval"), QString(150, u'м'));
        EXPECT_EQ(disk.value("Options/Picture"), "ani");
        EXPECT_EQ(disk.value(c.keptKey), c.keptText);
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"Zef.ini"});
    }
}

}  // namespace
