#include <gtest/gtest.h>

#include "core/SecondsTurned.h"

namespace {
QTime at(int h, int m, int s, int ms = 0) {
    return QTime(h, m, s, ms);
}
}  // namespace

TEST(SecondsTurned, EachSecondIsSeenOnceWhateverTheTicksDo) {
    SecondsTurned seconds;
    EXPECT_EQ(seconds.since(at(13, 14, 58, 3)), QStringList{u"13:14:58"_qs});
    EXPECT_EQ(seconds.since(at(13, 14, 58, 999)), QStringList{});  // early tick, same second
    EXPECT_EQ(seconds.since(at(13, 14, 59, 2)), QStringList{u"13:14:59"_qs});
    EXPECT_EQ(seconds.since(at(13, 14, 59, 500)), QStringList{});
    EXPECT_EQ(seconds.since(at(13, 15, 0, 1)), QStringList{u"13:15:00"_qs});
    EXPECT_EQ(seconds.since(at(13, 15, 0, 2)), QStringList{});
}

TEST(SecondsTurned, AHeldUpPassStillSeesTheSecondsItMissed) {
    SecondsTurned seconds;
    seconds.since(at(13, 14, 58));
    // A speech call held the thread from 13:14:58 to 13:15:01.
    EXPECT_EQ(seconds.since(at(13, 15, 1, 300)),
              (QStringList{u"13:14:59"_qs, u"13:15:00"_qs, u"13:15:01"_qs}));
}

TEST(SecondsTurned, MidnightIsNoJump) {
    SecondsTurned seconds;
    seconds.since(at(23, 59, 58));
    EXPECT_EQ(seconds.since(at(0, 0, 1)),
              (QStringList{u"23:59:59"_qs, u"0:00:00"_qs, u"0:00:01"_qs}));
}

TEST(SecondsTurned, SettingTheClockSkipsOrRepeats) {
    SecondsTurned seconds;
    seconds.since(at(13, 14, 50));
    // Forward over the mark: only the new second, 13:15:00 is skipped.
    EXPECT_EQ(seconds.since(at(13, 20, 0)), QStringList{u"13:20:00"_qs});
    // Back: the new second at once, and from there on the seconds come again.
    EXPECT_EQ(seconds.since(at(13, 14, 59)), QStringList{u"13:14:59"_qs});
    EXPECT_EQ(seconds.since(at(13, 15, 0)), QStringList{u"13:15:00"_qs});
    // Back by one second is a step back, not a wait of almost a day.
    EXPECT_EQ(seconds.since(at(13, 14, 59)), QStringList{u"13:14:59"_qs});
}

TEST(SecondsTurned, CatchUpIsLimited) {
    SecondsTurned seconds;
    seconds.since(at(8, 0, 0));
    EXPECT_EQ(seconds.since(at(8, 0, SecondsTurned::kCatchUpSeconds)).size(),
              SecondsTurned::kCatchUpSeconds);
    EXPECT_EQ(seconds.since(at(8, 0, 2 * SecondsTurned::kCatchUpSeconds + 1)).size(), 1);
}
