#include <gtest/gtest.h>

#include "ManualTime.h"
#include "SecondsTurned.h"

namespace {

QTime at(int h, int m, int s, int ms = 0) {
    return QTime(h, m, s, ms);
}

// The seconds turned, read off a clock that is moved as the test says.
class Seconds {
  public:
    QStringList passAt(QTime t) {
        clock_.set(t);
        return read();
    }
    QStringList clockSetTo(QTime t) {
        clock_.setClock(t);
        return read();
    }

    void startAt(QTime t) {
        clock_.set(t);
        seconds_.startAt(clock_.now(), clock_.monotonicMs());
    }

  private:
    QStringList read() { return seconds_.since(clock_.now(), clock_.monotonicMs()); }
    ManualTime clock_;
    SecondsTurned seconds_;
};

}  // namespace

TEST(SecondsTurned, EachSecondIsSeenOnceWhateverTheTicksDo) {
    Seconds seconds;
    EXPECT_EQ(seconds.passAt(at(13, 14, 58, 3)), QStringList{u"13:14:58"_qs});
    EXPECT_EQ(seconds.passAt(at(13, 14, 58, 999)), QStringList{});  // early tick, same second
    EXPECT_EQ(seconds.passAt(at(13, 14, 59, 2)), QStringList{u"13:14:59"_qs});
    EXPECT_EQ(seconds.passAt(at(13, 14, 59, 500)), QStringList{});
    EXPECT_EQ(seconds.passAt(at(13, 15, 0, 1)), QStringList{u"13:15:00"_qs});
    EXPECT_EQ(seconds.passAt(at(13, 15, 0, 2)), QStringList{});
}

TEST(SecondsTurned, AHeldUpPassSeesTheMissedSecondsOfTheMinuteItIsIn) {
    Seconds seconds;
    seconds.passAt(at(13, 14, 50));
    // A speech call held the thread from 13:14:50 to 13:15:01.
    EXPECT_EQ(seconds.passAt(at(13, 15, 1, 300)), (QStringList{u"13:15:00"_qs, u"13:15:01"_qs}));
    // Held into the next minute, the missed mark would be told a minute late.
    seconds.passAt(at(13, 29, 58));
    EXPECT_EQ(seconds.passAt(at(13, 31, 0, 20)), QStringList{u"13:31:00"_qs});
    // Midnight is no jump.
    seconds.passAt(at(23, 59, 58));
    EXPECT_EQ(seconds.passAt(at(0, 0, 1)), (QStringList{u"0:00:00"_qs, u"0:00:01"_qs}));
}

TEST(SecondsTurned, SettingTheClockForwardSkipsEvenAFewSeconds) {
    Seconds seconds;
    seconds.passAt(at(13, 14, 58));
    EXPECT_EQ(seconds.clockSetTo(at(13, 15, 3)), QStringList{u"13:15:03"_qs});
    EXPECT_EQ(seconds.passAt(at(13, 15, 4)), QStringList{u"13:15:04"_qs});
    EXPECT_EQ(seconds.clockSetTo(at(13, 40, 0)), QStringList{u"13:40:00"_qs});
}

TEST(SecondsTurned, SettingTheClockBackMakesSecondsComeAgain) {
    Seconds seconds;
    seconds.passAt(at(13, 15, 30));
    EXPECT_EQ(seconds.clockSetTo(at(13, 14, 59)), QStringList{u"13:14:59"_qs});
    EXPECT_EQ(seconds.passAt(at(13, 15, 0)), QStringList{u"13:15:00"_qs});
    // Back by one second is a step back, not a wait of almost a day.
    EXPECT_EQ(seconds.clockSetTo(at(13, 14, 59, 10)), QStringList{u"13:14:59"_qs});
}

TEST(SecondsTurned, AVeryLongHoldIsNotMadeUpFor) {
    Seconds seconds;
    seconds.passAt(at(8, 0, 0));
    EXPECT_EQ(seconds.passAt(at(8, 20, 0)), QStringList{u"8:20:00"_qs});
}

// The first pass of a program frozen (SIGSTOP, a stalled machine) from before
// a mark until after it: the mark of the current minute is found, one of an
// earlier minute is not.
TEST(SecondsTurned, AFirstPassAfterAFreezeSeesTheMissedSecondsOfItsMinute) {
    Seconds frozenSeconds;
    frozenSeconds.startAt(at(13, 14, 55, 400));
    EXPECT_EQ(frozenSeconds.passAt(at(13, 15, 3, 10)),
              (QStringList{u"13:15:00"_qs, u"13:15:01"_qs, u"13:15:02"_qs, u"13:15:03"_qs}));

    Seconds frozenOverAMinute;
    frozenOverAMinute.startAt(at(13, 44, 58));
    EXPECT_EQ(frozenOverAMinute.passAt(at(13, 46, 1, 5)),
              (QStringList{u"13:46:00"_qs, u"13:46:01"_qs}));
}
