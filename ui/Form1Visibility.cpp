#include "Form1.h"
#include "TimeText.h"

// While the window is hidden nobody sees the seconds, and the ticker sleeps
// from one change of the minute to the next, where every mark falls. Shown, the
// clock face and the animation tick each second, from the current time on.
void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Время.setText(timeText(time_.now()));
    Часы1_Timer();
    followVisibility();
}

void Form1::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    followVisibility();
}

void Form1::followVisibility() {
    ticker_.setIdle(!isVisible());
}
