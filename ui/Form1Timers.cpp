#include "Form1.h"
#include "Schedule.h"
#include "TimeText.h"

void Form1::connectTimers() {
    const struct {
        SecondTimer* timer;
        const char16_t* name;
        void (Form1::*handler)();
    } timers[] = {
        // The time text first: the checks that follow in the same pass compare it.
        {&Часы4, u"Часы4", &Form1::Часы4_Timer}, {&Min10, u"Min10", &Form1::Min10_Timer},
        {&Min30, u"Min30", &Form1::Min30_Timer}, {&Min60, u"Min60", &Form1::Min60_Timer},
        {&Часы1, u"Часы1", &Form1::Часы1_Timer}, {&Часы2, u"Часы2", &Form1::Часы2_Timer},
        {&Часы3, u"Часы3", &Form1::Часы3_Timer},
    };
    for (const auto& [timer, name, handler] : timers) {
        timer->setObjectName(QString::fromUtf16(name));
        connect(timer, &SecondTimer::timeout, this, handler);
        ticker_.add(*timer);
    }
}

void Form1::Часы4_Timer() {
    const QTime now = time_.now();
    Время.setText(timeText(now));
    turnedTo_ = secondsTurned_.since(now, time_.monotonicMs());
}

void Form1::Часы1_Timer() {
    VBTime.setText(clockFace_.text(time_.now()));
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

SpeechBackend* Form1::backendFor(const QString& code) {
    if (code == u"eng") return &speech_.Eng;
    if (code == u"rus") return &speech_.Voice;
    return nullptr;
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
