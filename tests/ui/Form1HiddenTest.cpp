#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "Form1.h"
#include "ManualTray.h"
#include "ShiftedTime.h"
#include "SpeechLog.h"

// The main window on its real timers, the clock moved to just before a mark.
class Form1Hidden : public testing::Test {
  protected:
    SpeechLog log;
    ShiftedTime time{QTime(13, 14, 58, 300)};
    SecondTicker ticker{time};
    SpeechBackends speech{recordingSpeechDir(), [](const UserText&) {}};
    QTemporaryDir settingsDir;
    SettingsStore settings{settingsDir.path()};
    ManualTray tray;
    Form1 form{{time, ticker, speech, settings, tray, {}}};
};

TEST_F(Form1Hidden, SleepsToTheMarkAndWhenShownTicksEachSecondFromTheCurrentTime) {
    form.Min10.setEnabled(true);
    form.Param.setText(u"eng"_qs);
    ASSERT_TRUE(ticker.isIdle());
    ticker.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.calls().isEmpty(); }, 5000));
    EXPECT_EQ(log.calls(), QStringList{u"Eng"_qs});
    EXPECT_EQ(ticker.passCount(), 1u);  // none at 13:14:59
    EXPECT_EQ(form.Время.text(), u"13:15:00");

    time.setClock(QTime(15, 40, 10, 300));
    const QString faceWhileHidden = form.VBTime.text();
    form.RestoreFromTray();
    EXPECT_FALSE(ticker.isIdle());
    EXPECT_EQ(form.Время.text(), u"15:40:10");
    EXPECT_NE(form.VBTime.text(), faceWhileHidden);
    const quint64 passes = ticker.passCount();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticker.passCount() >= passes + 2; }, 5000));
    form.showMinimized();  // gone to the tray
    EXPECT_TRUE(ticker.isIdle());
    EXPECT_EQ(log.calls().size(), 1);
}
