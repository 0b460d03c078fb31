#include "Форма1.h"

#include <QStringList>

#include "Addresses.h"
#include "ControlEvents.h"
#include "LinkLabel.h"

namespace {

QString englishRules() {
    const QString rule = u" "_qs + QString(22, u'_') + u" "_qs;
    return QStringList{
        rule,
        u"Rules by use"_qs,
        rule,
        QString(),
        u"1. For the beginning by use of the program at the first start"_qs,
        u" It is necessary to select the slice of time, necessary for you. And tongue"_qs,
        u"In the item Language. after that it is recommended to restart"_qs,
        u"The program."_qs,
        QString(),
        u"2. It is impossible to register the values in the item an Interval,"_qs,
        u"The program will not say time on the interval, indicated by you,"_qs,
        u"It is necessary to select an interval from the list."_qs,
        QString(),
        u"3. Write the letter to the author with your wishes and criticism to the address:"_qs,
        u" "_qs + address::authorSecond + u" or "_qs + address::feedback + u" "_qs,
        QString(),
        kCredit,
    }
        .join(u'\n');
}

QString russianRules() {
    const QString rule(22, u'_');
    return QStringList{
        rule,
        u"Правила пользованием"_qs,
        rule,
        QString(),
        u"1. Для начала пользованием программы при первом запуске"_qs,
        u" нужно выбрать нужный для вас интервал времени. И язык"_qs,
        u"в пункте Language. после этого рекомендуется перезапустить"_qs,
        u"программу."_qs,
        QString(),
        u"2. Нельзя прописывать свои значения в пункте Интервал,"_qs,
        u"программа не будет произносить время по указанному вами интервалу,"_qs,
        u"следует выбрать интервал из списка."_qs,
        QString(),
        u"3. Напишите письмо автору с вашими пожеланиями и критикой по адресу:"_qs,
        address::authorSecond + u" или "_qs + address::feedback,
        QString(),
        kCredit,
    }
        .join(u'\n');
}

}  // namespace

Форма1::Форма1(const Form1& main, LinkLauncher& launcher)
    : HelpWindow(main, launcher, QRect(2520, 1950, 6015, 3705)) {
    setObjectName(QStringLiteral("Форма1"));
    announceAs(*this, {u"Horalo rules"_qs, u"Правила Хорало"_qs});
    layOut();
    connectHandlers();
    Form_Load();
}

void Форма1::layOut() {
    placePicture(Изображение1, QRect(4200, 120, 1635, 1650), u":/assets/rules.jpg"_qs,
                 {u"The talking clock over a page of three numbered rules"_qs,
                  u"Говорящие часы над страницей из трёх правил"_qs});
    // The texts start above the window's top edge, so their first rows are cut off.
    placeLabel(Метка1, u"Метка1", *this, QRect(120, -120, 5715, 3315), bgr(0x00FF00));
    Метка1.setText(russianRules());
    announceText(Метка1);
    placeLabel(Метка2, u"Метка2", *this, QRect(120, -120, 5370, 3315), bgr(0x00FFFF));
    Метка2.setText(englishRules());
    announceText(Метка2);
    placeLink(Метка3, u"Метка3", QRect(4320, 2760, 1455, 195), LinkKind::Web);
    placeLink(Метка4, u"Метка4", QRect(4200, 3000, 1680, 195), LinkKind::Mail);
    place(Комманда1, u"Комманда1", *this, QRect(120, 3360, 5775, 255));
    Комманда1.setText(QStringLiteral("ОК"));
    announceAs(Комманда1, {u"OK"_qs, u"ОК"_qs});
    // Neither default nor cancel; Enter presses it only while it has the focus.
    Комманда1.setAutoDefault(true);
    Комманда1.setFocus();
}

void Форма1::connectHandlers() {
    connect(&Комманда1, &QPushButton::clicked, this, [this] { Комманда1_Click(); });
    onClick(Метка3, [this] { Метка3_Click(); });
    onClick(Метка4, [this] { Метка4_Click(); });
    for (QWidget* resetSource : {static_cast<QWidget*>(&Комманда1), static_cast<QWidget*>(&Метка1),
                                 static_cast<QWidget*>(&Метка2)})
        onPointerMove(*resetSource, [this] { Form_MouseMove(); });
    onPointerMove(Метка3, [this] { Метка3_MouseMove(); });
    onPointerMove(Метка4, [this] { Метка4_MouseMove(); });
    onPointerMove(Изображение1, [] {});  // the picture leaves the links as they are
}

// The rules follow the interface language of the moment the window opens; any
// other code leaves both texts shown, one over the other.
void Форма1::Form_Load() {
    if (main_.Param.text() == u"eng") {
        Метка1.hide();
        Метка2.show();
    }
    if (main_.Param.text() == u"rus") {
        Метка2.hide();
        Метка1.show();
    }
}

void Форма1::Комманда1_Click() {
    close();
}

void Форма1::Метка3_Click() {
    launchWeb(Метка3);
}

void Форма1::Метка4_Click() {
    launchMail();
}

void Форма1::Form_MouseMove() {
    ResetLinks(Метка3, Метка4);
}

void Форма1::Метка3_MouseMove() {
    HighlightLink(Метка3, bgr(0x00FFFF));
}

void Форма1::Метка4_MouseMove() {
    HighlightLink(Метка4, bgr(0x00FF00));
}

void Форма1::mouseMoveEvent(QMouseEvent*) {
    Form_MouseMove();
}
