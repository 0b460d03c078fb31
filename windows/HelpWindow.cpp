#include "HelpWindow.h"

#include <QApplication>
#include <QRegularExpression>

#include "Accessibility.h"
#include "Addresses.h"
#include "LinkLabel.h"
#include "LinkLaunch.h"
#include "Twips.h"

namespace {

QRect pixels(QRect designRect) {
    return twipsRect(designRect.x(), designRect.y(), designRect.width(), designRect.height());
}

}  // namespace

HelpWindow::HelpWindow(const Form1& main, LinkLauncher& launcher, QRect designRect)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), main_(main), launcher_(launcher) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The program lives as long as its main window, whatever happens to this one.
    setAttribute(Qt::WA_QuitOnClose, false);
    const QRect geometry = pixels(designRect);
    move(geometry.topLeft());
    setFixedSize(geometry.size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::ButtonText));
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
    // The layout was measured for an 8 point dialog font, eleven pixels a line;
    // the desktop's font family at that size keeps the texts inside their places.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    setFont(font);
    setAccessibleRole(*this, QAccessible::Dialog);
}

void HelpWindow::place(QWidget& control, const char16_t* name, QWidget& parent, QRect designRect) {
    control.setObjectName(QString::fromUtf16(name));
    control.setParent(&parent);
    control.setGeometry(pixels(designRect));
}

void HelpWindow::placeLabel(QLabel& label, const char16_t* name, QWidget& parent, QRect designRect,
                            QColor colour) {
    place(label, name, parent, designRect);
    label.setTextFormat(Qt::PlainText);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(label, colour);
}

void HelpWindow::placePicture(QLabel& picture, QRect designRect, const QString& resource,
                              const UserText& shows) {
    place(picture, u"Изображение1", *this, designRect);
    announceAs(picture, shows);
    picture.setPixmap(QPixmap(resource));
    picture.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void HelpWindow::placeLink(QLabel& link, const char16_t* name, QRect designRect, LinkKind kind) {
    setAccessibleRole(link, QAccessible::Link);
    place(link, name, *this, designRect);
    const bool web = kind == LinkKind::Web;
    makeLinkLabel(link, kind, web ? address::webSite : address::author);
    fitToAddress(link);
    announceAs(link, web ? UserText{u"Horalo web site"_qs, u"Сайт Хорало"_qs}
                         : UserText{u"Write to the author"_qs, u"Написать автору"_qs});
    link.setAccessibleDescription(link.text());
}

void HelpWindow::announceAs(QWidget& control, const UserText& text) const {
    control.setAccessibleName(text.in(main_.Param.text()));
}

void HelpWindow::announceText(QLabel& label) {
    static const QRegularExpression layout(u"_{3,}| {3,}|\\n"_qs);
    QString text = label.text();
    for (const QString& linked : {address::webSite, address::author}) text.remove(linked);
    QStringList parts = text.split(layout, Qt::SkipEmptyParts);
    for (QString& part : parts) part = part.simplified();
    parts.removeAll(QString());
    label.setAccessibleName(parts.join(u'\n'));
}

void HelpWindow::launchWeb(const QLabel& link) {
    LaunchWebLink(link, launcher_, main_.Param.text());
}

void HelpWindow::launchMail() {
    LaunchMailLink(launcher_, main_.Param.text());
}
