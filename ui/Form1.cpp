#include "Form1.h"

#include <QApplication>
#include <QLayout>

#include "Accessibility.h"
#include "TimeText.h"
#include "Twips.h"

Form1::Form1(const Form1Services& services)
    : time_(services.time),
      ticker_(services.ticker),
      speech_(services.speech),
      settings_(services.settings),
      tray_(services.tray),
      endProgram_(services.endProgram) {
    shapeForAssistiveTechnology();
    layOutWindow();
    layOutPanes();
    layOutInterval();
    layOutButtons();
    layOutStateLabels();
    buildMenus();
    connectClicks();
    connectTimers();
    // Часы4 runs from the start: the seconds it has not seen yet when its first
    // tick comes late, the process frozen over a mark, are made up for.
    secondsTurned_.startAt(time_.now(), time_.monotonicMs());
    watchPointer();
    followVisibility();
    nameForAssistiveTechnology(Param.text());
    laidOut_ = true;
}

void Form1::layOutWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Horalo "));
    // A fixed-size window: no maximise button and no resize grip.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // Shown minimised, the window goes straight to the notification area. The
    // state is only recorded here: telling a window system about a window that
    // is not shown yet would come back later as a stale state change.
    overrideWindowState(Qt::WindowMinimized);
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
    QPalette palette = client.palette();
    palette.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Window));
    client.setPalette(palette);
    client.setAutoFillBackground(true);
    client.setFixedSize(twips(3360), twips(1095));
    setCentralWidget(&client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

namespace {

void place(QWidget& widget, const char16_t* name, QWidget& parent, QRect geometry) {
    widget.setObjectName(QString::fromUtf16(name));
    widget.setParent(&parent);
    widget.setGeometry(geometry);
}

}  // namespace

void Form1::layOutPanes() {
    place(Рамка3, u"Рамка3", client, twipsRect(0, 0, 1695, 855));
    place(TalkPict, u"TalkPict", Рамка3, twipsRect(0, 120, 1650, 735));
    TalkPict.setPixmap(QPixmap(QStringLiteral(":/assets/logo.jpg")));
    TalkPict.setScaledContents(true);

    place(Рамка2, u"Рамка2", client, twipsRect(0, 0, 1695, 855));
    Рамка2.setToolTip(QStringLiteral("Back to logo"));
    Рамка2.hide();
    place(VBTime, u"VBTime", Рамка2, twipsRect(600, 120, 630, 195));
    VBTime.setText(QStringLiteral("19:46:00"));
    VBTime.adjustSize();
    place(Изображение2, u"Изображение2", Рамка2, twipsRect(1200, 240, 480, 480));
    Изображение2.setPixmap(QPixmap(QStringLiteral(":/assets/tick-right.png")));
    place(Изображение1, u"Изображение1", Рамка2, twipsRect(120, 240, 480, 480));
    Изображение1.setPixmap(QPixmap(QStringLiteral(":/assets/tick-left.png")));
}

void Form1::layOutInterval() {
    place(Комбо1, u"Комбо1", client, twipsRect(1800, 360, 1455, 315));
    Комбо1.setEditable(true);
    presentAsOneChoice(Комбо1);
    // Typed text is the interval text as it stands; it never joins the list.
    Комбо1.setInsertPolicy(QComboBox::NoInsert);
    // Nor is it completed to an entry: "30 Минут" must stay what was typed.
    Комбо1.setCompleter(nullptr);
    Комбо1.addItems(
        {QStringLiteral("15 минут"), QStringLiteral("30 минут"), QStringLiteral("60 минут")});
    Комбо1.setEditText(QStringLiteral("15 минут"));
    Комбо1.setToolTip(QStringLiteral("Значения не прописывать"));

    place(Рамка1, u"Рамка1", client, twipsRect(1680, 0, 1695, 855));
    Рамка1.setTitle(QStringLiteral("Interval"));
    Рамка1.setToolTip(QStringLiteral(
        "Устанавливает, через какой интервал времени голос будет произносить время"));
    place(Комманда2, u"Комманда2", Рамка1, twipsRect(840, 480, 75, 135));
    Комманда2.setText(QStringLiteral("Комманда2"));
    Комманда2.setDefault(true);
    // Nobody sees the button, and it does nothing: Tab passes it by.
    Комманда2.setFocusPolicy(Qt::NoFocus);
    // The frame is laid out after the combo box, which must stay clickable above it.
    Комбо1.raise();
    Комбо1.setFocus();
}

void Form1::layOutButtons() {
    place(Комманда3, u"Комманда3", client, twipsRect(1680, 840, 1695, 255));
    Комманда3.setText(QStringLiteral("Exit"));
    place(Комманда1, u"Комманда1", client, twipsRect(0, 840, 1695, 255));
    Комманда1.setText(QStringLiteral("Say Time"));
    // Outside a dialog Enter reaches a focused button only when it is auto-default.
    Комманда1.setAutoDefault(true);
    Комманда3.setAutoDefault(true);
    setTabOrder(&Комбо1, &Комманда1);
    setTabOrder(&Комманда1, &Комманда3);
}

void Form1::layOutStateLabels() {
    place(SlogoC, u"SlogoC", client, twipsRect(1800, 1200, 735, 255));
    SlogoC.setText(QStringLiteral("yes"));
    place(ParamP, u"ParamP", client, twipsRect(360, 1200, 855, 255));
    ParamP.setText(QStringLiteral("logo"));
    place(Param, u"Param", client, twipsRect(960, -600, 2295, 735));
    Param.setText(QStringLiteral("eng"));
    Param.hide();
    place(Время, u"Время", client, twipsRect(2520, 120, 1575, 375));
    Время.hide();
}
