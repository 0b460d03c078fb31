#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ClockStep.h"
#include "ClockWatch.h"
#include "ManualTime.h"
#include "PollingClockWatch.h"

// The kernel's word comes at every step, not only the first.
TEST(ClockWatch, HearsEveryStepOfTheSystemClock) {
    SystemTime time;
    const std::unique_ptr<ClockWatch> watch = makeClockWatch(time);
    QSignalSpy heard(watch.get(), &ClockWatch::clockSet);
    if (!stepClockThereAndBack()) GTEST_SKIP() << "stepping the clock needs CAP_SYS_TIME";
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() >= 1; }, 3000));
    const qsizetype heardBefore = heard.size();
    ASSERT_TRUE(stepClockThereAndBack());
    EXPECT_TRUE(QTest::qWaitFor([&] { return heard.size() > heardBefore; }, 3000));
}

TEST(PollingClockWatch, TellsASetClockFromTimeGoingBy) {
    ManualTime time(QTime(13, 0, 0));
    PollingClockWatch watch(time);
    QSignalSpy heard(&watch, &ClockWatch::clockSet);
    time.set(QTime(13, 0, 5));  // a held-up look: both clocks moved
    watch.look();
    EXPECT_EQ(heard.size(), 0);
    time.setClock(QTime(12, 59, 58));
    watch.look();
    EXPECT_EQ(heard.size(), 1);
    time.set(QTime(0, 0, 1));  // through midnight
    watch.look();
    EXPECT_EQ(heard.size(), 1);
}
