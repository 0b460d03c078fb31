#include "ui/Form1.h"

// Qt has already moved the check mark when the click arrives; the toggle goes
// by the mark as it was.
void Form1::slogo_Click() {
    const bool wasChecked = !slogo.isChecked();
    slogo.setChecked(!wasChecked);
    SlogoC.setText(wasChecked ? QStringLiteral("no") : QStringLiteral("yes"));
}
