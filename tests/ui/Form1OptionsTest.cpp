#include <QTest>

#include "Form1Fixture.h"

using Form1Options = Form1Test;

TEST_F(Form1Options, StoresTheChoiceInForceThenResetsToEnglishQuarterHours) {
    form.RestoreFromTray();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.rus.trigger();
    form.Комбо1.setCurrentIndex(2);
    form.setWindowState(Qt::WindowMinimized);  // "60 минут" applied
    form.setWindowState(Qt::WindowNoState);
    ASSERT_TRUE(form.Min60.isEnabled());

    form.options.trigger();
    EXPECT_EQ(stored(u"Interval"_qs), u"60 минут");
    EXPECT_EQ(stored(u"Language"_qs), u"rus");
    EXPECT_EQ(form.Комбо1.currentText(), u"15 минут");
    EXPECT_EQ(form.windowTitle(), u"Horalo");
    EXPECT_EQ(form.slogo.text(), u"&Show Logo");
    EXPECT_TRUE(form.eng.isChecked());
    EXPECT_FALSE(form.rus.isChecked());
    EXPECT_EQ(form.Param.text(), u"eng");

    // The hourly check goes on, now in English, until the window is next resized.
    passAt(QTime(14, 15, 0));
    passAt(QTime(15, 0, 0));
    EXPECT_EQ(log.calls(), QStringList{u"Eng"_qs});
    form.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(form.Min10.isEnabled());
    EXPECT_FALSE(form.Min60.isEnabled());
    EXPECT_EQ(stored(u"Interval"_qs), u"15 минут");
}

TEST_F(Form1Options, ATypedIntervalIsWhatGetsStored) {
    form.Комбо1.setEditText(u"45 минут"_qs);
    form.options.trigger();
    EXPECT_EQ(stored(u"Interval"_qs), u"45 минут");
    EXPECT_EQ(stored(u"Language"_qs), u"eng");
    form.options.trigger();  // the second time the defaults are what is in force
    EXPECT_EQ(stored(u"Interval"_qs), u"15 минут");
}
