#include "Form1.h"

// Stores the interval and language in force, then resets both. The running
// check stays until the interval is next applied.
void Form1::options_Click() {
    SaveSetting(QStringLiteral("Interval"), Комбо1.currentText());
    SaveSetting(QStringLiteral("Language"), Param.text());
    Комбо1.setEditText(QStringLiteral("15 минут"));
    ApplyLanguage(QStringLiteral("eng"));
}
