#include <gtest/gtest.h>

#include <QSet>

#include "Schedule.h"
#include "TimeText.h"

namespace {

// Every second of the day whose time text is in `marks`.
QSet<QString> dueSecondsOfTheDay(const QStringList& marks) {
    QSet<QString> due;
    for (int s = 0; s < 24 * 3600; ++s) {
        const QString text = timeText(QTime(0, 0).addSecs(s));
        if (marks.contains(text)) due.insert(text);
    }
    return due;
}

QSet<QString> expected(int everyMinutes) {
    QSet<QString> marks;
    for (int h = 0; h < 24; ++h)
        for (int m = 0; m < 60; m += everyMinutes)
            marks.insert(QStringLiteral("%1:%2:00").arg(h).arg(m, 2, 10, QLatin1Char('0')));
    return marks;
}

}  // namespace

TEST(Schedule, ListsHoldTheQuarterHalfAndFullHoursOfTheDay) {
    EXPECT_EQ(quarterHourList().size(), 96);
    EXPECT_EQ(halfHourList().size(), 48);
    EXPECT_EQ(hourList().size(), 24);
    EXPECT_EQ(dueSecondsOfTheDay(quarterHourList()), expected(15));
    EXPECT_EQ(dueSecondsOfTheDay(halfHourList()), expected(30));
    EXPECT_EQ(dueSecondsOfTheDay(hourList()), expected(60));
}

TEST(Schedule, MarksAreWrittenAsTheTimeTextIs) {
    EXPECT_TRUE(quarterHourList().contains(u"0:15:00"));
    EXPECT_TRUE(quarterHourList().contains(u"9:45:00"));
    EXPECT_TRUE(hourList().contains(u"9:00:00"));
    EXPECT_FALSE(hourList().contains(u"09:00:00"));
    EXPECT_FALSE(quarterHourList().contains(u"1:15:00 PM"));
    EXPECT_FALSE(halfHourList().contains(u"13:15:00"));
    EXPECT_FALSE(hourList().contains(u"13:30:00"));
}
