#include <gtest/gtest.h>
#include <sys/timex.h>

#include <QSignalSpy>
#include <QTest>

#include "ManualTime.h"
#include "platform/ClockWatch.h"
#include "platform/PollingClockWatch.h"

namespace {

// Steps the system clock by one nanosecond, forwards or back: a step the
// kernel tells of, too small for anyone to notice otherwise. Needs CAP_SYS_TIME.
bool stepClockByANanosecond(bool forwards) {
    timex step{};
    step.modes = ADJ_SETOFFSET | ADJ_NANO;
    step.time.tv_sec = forwards ? 0 : -1;
    step.time.tv_usec = forwards ? 1 : 999'999'999;  // nanoseconds, with ADJ_NANO
    return clock_adjtime(CLOCK_REALTIME, &step) >= 0;
}

}  // namespace

// The kernel's word comes at every step, not only the first; the clock ends
// where it was.
TEST(ClockWatch, HearsEveryStepOfTheSystemClock) {
    SystemTime time;
    const std::unique_ptr<ClockWatch> watch = makeClockWatch(time);
    QSignalSpy heard(watch.get(), &ClockWatch::clockSet);
    for (int step = 1; step <= 2; ++step) {
        if (!stepClockByANanosecond(step == 1))
            GTEST_SKIP() << "stepping the clock needs CAP_SYS_TIME";
        EXPECT_TRUE(QTest::qWaitFor([&] { return heard.size() == step; }, 3000)) << step;
    }
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
