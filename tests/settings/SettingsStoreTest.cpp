#include <QFileInfo>

#include "StoreFixture.h"

namespace {

using Basics = StoreTest;

TEST_F(Basics, TextsComeBackExactlyAndReachTheDiskAtOnce) {
    const QStringList texts{"15 минут", "30 минут",      "60 минут",    "Хорало 2.5",  "",
                            "1, 2",     "@Variant(abc)", "@",           "true",        " padded ",
                            "a;b=c",    "\"quoted\"",    "line\nbreak", "back\\slash", "[Options]",
                            "%41"};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        save("Interval", text);
        EXPECT_EQ(get("Interval", "absent"), text);
        EXPECT_EQ(storedOnDisk(file()).values.value("Options/Interval", "absent"), text);
        EXPECT_EQ(SettingsStore(dir.path()).GetSetting("Zef", "Options", "Interval", "absent"),
                  text);
    }
    EXPECT_TRUE(reports.isEmpty()) << qPrintable(reports.join('\n'));
}

TEST_F(Basics, KeysMatchWithoutRegardToCaseAndKeepOneSpelling) {
    writeBytes(file(), "[Options]\nLOGO=no\nlogO=maybe\nlanguage=rus\n");
    EXPECT_EQ(get("Language"), "rus");
    EXPECT_EQ(get("logO"), "maybe");  // the exact spelling wins
    EXPECT_EQ(get("LOGO"), "no");

    save("logo", "yes");
    EXPECT_EQ(get("Logo"), "yes");
    save("Logo", "sure");
    EXPECT_EQ(get("LOGO"), "sure");
    const auto disk = storedOnDisk(file()).values;
    EXPECT_EQ(disk.keys(), (QStringList{"Options/Logo", "Options/language"}));
    EXPECT_EQ(disk.value("Options/Logo"), "sure");
    EXPECT_EQ(disk.value("Options/language"), "rus");
}

TEST_F(Basics, AbsentValuesReadAsTheCallersDefault) {
    EXPECT_EQ(get("Language"), "");
    EXPECT_EQ(get("Language", "fallback"), "fallback");
    EXPECT_FALSE(QFileInfo::exists(file())) << "reading must not create the file";

    writeBytes(file(), "[Options]\nLanguage=rus\n[Other]\nInterval=x\n");
    EXPECT_EQ(get("Interval", "fallback"), "fallback");
    EXPECT_EQ(store.GetSetting("Zef", "Missing", "Language", "fallback"), "fallback");
    EXPECT_EQ(store.GetSetting("Other", "Options", "Language", "fallback"), "fallback");
    EXPECT_EQ(get("Language", "fallback"), "rus");
}

TEST_F(Basics, BadNamesAreReportedAndNotStored) {
    save("", "x");
    save("a/b", "x");
    store.SaveSetting("Zef", "", "Interval", "x");
    store.SaveSetting("..\\Zef", "Options", "Interval", "x");
    EXPECT_EQ(get("", "fallback"), "fallback");
    EXPECT_EQ(reports.size(), 5);
    EXPECT_FALSE(QFileInfo::exists(file()));
}

}  // namespace
