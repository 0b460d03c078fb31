#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ManualTime.h"
#include "PollingClockWatch.h"

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
