#include "Schedule.h"

#include <QTime>

#include "TimeText.h"

namespace {

QStringList marksEvery(int minutes) {
    QStringList marks;
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; minute += minutes)
            marks.append(timeText(QTime(hour, minute)));
    return marks;
}

}  // namespace

const QStringList& quarterHourList() {
    static const QStringList marks = marksEvery(15);
    return marks;
}

const QStringList& halfHourList() {
    static const QStringList marks = marksEvery(30);
    return marks;
}

const QStringList& hourList() {
    static const QStringList marks = marksEvery(60);
    return marks;
}
