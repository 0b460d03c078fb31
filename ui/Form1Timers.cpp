#include "core/Schedule.h"
#include "core/TimeText.h"
#include "ui/Form1.h"

void Form1::connectTimers() {
    const std::pair<SecondTimer*, void (Form1::*)()> timers[] = {
        // The time text first: the checks that follow in the same pass compare it.
        {&Часы4, &Form1::Часы4_Timer}, {&Min10, &Form1::Min10_Timer}, {&Min30, &Form1::Min30_Timer},
        {&Min60, &Form1::Min60_Timer}, {&Часы1, &Form1::Часы1_Timer}, {&Часы2, &Form1::Часы2_Timer},
        {&Часы3, &Form1::Часы3_Timer},
    };
    for (const auto& [timer, handler] : timers) {
        connect(timer, &SecondTimer::timeout, this, handler);
        ticker_.add(*timer);
    }
    Часы3.setObjectName(QStringLiteral("Часы3"));
    Часы2.setObjectName(QStringLiteral("Часы2"));
    Min30.setObjectName(QStringLiteral("Min30"));
    Min10.setObjectName(QStringLiteral("Min10"));
    Часы4.setObjectName(QStringLiteral("Часы4"));
    Min60.setObjectName(QStringLiteral("Min60"));
    Часы1.setObjectName(QStringLiteral("Часы1"));
}

void Form1::Часы4_Timer() {
    const QTime now = time_.now();
    Время.setText(timeText(now));
    turnedTo_ = secondsTurned_.since(now);
}

void Form1::Часы1_Timer() {
    VBTime.setText(time_.now().toString(clockFaceFormat_));
    VBTime.adjustSize();
}

void Form1::Min10_Timer() {
    checkMarks(quarterHourList(), QStringLiteral("eng"), QStringLiteral("rus"));
}

void Form1::Min30_Timer() {
    checkMarks(halfHourList(), QStringLiteral("rus"), QStringLiteral("eng"));
}

void Form1::Min60_Timer() {
    checkMarks(hourList(), QStringLiteral("rus"), QStringLiteral("eng"));
}

void Form1::checkMarks(const QStringList& marks, const QString& first, const QString& second) {
    for (const QString& code : {first, second}) {
        if (Param.text() != code) continue;
        // Normally the one second Время shows; more only after a held-up pass.
        for (const QString& text : turnedTo_)
            if (marks.contains(text)) backendFor(code)->Speak();
    }
}

void Form1::Часы2_Timer() {
    Изображение1.hide();
    Изображение2.show();
    Часы3.setEnabled(true);
    Часы2.setEnabled(false);
}

void Form1::Часы3_Timer() {
    Изображение2.hide();
    Изображение1.show();
    Часы2.setEnabled(true);
    Часы3.setEnabled(false);
}
