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

// An editable choice box in the combo box role is met as one control: its value
// is read as its text, an entry in the words its list gives it
// (Qt::AccessibleTextRole), and every change of it is told at once; the editor
// inside, which it has from now on, is left out.
void presentAsOneChoice(QComboBox& box);

// The checkable items of `menu` are met as check boxes, which a screen reader
// says are checked or not, and a change of their mark is told at once, open
// menu or not.
void presentCheckItems(QMenu& menu);
