#include <gtest/gtest.h>

#include <QTest>

#include "ManualTime.h"
#include "SecondTicker.h"
#include "SecondTimer.h"

namespace {

struct Counted {
    SecondTimer timer;
    int ticks = 0;
    explicit Counted(bool enabled) : timer(enabled) {
        QObject::connect(&timer, &SecondTimer::timeout, [this] { ++ticks; });
    }
};

}  // namespace

TEST(SecondTicker, TicksEnabledTimersInTheOrderTheyWereAdded) {
    ManualTime time;
    SecondTicker ticker(time);
    SecondTimer first(true), second(true), off(false);
    QStringList order;
    QObject::connect(&first, &SecondTimer::timeout, [&] { order << u"first"_qs; });
    QObject::connect(&second, &SecondTimer::timeout, [&] { order << u"second"_qs; });
    QObject::connect(&off, &SecondTimer::timeout, [&] { order << u"off"_qs; });
    ticker.add(second);
    ticker.add(off);
    ticker.add(first);
    ticker.runPass();
    EXPECT_EQ(order, (QStringList{u"second"_qs, u"first"_qs}));
}

TEST(SecondTicker, TimerEnabledDuringAPassWaitsForTheNextSecond) {
    ManualTime time;
    SecondTicker ticker(time);
    Counted a(true), b(false);
    // a hands over to b, as the two halves of the animation do.
    QObject::connect(&a.timer, &SecondTimer::timeout, [&] {
        b.timer.setEnabled(true);
        a.timer.setEnabled(false);
    });
    ticker.add(a.timer);
    ticker.add(b.timer);
    ticker.runPass();
    EXPECT_EQ(a.ticks, 1);
    EXPECT_EQ(b.ticks, 0);
    ticker.runPass();
    EXPECT_EQ(b.ticks, 1);
}

TEST(SecondTicker, EnablingAnEnabledTimerKeepsItTicking) {
    ManualTime time;
    SecondTicker ticker(time);
    Counted a(true);
    ticker.add(a.timer);
    ticker.runPass();
    a.timer.setEnabled(true);
    ticker.runPass();
    EXPECT_EQ(a.ticks, 2);
    a.timer.setEnabled(false);
    ticker.runPass();
    EXPECT_EQ(a.ticks, 2);
}

TEST(SecondTicker, TimerDestroyedBeforeTheTickerLeavesIt) {
    ManualTime time;
    SecondTicker ticker(time);
    {
        Counted gone(true);
        ticker.add(gone.timer);
    }
    Counted kept(true);
    ticker.add(kept.timer);
    ticker.runPass();
    EXPECT_EQ(kept.ticks, 1);
}

TEST(SecondTicker, AFiringJustBeforeTheChangeWaitsForIt) {
    EXPECT_TRUE(isFiringForNewSecond(0));
    EXPECT_TRUE(isFiringForNewSecond(899));  // late, but for a second not yet seen
    EXPECT_FALSE(isFiringForNewSecond(900));
    EXPECT_FALSE(isFiringForNewSecond(999));
    // Armed from any moment of a second, the timer lands just after the next change.
    for (int msec : {0, 2, 500, 900, 999}) {
        const int landsAt = msec + msUntilNextSecond(msec);
        EXPECT_GT(landsAt, 1000) << msec;
        EXPECT_TRUE(isFiringForNewSecond(landsAt - 1000)) << msec;
    }
}

// On the real clock the passes fall into new seconds, one per second. How soon
// after the change they come is measured by the benchmark.
TEST(SecondTicker, RealClockPassesFollowTheSecondsOfTheClock) {
    SystemTime time;
    SecondTicker ticker(time);
    SecondTimer timer(true);
    QList<QTime> seen;
    QObject::connect(&timer, &SecondTimer::timeout, [&] { seen << QTime::currentTime(); });
    ticker.add(timer);
    ticker.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 3; }, 10000));
    for (qsizetype i = 1; i < seen.size(); ++i) EXPECT_NE(seen[i].second(), seen[i - 1].second());
}
