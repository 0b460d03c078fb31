#pragma once

#include <QAccessible>
#include <QComboBox>
#include <QMenu>
#include <QWidget>

// What assistive technology (a screen reader, over AT-SPI) learns about a
// control beyond the name and description the control carries itself
// (QWidget::setAccessibleName, setAccessibleDescription). Qt answers for every
// other control as it always does.

// Announces `widget` in `role`. A link is also offered the press action, which
// clicks it just as the pointer does, so it opens what a click opens without
// taking the keyboard focus.
void setAccessibleRole(QWidget& widget, QAccessible::Role role);

// Keeps `widget` out of what assistive technology can reach, with every event
// it would raise: a picture only for the eye, a button nobody sees, a label
// that only holds the program's state.
void hideFromAssistiveTechnology(QWidget& widget);

// `widget` shows a text that changes every second: assistive technology reads
// the text current when it asks, and hears nothing of each change.
void keepChangesQuiet(QWidget& widget);

// An editable choice box in the combo box role is met as one control whose
// value is an entry in the words its list gives it (Qt::AccessibleTextRole),
// or a typed text as it stands. Its editor, which it has from now on, is met
// as an editable text holding that value, told anew at every change; the real
// editor, which holds the words as the window shows them, is left out.
void presentAsOneChoice(QComboBox& box);

// The items of `menu`, added from now on, are met as Qt meets menu items, but
// the checkable ones as check boxes, which a screen reader says are checked or
// not; a change of their mark is told at once, open menu or not.
void presentMenu(QMenu& menu);
