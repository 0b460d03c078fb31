#pragma once

#include <QColor>
#include <QLabel>

// Colours of the window design, written 0xBBGGRR: red in the low byte.
inline QColor bgr(unsigned value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

enum class LinkKind { Web, Mail };

// Turns `label` into a link label showing `address`: transparent, in the
// system highlight-text colour, with the pointer image of its kind.
void makeLinkLabel(QLabel& label, LinkKind kind, const QString& address);
// The design sized its link labels for a smaller font: the label grows to show
// the whole address, and moves left rather than past the window's right edge.
void fitToAddress(QLabel& label);

// The pointer is over a link label: that label, and only that one, takes its hover colour.
void HighlightLink(QLabel& label, QColor colour);
// The pointer is over another part of the window: web link first, then e-mail link, back to white.
void ResetLinks(QLabel& web, QLabel& mail);

// The text colour a label is drawn in.
QColor textColour(const QLabel& label);
void setTextColour(QLabel& label, QColor colour);
