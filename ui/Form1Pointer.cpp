#include <QMouseEvent>
#include <QWindow>

#include "ui/Form1.h"

// Labels and frames have no click or pointer-move signals of their own: the
// window watches their mouse events.
void Form1::watchPointer() {
    for (QWidget* watched :
         {static_cast<QWidget*>(&TalkPict), static_cast<QWidget*>(&VBTime),
          static_cast<QWidget*>(&Изображение1), static_cast<QWidget*>(&Изображение2),
          static_cast<QWidget*>(&Рамка2), &client})
        watched->installEventFilter(this);
    // Moves without a pressed button reach the frame only when it tracks them.
    // Its children track none, so Qt drops the moves over them instead of
    // passing them on: only the bare background leads back to the logo.
    Рамка2.setMouseTracking(true);
}

namespace {

// A click is a left-button release over the control the press began on.
bool isClick(QWidget& widget, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && widget.rect().contains(mouse->position().toPoint());
}

// A press a child ignores travels on to its parent; "bare" means no child
// lies under the pointer.
bool isOnBareArea(QWidget& widget, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return widget.childAt(mouse->position().toPoint()) == nullptr;
}

}  // namespace

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &TalkPict && isClick(TalkPict, event)) TalkPict_Click();
    if (watched == &VBTime && isClick(VBTime, event)) VBTime_Click();
    if (watched == &Изображение1 && isClick(Изображение1, event)) Изображение1_Click();
    if (watched == &Изображение2 && isClick(Изображение2, event)) Изображение2_Click();
    if (watched == &Рамка2 && event->type() == QEvent::MouseMove) Рамка2_MouseMove();
    if (watched == &client && event->type() == QEvent::MouseButtonPress &&
        isOnBareArea(client, event))
        Form_MouseDown();
    return QMainWindow::eventFilter(watched, event);
}

// Any button pressed on the bare surface moves the window, as its title bar would.
void Form1::Form_MouseDown() {
    EasyMove(*this);
}

void Form1::EasyMove(QWidget& window) {
    if (QWindow* handle = window.windowHandle()) handle->startSystemMove();
}
