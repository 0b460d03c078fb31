#include <QEvent>

#include "ui/Form1.h"

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

// Minimising and restoring change the state, not the size, in Qt.
void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && laidOut_) Form_Resize();
}

// Runs whenever the window's size or state changes: first show, minimise, restore.
// Minimised means gone to the notification area; without one the window stays
// minimised on the taskbar, where the user can still reach it.
void Form1::Form_Resize() {
    if (isMinimized() && tray_.isAvailable()) hide();
    ApplyInterval();
}
