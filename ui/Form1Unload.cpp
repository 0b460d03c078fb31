#include <QCloseEvent>

#include "ui/Form1.h"

// Every way of closing the main window ends here: Exit, Esc, the close box,
// the end of the session. The exit step runs once and is never cancelled.
void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloading_) return;
    unloading_ = true;
    Form_Unload();
}

void Form1::Form_Unload() {
    tray_.remove();

    SaveSetting(QStringLiteral("Interval"), Комбо1.currentText());
    SaveSetting(QStringLiteral("Language"), Param.text());
    SaveSetting(QStringLiteral("Picture"), ParamP.text());
    SaveSetting(QStringLiteral("logo"), SlogoC.text());

    if (Param.text() == u"rus") speech_.Voice.Speak();
    if (Param.text() == u"eng") speech_.Eng.Speak();

    if (endProgram_) endProgram_();
}
