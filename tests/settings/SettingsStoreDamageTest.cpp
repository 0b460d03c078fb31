#include <QRandomGenerator>

#include "StoreFixture.h"

namespace {

using DamagedFile = StoreTest;

TEST_F(DamagedFile, BinaryGarbageReadsAsNothingStoredAndIsReportedOnce) {
    QRandomGenerator random(4);
    QByteArray garbage(4096, '\0');
    for (char& byte : garbage) byte = char(random.bounded(256));
    writeBytes(file(), garbage);

    for (const char* key : {"Language", "Interval", "Picture", "Logo"})
        EXPECT_EQ(get(key, "absent"), "absent") << key;
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QString("\"%1\" is damaged").arg(file())))
        << qPrintable(reports[0]);

    save("Interval", "30 минут");
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(storedOnDisk(file()).values.value("Options/Interval"), "30 минут");
}

TEST_F(DamagedFile, TruncatedFileKeepsWhatIsWhole) {
    const QByteArray whole = "[Options]\nLanguage=rus\nPicture=ani\nInterval=30 минут\n";
    writeBytes(file(), whole.left(whole.size() - 4));  // cut inside a Cyrillic letter
    EXPECT_EQ(get("Language"), "rus");
    EXPECT_EQ(get("Picture"), "ani");
    EXPECT_TRUE(get("Interval").startsWith("30 ми"));

    save("logo", "yes");
    const auto disk = storedOnDisk(file()).values;
    EXPECT_EQ(disk.value("Options/Language"), "rus");
    EXPECT_EQ(disk.value("Options/Picture"), "ani");
    EXPECT_EQ(disk.value("Options/logo"), "yes");

    writeBytes(file(), whole.left(4));  // cut inside the section name
    EXPECT_EQ(get("Language", "absent"), "absent");
}

TEST_F(DamagedFile, ForeignKeysSurviveAWrite) {
    writeBytes(file(),
               "[General]\nfoo=1\n[Other]\nkey=value\n; a comment\n"
               "[Options]\nUnknown=keep me\nlanguage=eng\n");
    EXPECT_EQ(get("Language"), "eng");

    save("Interval", "60 минут");
    save("Language", "rus");
    EXPECT_TRUE(reports.isEmpty()) << qPrintable(reports.join('\n'));
    const auto disk = storedOnDisk(file()).values;
    EXPECT_EQ(disk.value("foo"), "1");
    EXPECT_EQ(disk.value("Other/key"), "value");
    EXPECT_EQ(disk.value("Options/Unknown"), "keep me");
    EXPECT_EQ(disk.value("Options/Interval"), "60 минут");
    EXPECT_EQ(disk.value("Options/Language"), "rus");
    EXPECT_FALSE(disk.contains("Options/language"));
}

// A parse error must not be taken for a failed write.
TEST_F(DamagedFile, WriteOverAFileQtCannotParseSucceedsSilently) {
    writeBytes(file(), "[Options\nLanguage=rus\n[Other]\nkey=value\nno equals sign here\n");
    save("Interval", "15 минут");
    EXPECT_TRUE(reports.isEmpty()) << qPrintable(reports.join('\n'));
    const auto disk = storedOnDisk(file());
    EXPECT_EQ(disk.status, QSettings::NoError);
    EXPECT_EQ(disk.values.value("Options/Interval"), "15 минут");
    EXPECT_EQ(disk.values.value("Options/Language"), "rus");
    EXPECT_EQ(disk.values.value("Other/key"), "value");
}

TEST_F(DamagedFile, ValuesThatAreNotTextReadAsAbsent) {
    writeBytes(file(),
               "[Options]\nInterval=1, 2\nPicture=@Rect(1 2 3 4)\nLanguage=@Variant(garbage)\n"
               "Logo=@Variant(\\0\\0\\0\\xb\\xff\\xff\\xff\\xf0)\n");
    EXPECT_EQ(get("Interval"), "1, 2");  // a hand-written list, split by QSettings
    EXPECT_EQ(get("Picture", "absent"), "absent");
    EXPECT_EQ(get("Language", "absent"), "absent");
    get("Logo");  // a list claiming four billion entries must not bring the program down
}

}  // namespace
