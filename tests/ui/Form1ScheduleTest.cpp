#include <QRandomGenerator>

#include "Form1Fixture.h"

namespace {

const QStringList kOneEng{u"Eng"_qs};
const QStringList kOneVoice{u"Voice"_qs};

}  // namespace

using Form1Schedule = Form1Test;

TEST_F(Form1Schedule, TimeTextFollowsTheClock) {
    passAt(QTime(9, 0, 0, 4));
    EXPECT_EQ(form.Время.text(), u"9:00:00");
    passAt(QTime(23, 59, 59, 1));
    EXPECT_EQ(form.Время.text(), u"23:59:59");
}

TEST_F(Form1Schedule, QuarterHourMarkSpeaksOnceInTheLanguageOfParam) {
    form.Min10.setEnabled(true);
    form.Param.setText(u"eng"_qs);
    passAt(QTime(13, 15, 0, 3));
    EXPECT_EQ(log.calls(), kOneEng);

    log.clear();
    form.Param.setText(u"rus"_qs);
    passAt(QTime(13, 30, 0, 3));
    EXPECT_EQ(log.calls(), kOneVoice);
}

TEST_F(Form1Schedule, EachCheckSpeaksTheCurrentLanguage) {
    SecondTimer* checks[] = {&form.Min10, &form.Min30, &form.Min60};
    int hour = 1;
    for (SecondTimer* check : checks) {
        form.Min10.setEnabled(check == &form.Min10);
        form.Min30.setEnabled(check == &form.Min30);
        form.Min60.setEnabled(check == &form.Min60);
        for (const QString& code : {u"eng"_qs, u"rus"_qs}) {
            log.clear();
            form.Param.setText(code);
            passAt(QTime(hour++, 0, 0));
            EXPECT_EQ(log.calls(), code == u"eng" ? kOneEng : kOneVoice)
                << qPrintable(check->objectName()) << " " << qPrintable(code);
        }
    }
}

TEST_F(Form1Schedule, NothingOutsideTheDueSecondOrForAnotherCode) {
    form.Min10.setEnabled(true);
    form.Param.setText(u"eng"_qs);
    clockSetTo(QTime(13, 15, 1));  // a pass held up from 13:00 on would still see 13:15:00
    passAt(QTime(13, 15, 2));
    clockSetTo(QTime(13, 14, 59));  // set back, but the clock does not reach the mark
    EXPECT_TRUE(log.calls().isEmpty());
    for (const QString& code : {QString(), u"Eng"_qs, u"eng "_qs, u"RUS"_qs}) {
        form.Param.setText(code);
        passAt(QTime(14, 0, 0));
        passAt(QTime(14, 15, 0));
    }
    EXPECT_TRUE(log.calls().isEmpty());
}

TEST_F(Form1Schedule, OffMarksOfTheLongerIntervalsAreSilent) {
    form.Param.setText(u"eng"_qs);
    form.Min30.setEnabled(true);
    passAt(QTime(13, 15, 0));
    form.Min30.setEnabled(false);
    form.Min60.setEnabled(true);
    passAt(QTime(13, 30, 0));
    passAt(QTime(13, 45, 0));
    EXPECT_TRUE(log.calls().isEmpty());
}

TEST_F(Form1Schedule, DisabledChecksSayNothing) {
    form.Param.setText(u"eng"_qs);
    passAt(QTime(14, 0, 0));
    EXPECT_TRUE(log.calls().isEmpty());
}

TEST_F(Form1Schedule, MarkMissedWhileTheThreadWasHeldIsStillSaid) {
    form.Min10.setEnabled(true);
    form.Param.setText(u"rus"_qs);
    passAt(QTime(13, 14, 58));
    passAt(QTime(13, 15, 9, 400));  // a speech call held the thread for eleven seconds
    EXPECT_EQ(log.calls(), kOneVoice);
}

TEST_F(Form1Schedule, SettingTheClockForwardSkipsAMarkAndBackMakesItDueAgain) {
    form.Min10.setEnabled(true);
    form.Param.setText(u"eng"_qs);
    passAt(QTime(13, 14, 58));
    clockSetTo(QTime(13, 15, 2));  // just over the mark
    passAt(QTime(13, 15, 3));
    EXPECT_TRUE(log.calls().isEmpty());
    clockSetTo(QTime(13, 14, 59));
    passAt(QTime(13, 15, 0));
    EXPECT_EQ(log.calls(), kOneEng);
}

// A whole day of passes as a real timer delivers them: at a varying moment
// after each change of second, now and then an extra pass within the same
// second, now and then a pass held up for a few seconds.
class Form1Day : public Form1Test, public testing::WithParamInterface<int> {};

TEST_P(Form1Day, EveryMarkOfTheDayIsSaidExactlyOnce) {
    const int minutes = GetParam();
    SecondTimer& check = minutes == 15 ? form.Min10 : minutes == 30 ? form.Min30 : form.Min60;
    check.setEnabled(true);
    form.Param.setText(u"eng"_qs);
    QRandomGenerator random(minutes);
    const QTime midnight(0, 0);
    passAt(QTime(23, 59, 59, 500));
    for (int s = 0; s < 24 * 3600; ++s) {
        const int roll = random.bounded(100);
        if (roll < 3) continue;  // held up: this second is seen late
        passAt(midnight.addSecs(s).addMSecs(random.bounded(1, 400)));
        if (roll > 95) passAt(midnight.addSecs(s).addMSecs(random.bounded(400, 1000)));
    }
    passAt(QTime(0, 0, 0, 5));  // the next midnight closes the day
    const qsizetype marks = 24 * 60 / minutes;
    EXPECT_EQ(log.calls().size(), marks + 1);  // the day's marks and the next midnight
    EXPECT_EQ(log.calls().count(u"Eng"_qs), marks + 1);
}

INSTANTIATE_TEST_SUITE_P(Intervals, Form1Day, testing::Values(15, 30, 60));
