#include "ui/Form1.h"

void Form1::TalkPict_Click() {
    ShowClockView();
}

void Form1::VBTime_Click() {
    ShowLogoView();
}

void Form1::Изображение1_Click() {
    ShowLogoView();
}

void Form1::Изображение2_Click() {
    ShowLogoView();
}

void Form1::Рамка2_MouseMove() {
    ShowLogoView();
}

void Form1::ShowClockView() {
    Рамка3.hide();
    Рамка2.show();
    ParamP.setText(QStringLiteral("ani"));
}

void Form1::ShowLogoView() {
    Рамка3.show();
    Рамка2.hide();
    ParamP.setText(QStringLiteral("logo"));
}

// Qt has already moved the check mark when the click arrives; the toggle goes
// by the mark as it was.
void Form1::slogo_Click() {
    const bool wasChecked = !slogo.isChecked();
    slogo.setChecked(!wasChecked);
    SlogoC.setText(wasChecked ? QStringLiteral("no") : QStringLiteral("yes"));
}
