// The kernel's word that the wall clock was set, heard through the real system
// clock. Stepping it (by a nanosecond, there and back) is felt by every program
// on the machine that waits on the wall clock, so this check runs only when
// asked for by name: `make clock-check`, as root or with CAP_SYS_TIME.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ClockStep.h"
#include "ClockWatch.h"

// The word comes at every step, not only the first.
TEST(HostClock, TheClockWatchHearsEveryStepOfTheSystemClock) {
    if (qgetenv("HORALO_STEP_HOST_CLOCK") != "1")
        GTEST_SKIP() << "steps the machine's clock; run it with make clock-check";
    SystemTime time;
    const std::unique_ptr<ClockWatch> watch = makeClockWatch(time);
    QSignalSpy heard(watch.get(), &ClockWatch::clockSet);
    if (!stepClockThereAndBack()) GTEST_SKIP() << "stepping the clock needs CAP_SYS_TIME";
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() >= 1; }, 3000));
    const qsizetype heardBefore = heard.size();
    ASSERT_TRUE(stepClockThereAndBack());
    EXPECT_TRUE(QTest::qWaitFor([&] { return heard.size() > heardBefore; }, 3000));
}
