#pragma once

#include <QWidget>
#include <functional>

// Gives a control pointer events of its own, as a window's event tables list
// them. Once a control has a handler, that kind of event stops at the control
// and never reaches the window beneath it, so a handler that does nothing
// keeps the window's own handler from running.

// A click: the left button pressed and released over the control.
void onClick(QWidget& control, std::function<void()> handler);
// Every pointer move over the control, with or without a button held.
void onPointerMove(QWidget& control, std::function<void()> handler);
