#include <gtest/gtest.h>

#include <QTest>

#include "ManualTime.h"
#include "SecondTicker.h"
#include "SecondTimer.h"
#include "ShiftedTime.h"

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

TEST(SecondTicker, TimerEnabledOrAddedDuringAPassWaitsForTheNextSecond) {
    ManualTime time;
    SecondTicker ticker(time);
    Counted a(true), b(false), added(true);
    // a hands over to b, as the two halves of the animation do, and brings in another.
    QObject::connect(&a.timer, &SecondTimer::timeout, [&] {
        b.timer.setEnabled(true);
        a.timer.setEnabled(false);
        ticker.add(added.timer);
    });
    ticker.add(a.timer);
    ticker.add(b.timer);
    ticker.runPass();
    EXPECT_EQ(a.ticks, 1);
    EXPECT_EQ(b.ticks, 0);
    EXPECT_EQ(added.ticks, 0);
    ticker.runPass();
    EXPECT_EQ(b.ticks, 1);
    EXPECT_EQ(added.ticks, 1);
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

TEST(SecondTicker, RemovingATimerDuringAPassLetsTheOthersTick) {
    ManualTime time;
    SecondTicker ticker(time);
    Counted first(true), remover(true), next(true);
    QObject::connect(&remover.timer, &SecondTimer::timeout, [&] { ticker.remove(first.timer); });
    for (Counted* c : {&first, &remover, &next}) ticker.add(c->timer);
    ticker.runPass();
    EXPECT_EQ(next.ticks, 1);
    ticker.runPass();
    EXPECT_EQ(first.ticks, 1);
    EXPECT_EQ(next.ticks, 2);
}

TEST(SecondTicker, AFiringJustBeforeTheChangeWaitsForIt) {
    for (int period : {1000, 60000}) {
        EXPECT_TRUE(isFiringForNewPeriod(0, period));
        EXPECT_TRUE(isFiringForNewPeriod(period - 101, period));  // late, for a change not yet seen
        EXPECT_FALSE(isFiringForNewPeriod(period - 100, period));
        EXPECT_FALSE(isFiringForNewPeriod(period - 1, period));
        // Armed from any moment of a period, the timer lands just after the next change.
        for (int into : {0, 2, period / 2, period - 100, period - 1}) {
            const int landsAt = into + msUntilNextPeriod(into, period);
            EXPECT_GT(landsAt, period) << into;
            EXPECT_TRUE(isFiringForNewPeriod(landsAt - period, period)) << into;
        }
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

// Idle, the ticker sleeps through the seconds to the change of the minute; a
// clock set back makes it look at once and wait for the minute again.
TEST(SecondTicker, IdlePassesComeAtTheChangeOfTheMinuteAndWhenTheClockIsSet) {
    ShiftedTime time(QTime(13, 14, 58, 400));
    SecondTicker ticker(time);
    SecondTimer timer(true);
    QList<QTime> seen;
    QObject::connect(&timer, &SecondTimer::timeout, [&] { seen << time.now(); });
    ticker.add(timer);
    ticker.setIdle(true);
    ticker.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty(); }, 5000));
    EXPECT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].toString(u"H:mm:ss"_qs), u"13:15:00");

    time.setClock(QTime(13, 14, 59, 500));
    ticker.clockWasSet();
    ASSERT_EQ(seen.size(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() == 3; }, 5000));
    EXPECT_EQ(seen[2].toString(u"H:mm:ss"_qs), u"13:15:00");
}
