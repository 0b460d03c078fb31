#include <gtest/gtest.h>

#include "TimeText.h"

TEST(TimeText, HourHasNoLeadingZeroMinutesAndSecondsHaveTwoDigits) {
    EXPECT_EQ(timeText(QTime(0, 0, 0)), u"0:00:00");
    EXPECT_EQ(timeText(QTime(23, 59, 59)), u"23:59:59");
    EXPECT_EQ(timeText(QTime(12, 0, 0)), u"12:00:00");
    EXPECT_EQ(timeText(QTime(9, 0, 0)), u"9:00:00");
    EXPECT_EQ(timeText(QTime(9, 5, 7)), u"9:05:07");
}

TEST(TimeText, DoesNotDependOnTheUsersLocale) {
    const QLocale saved;
    for (const char* name : {"en_US", "de_DE", "ru_RU", "ja_JP", "ar_EG"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        EXPECT_EQ(timeText(QTime(21, 5, 7)), u"21:05:07") << name;
        EXPECT_EQ(timeText(QTime(9, 0, 0)), u"9:00:00") << name;
    }
    QLocale::setDefault(saved);
}

namespace {
QString face(const char* locale, QTime time) {
    return ClockFace(QLocale(QString::fromLatin1(locale))).text(time);
}
}  // namespace

TEST(ClockFace, TwentyFourHourLocalesReadLikeTheTimeText) {
    for (const char* name : {"C", "en_GB", "ru_RU", "de_DE"}) {
        EXPECT_EQ(face(name, QTime(9, 5, 7)), u"9:05:07") << name;
        EXPECT_EQ(face(name, QTime(0, 0, 0)), u"0:00:00") << name;
        EXPECT_EQ(face(name, QTime(23, 59, 59)), u"23:59:59") << name;
    }
}

TEST(ClockFace, TwelveHourLocaleKeepsItsFormWithSecondsAndNoZone) {
    const QString morning = face("en_US", QTime(9, 5, 7));
    EXPECT_EQ(morning, u"9:05:07 AM");
    EXPECT_EQ(face("en_US", QTime(21, 5, 7)), u"9:05:07 PM");
    EXPECT_EQ(face("en_US", QTime(0, 0, 0)), u"12:00:00 AM");
}

TEST(ClockFace, MarkersAndDigitsAreTheLocalesOwn) {
    EXPECT_TRUE(face("ko_KR", QTime(21, 5, 7)).contains(u"오후"));
    EXPECT_TRUE(face("ar_EG", QTime(21, 5, 7)).contains(u'\u0669'));  // Arabic-Indic nine
    const QString persian = face("fa_IR", QTime(21, 5, 7));
    EXPECT_FALSE(persian.contains(u"()")) << qPrintable(persian);
    EXPECT_FALSE(persian.endsWith(u' '));
}
