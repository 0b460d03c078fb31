#include "ui/Form1.h"

// A new choice in the combo box applies only here, at the next resize step.
void Form1::ApplyInterval() {
    SaveSetting(QStringLiteral("Interval"), Комбо1.currentText());
    if (Комбо1.currentText() == u"15 минут") {
        Min30.setEnabled(false);
        Min60.setEnabled(false);
        Min10.setEnabled(true);
    }
    if (Комбо1.currentText() == u"30 минут") {
        Min60.setEnabled(false);
        Min10.setEnabled(false);
        Min30.setEnabled(true);
    }
    if (Комбо1.currentText() == u"60 минут") {
        Min60.setEnabled(true);
        Min30.setEnabled(false);
        Min10.setEnabled(false);
    }
}

void Form1::SaveSetting(const QString& key, const QString& text) {
    settings_.SaveSetting(QStringLiteral("Zef"), QStringLiteral("Options"), key, text);
}
