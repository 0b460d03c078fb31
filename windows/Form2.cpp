#include "Form2.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStringList>

#include "Addresses.h"
#include "ControlEvents.h"
#include "LinkLabel.h"

namespace {

const QString kEquals = QString(62, u'=');

// Lines of the banner, as the window shows them.
QString banner() {
    return QStringList{kEquals, u"    Horalo    "_qs,
                       QString(17, u' ') + u"beta version 2.5 (21 June 2000 y. 12:00 )"_qs,
                       u" "_qs + kEquals}
        .join(u'\n');
}

// One line whose items are kept apart by runs of blanks wider than the label,
// so that wrapping starts each item on a line of its own.
QString credits(const QStringList& items) {
    return items.join(QString(96, u' '));
}

}  // namespace

Form2::Form2(const Form1& main, LinkLauncher& launcher)
    : HelpWindow(main, launcher, QRect(2910, 585, 5535, 2430)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Форма1"));
    announceAs(*this, {u"About Horalo"_qs, u"О программе Хорало"_qs});
    layOut();
    connectHandlers();
    Form_Load();
}

void Form2::layOut() {
    const QColor highlightText = QApplication::palette().color(QPalette::HighlightedText);
    placeLabel(Метка3, u"Метка3", *this, QRect(120, 960, 4335, 975), highlightText);
    Метка3.setWordWrap(true);
    Метка3.setText(
        credits({u"Author: the Horalo team, Example City"_qs, u"Idea: the Horalo team"_qs,
                 u"Feedback: "_qs + address::webSite, address::author, u"Example City, 2000"_qs}));
    announceText(Метка3);
    Метка3.hide();
    placeLabel(Метка2, u"Метка2", *this, QRect(120, 960, 4335, 1095), highlightText);
    Метка2.setWordWrap(true);
    Метка2.setText(credits({u"Автор: команда Horalo, город Примерный"_qs,
                            u"Идея: команда Horalo"_qs, u"Обратная связь: "_qs + address::webSite,
                            address::author, u"город Примерный, 2000 год"_qs}));
    announceText(Метка2);
    placeLabel(Метка1, u"Метка1", *this, QRect(0, 0, 5535, 975), bgr(0x00FFFF));
    Метка1.setText(banner());
    announceAs(Метка1, {u"Horalo, beta version 2.5 of 21 June 2000"_qs,
                        u"Хорало, бета-версия 2.5 от 21 июня 2000 года"_qs});
    placePicture(Изображение1, QRect(3600, 720, 1920, 1485), u":/assets/about.jpg"_qs,
                 {u"Horalo 2.5: the talking clock sending out its voice"_qs,
                  u"Хорало 2.5: говорящие часы посылают свой голос"_qs});
    placeLink(Метка4, u"Метка4", QRect(3840, 480, 1680, 195), LinkKind::Mail);
    placeLink(Метка5, u"Метка5", QRect(3960, 240, 1455, 195), LinkKind::Web);
    place(Комманда1, u"Комманда1", *this, QRect(0, 2160, 5535, 255));
    Комманда1.setText(u"( ОК )  "_qs + kCredit);
    announceAs(Комманда1, {u"OK"_qs, u"ОК"_qs});
    Комманда1.setAccessibleDescription(kCredit);
    Комманда1.setDefault(true);
    Комманда1.setFocus();
}

void Form2::connectHandlers() {
    connect(&Комманда1, &QPushButton::clicked, this, [this] { Комманда1_Click(); });
    onClick(Метка1, [this] { Метка1_Click(); });
    onClick(Метка2, [this] { Метка2_Click(); });
    onClick(Метка3, [this] { Метка3_Click(); });
    onClick(Метка5, [this] { Метка5_Click(); });
    onClick(Метка4, [this] { Метка4_Click(); });
    onClick(Изображение1, [] {});  // a click on the picture does nothing
    for (QWidget* resetSource : {&Изображение1, &Метка1, &Метка2, &Метка3})
        onPointerMove(*resetSource, [this] { Form_MouseMove(); });
    onPointerMove(Метка5, [this] { Метка5_MouseMove(); });
    onPointerMove(Метка4, [this] { Метка4_MouseMove(); });
    onPointerMove(Комманда1, [] {});  // the button leaves the links as they are
}

// The credits follow the interface language of the moment the window opens.
void Form2::Form_Load() {
    if (main_.Param.text() == u"eng") {
        Метка3.show();
        Метка2.hide();
    }
    if (main_.Param.text() == u"rus") {
        Метка2.show();
        Метка3.hide();
    }
}

void Form2::Form_Click() {
    close();
}

void Form2::Комманда1_Click() {
    close();
}

void Form2::Метка1_Click() {
    close();
}

void Form2::Метка2_Click() {
    close();
}

void Form2::Метка3_Click() {
    close();
}

void Form2::Метка5_Click() {
    launchWeb(Метка5);
}

void Form2::Метка4_Click() {
    launchMail();
}

void Form2::Form_MouseMove() {
    ResetLinks(Метка5, Метка4);
}

void Form2::Метка5_MouseMove() {
    HighlightLink(Метка5, bgr(0x0000FF));
}

void Form2::Метка4_MouseMove() {
    HighlightLink(Метка4, bgr(0x00FF00));
}

// The button is both the default and the cancel button.
void Form2::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            Комманда1.click();
            return;
        default:
            HelpWindow::keyPressEvent(event);
    }
}

void Form2::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

void Form2::mouseMoveEvent(QMouseEvent*) {
    Form_MouseMove();
}
