#include "Form1.h"

void Form1::eng_Click() {
    ApplyLanguage(QStringLiteral("eng"));
}

void Form1::rus_Click() {
    ApplyLanguage(QStringLiteral("rus"));
}

void Form1::ApplyLanguage(const QString& code) {
    const bool russian = code == u"rus";
    const auto text = [russian](const char16_t* english, const char16_t* inRussian) {
        return QString::fromUtf16(russian ? inRussian : english);
    };
    Комманда3.setText(text(u"Exit", u"Выход"));
    Комманда1.setText(text(u"Say Time", u"Сказать время"));
    Рамка1.setTitle(text(u"Interval", u"Интервал"));
    main.setTitle(text(u"&Program", u"&Программа"));
    saytime.setText(text(u"&Say Time", u"&Сказать время"));
    esc.setText(text(u"&Exit", u"&Выход"));
    language.setTitle(text(u"&Language", u"&Язык"));
    options.setText(text(u"&Default options", u"&Настройки по умолчанию"));
    rus.setText(text(u"&Russian", u"&Русский"));
    eng.setText(text(u"&English", u"&Английский"));
    help.setTitle(text(u"&Help", u"&Помощь"));
    pravila.setText(text(u"&Help", u"&Правила"));
    about.setText(text(u"&About program", u"&О программе"));
    setWindowTitle(text(u"Horalo", u"Хорало"));
    slogo.setText(text(u"&Show Logo", u"&Показывать Логотип"));
    nameForAssistiveTechnology(code);

    eng.setChecked(code == u"eng");
    rus.setChecked(code == u"rus");
    Param.setText(code);
}
