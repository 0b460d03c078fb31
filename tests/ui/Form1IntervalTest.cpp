#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "Form1Fixture.h"

class Form1Interval : public Form1Test {
  protected:
    void SetUp() override {
        form.RestoreFromTray();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void minimise() { form.setWindowState(Qt::WindowMinimized); }
    void restore() { form.setWindowState(Qt::WindowNoState); }
    // Which checks run, as "Min10 Min30 Min60" flags.
    std::array<bool, 3> checks() const {
        return {form.Min10.isEnabled(), form.Min30.isEnabled(), form.Min60.isEnabled()};
    }
};

constexpr std::array kQuarter{true, false, false};
constexpr std::array kHalf{false, true, false};
constexpr std::array kHour{false, false, true};

TEST_F(Form1Interval, FirstShowAppliesAndStoresTheDesignText) {
    EXPECT_EQ(checks(), kQuarter);
    EXPECT_EQ(stored(u"Interval"_qs), u"15 минут");
}

TEST_F(Form1Interval, ANewChoiceWaitsForTheNextWindowStateChange) {
    form.Комбо1.setCurrentIndex(2);  // "60 минут"
    EXPECT_EQ(checks(), kQuarter);
    EXPECT_EQ(stored(u"Interval"_qs), u"15 минут");
    minimise();
    EXPECT_EQ(checks(), kHour);
    EXPECT_EQ(stored(u"Interval"_qs), u"60 минут");

    form.Комбо1.setCurrentIndex(1);  // "30 минут"
    restore();
    EXPECT_EQ(checks(), kHalf);
    EXPECT_EQ(stored(u"Interval"_qs), u"30 минут");
}

TEST_F(Form1Interval, TextsOffTheListAreStoredAndChangeNoCheck) {
    form.Комбо1.setCurrentIndex(1);
    minimise();
    ASSERT_EQ(checks(), kHalf);
    for (const QString& typed :
         {u"45 минут"_qs, u"30 минут "_qs, u"30 Минут"_qs, u" 60 минут"_qs, QString()}) {
        form.Комбо1.setEditText(typed);
        restore();
        EXPECT_EQ(checks(), kHalf) << qPrintable(typed);
        EXPECT_EQ(stored(u"Interval"_qs), typed);
        minimise();
        EXPECT_EQ(stored(u"Interval"_qs), typed);
    }
}

TEST_F(Form1Interval, EveryMinimiseAndRestoreLeavesTheChosenCheckAlone) {
    const std::pair<int, std::array<bool, 3>> choices[] = {
        {2, kHour}, {0, kQuarter}, {1, kHalf}, {2, kHour}, {1, kHalf}, {0, kQuarter}};
    bool minimised = false;
    for (const auto& [index, running] : choices) {
        form.Комбо1.setCurrentIndex(index);
        minimised ? restore() : minimise();
        minimised = !minimised;
        EXPECT_EQ(checks(), running) << index;
    }
}

// Typed by the user, key by key: the text stays as typed, list or no list.
TEST_F(Form1Interval, TypedTextIsNeitherCompletedNorAddedToTheList) {
    QLineEdit& edit = *form.Комбо1.lineEdit();
    edit.clear();
    for (const QString& letter : {u"3"_qs, u"0"_qs, u" "_qs, u"М"_qs, u"и"_qs})
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, letter, Qt::NoModifier);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Tab);
    EXPECT_EQ(form.Комбо1.currentText(), u"30 Ми");
    EXPECT_EQ(form.Комбо1.count(), 3);
    minimise();
    EXPECT_EQ(stored(u"Interval"_qs), u"30 Ми");
    EXPECT_EQ(checks(), kQuarter);
}

// The settings folder is taken by a file: saving cannot work until it is cleared.
class Form1WithBlockedSettings : public Form1Test {
  protected:
    void SetUp() override {
        QFile file(settingsRoot);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
};

TEST_F(Form1WithBlockedSettings, FailedSaveIsToldOnceAndTheIntervalStillApplies) {
    form.RestoreFromTray();
    form.Комбо1.setCurrentIndex(1);
    form.setWindowState(Qt::WindowMinimized);
    form.setWindowState(Qt::WindowNoState);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(settingsRoot));
    EXPECT_TRUE(form.Min30.isEnabled());
    EXPECT_EQ(stored(u"Interval"_qs), u"30 минут");  // kept in memory

    QFile::remove(settingsRoot);  // the user clears the way: the next save goes through
    form.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(SettingsStore(settingsRoot).GetSetting(u"Zef"_qs, u"Options"_qs, u"Interval"_qs, {}),
              u"30 минут");
    EXPECT_EQ(messages.size(), 1);
}
