#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "Form1Instance.h"
#include "SettingsStore.h"

// The splash window, the program's first window. Its start step decides, by
// the stored show-logo flag, whether the title card stays up for six seconds;
// either way it is the first user of the main window and the one that shows it.
class Форма2 : public QWidget {
  public:
    Форма2(SettingsStore& settings, Form1Instance& form1);

    QLabel Изображение1;  // the title card, filling the window
    QLabel Метка1;        // the stored show-logo text; never displayed
    QTimer Часы1;         // ends the splash

    void Form_Load();
    void Часы1_Timer();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Names for a screen reader in the interface language of `code`.
    void nameForAssistiveTechnology(const QString& code);

    SettingsStore& settings_;
    Form1Instance& form1_;
};
