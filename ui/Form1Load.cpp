#include "ui/Form1.h"

// Turns the window as laid out into the window as the user left it. Each test
// reads its holder as it stands at that moment.
void Form1::Form_Load() {
    Param.setText(GetSetting(QStringLiteral("Language")));
    Комбо1.setEditText(GetSetting(QStringLiteral("Interval")));
    ParamP.setText(GetSetting(QStringLiteral("Picture")));
    SlogoC.setText(GetSetting(QStringLiteral("Logo")));

    if (Param.text() == u"rus") speech_.Voice.Speak();
    if (Param.text() == u"eng") speech_.Eng.Speak();

    slogo.setChecked(SlogoC.text() == u"yes");

    if (ParamP.text() == u"logo") ShowLogoView();
    if (ParamP.text() == u"ani") ShowClockView();

    if (Param.text() == u"eng") ApplyLanguage(QStringLiteral("eng"));
    if (Param.text() == u"rus") ApplyLanguage(QStringLiteral("rus"));

    // All three checks are still off: enabling the stored one is enough.
    if (Комбо1.currentText() == u"15 минут") Min10.setEnabled(true);
    if (Комбо1.currentText() == u"30 минут") Min30.setEnabled(true);
    if (Комбо1.currentText() == u"60 минут") Min60.setEnabled(true);

    tray_.onClick = [this](TrayIcon::Click click) { TrayIcon_Click(click); };
    tray_.add(windowIcon(), QStringLiteral(" Хорало 2.5 "));
}

QString Form1::GetSetting(const QString& key) const {
    return settings_.GetSetting(QStringLiteral("Zef"), QStringLiteral("Options"), key, QString());
}
