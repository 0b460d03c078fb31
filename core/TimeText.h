#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// The time text the announcement checks compare: the hour without a leading
// zero, then two-digit minutes and seconds ("9:05:07", "23:59:59"), whatever
// the user's regional format.
QString timeText(QTime time);

// The clock face: the time in the locale's long time format, without the time
// zone. A 24-hour format shows the hour without its leading zero, like the time
// text; the C locale, which has no regional format, gives the time text's form.
class ClockFace {
  public:
    explicit ClockFace(const QLocale& locale);
    QString text(QTime time) const { return locale_.toString(time, format_); }

  private:
    QLocale locale_;
    QString format_;
};
