#include <QTest>

#include "Form1Fixture.h"

using Form1SayTime = Form1Test;

TEST_F(Form1SayTime, ButtonAndShortcutSpeakInTheLanguageOfParam) {
    form.RestoreFromTray();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Param.setText(u"rus"_qs);
    QTest::mouseClick(&form.Комманда1, Qt::LeftButton);
    form.Param.setText(u"eng"_qs);
    QTest::mouseClick(&form.Комманда1, Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    form.Param.setText(u"rus"_qs);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(log.calls(), (QStringList{u"Voice"_qs, u"Eng"_qs, u"Eng"_qs, u"Voice"_qs}));
}

TEST_F(Form1SayTime, OtherCodesSayNothingAndTellNothing) {
    form.RestoreFromTray();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (const QString& code : {QString(), u"Rus"_qs, u" eng"_qs}) {
        form.Param.setText(code);
        QTest::mouseClick(&form.Комманда1, Qt::LeftButton);
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_TRUE(log.calls().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Form1SayTime, LeavesTheScheduleAsItWas) {
    form.Min30.setEnabled(true);
    form.saytime.trigger();
    EXPECT_TRUE(form.Min30.isEnabled());
    EXPECT_FALSE(form.Min10.isEnabled());
    EXPECT_FALSE(form.Min60.isEnabled());
}

class Form1WithoutSpeech : public Form1Test {
  protected:
    Form1WithoutSpeech() : Form1Test(QStringLiteral("/nonexistent-speech-dir")) {}
};

TEST_F(Form1WithoutSpeech, MissingLibraryIsToldOnceAndTheWindowGoesOn) {
    form.RestoreFromTray();
    form.Param.setText(u"eng"_qs);
    form.Min10.setEnabled(true);
    QTest::mouseClick(&form.Комманда1, Qt::LeftButton);
    passAt(QTime(13, 15, 0));
    form.saytime.trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u"English speech is unavailable"));
    EXPECT_TRUE(form.isVisible());
    passAt(QTime(13, 15, 1));
    EXPECT_EQ(form.Время.text(), u"13:15:01");
}
