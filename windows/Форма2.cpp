#include "Форма2.h"

#include "Accessibility.h"
#include "Twips.h"
#include "UserText.h"

Форма2::Форма2(SettingsStore& settings, Form1Instance& form1) : settings_(settings), form1_(form1) {
    setObjectName(QStringLiteral("Форма2"));
    setWindowTitle(QStringLiteral("Форма2"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    // Closing the splash is not the end of the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(twips(3615), twips(2955));
    move(twips(4260), twips(3330));

    Изображение1.setObjectName(QStringLiteral("Изображение1"));
    Изображение1.setParent(this);
    Изображение1.setGeometry(twipsRect(0, 0, 3615, 2955));
    Изображение1.setPixmap(QPixmap(QStringLiteral(":/assets/splash.jpg")));
    Изображение1.setScaledContents(true);

    hideFromAssistiveTechnology(Метка1);
    Метка1.setObjectName(QStringLiteral("Метка1"));
    Метка1.setParent(this);
    Метка1.setGeometry(twipsRect(1440, 600, 45, 195));
    Метка1.hide();
    setAccessibleRole(*this, QAccessible::Dialog);
    // Until the main window has loaded the language, in the interface's design language.
    nameForAssistiveTechnology(QString());

    Часы1.setObjectName(QStringLiteral("Часы1"));
    Часы1.setInterval(6000);
    Часы1.setSingleShot(true);
    connect(&Часы1, &QTimer::timeout, this, [this] { Часы1_Timer(); });
}

// The keep test sorts the stored text against "yes", so "", "no" and "Yes"
// keep the splash too; "no" then closes it at once.
void Форма2::Form_Load() {
    Метка1.setText(settings_.GetSetting(QStringLiteral("Zef"), QStringLiteral("Options"),
                                        QStringLiteral("Logo"), QString()));
    // A text that sorts after "yes" ("z", "yes!") would leave no path that
    // creates the main window: it is taken as "yes".
    if (Метка1.text() > u"yes") Метка1.setText(QStringLiteral("yes"));
    if (Метка1.text() <= u"yes") {
        show();
        Часы1.start();
        form1_().slogo.setChecked(true);
        nameForAssistiveTechnology(form1_().Param.text());
    }
    if (Метка1.text() == u"no") {
        close();
        form1_().show();
        form1_().slogo.setChecked(false);
    }
}

void Форма2::nameForAssistiveTechnology(const QString& code) {
    setAccessibleName(UserText{u"Horalo is starting"_qs, u"Хорало запускается"_qs}.in(code));
    // The title card carries its text in the picture.
    Изображение1.setAccessibleName(
        UserText{u"Horalo, talking clock, version 2.5"_qs, u"Хорало, говорящие часы, версия 2.5"_qs}
            .in(code));
}

void Форма2::Часы1_Timer() {
    close();
    form1_().show();
}

// Closing unloads the splash: its timer goes with it and never fires.
void Форма2::closeEvent(QCloseEvent* event) {
    Часы1.stop();
    QWidget::closeEvent(event);
}
