#include <QGuiApplication>

#include "Form1.h"

void Form1::TrayIcon_Click(TrayIcon::Click click) {
    if (click != TrayIcon::Click::Middle) RestoreFromTray();
}

void Form1::RestoreFromTray() {
    // On Wayland a program can neither raise its window nor learn that the
    // compositor minimised it (xdg-shell does not say): a shown window that is
    // not the active one is mapped afresh, which brings it up normal and in front.
    if (isVisible() && !isActiveWindow() && QGuiApplication::platformName().startsWith(u"wayland"))
        hide();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

// Showing the window while it is minimised is the show whose resize step
// finds it minimised and hides it: with a notification area it goes straight
// there and is never mapped, so it does not flash up on the screen. Without one
// the window comes up normal: it is the only way to reach the program, and X
// window managers do not reliably map a window that starts minimised.
void Form1::setVisible(bool visible) {
    if (visible && !isVisible() && isMinimized()) {
        if (tray_.isAvailable()) {
            Form_Resize();
            return;
        }
        overrideWindowState(windowState() & ~Qt::WindowMinimized);
    }
    QMainWindow::setVisible(visible);
}
