#include "windows/LinkLabel.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <algorithm>

namespace {

QCursor pointerFor(LinkKind kind) {
    if (kind == LinkKind::Web)
        return QCursor(QPixmap(QStringLiteral(":/assets/pointer-web.png")), 12, 1);
    return QCursor(QPixmap(QStringLiteral(":/assets/pointer-mail.png")), 7, 7);
}

}  // namespace

QColor textColour(const QLabel& label) {
    return label.palette().color(QPalette::WindowText);
}

void setTextColour(QLabel& label, QColor colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

void makeLinkLabel(QLabel& label, LinkKind kind, const QString& address) {
    label.setText(address);
    label.setTextFormat(Qt::PlainText);
    label.setCursor(pointerFor(kind));
    setTextColour(label, QApplication::palette().color(QPalette::HighlightedText));
}

void fitToAddress(QLabel& label) {
    const QSize needed = label.sizeHint().expandedTo(label.size());
    const int right = std::min(label.x() + needed.width(), label.parentWidget()->width());
    label.setGeometry(right - needed.width(), label.y(), needed.width(), needed.height());
}

void HighlightLink(QLabel& label, QColor colour) {
    setTextColour(label, colour);
}

void ResetLinks(QLabel& web, QLabel& mail) {
    setTextColour(web, bgr(0xFFFFFF));
    setTextColour(mail, bgr(0xFFFFFF));
}
