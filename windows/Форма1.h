#pragma once

#include <QLabel>
#include <QPushButton>

#include "windows/HelpWindow.h"

// The Rules window: three rules for using the program in the interface
// language, a picture and the two links. Only its button closes it.
class Форма1 : public HelpWindow {
  public:
    Форма1(const Form1& main, LinkLauncher& launcher);

    // Listed from the top of the stacking order down; the button is on top.
    QPushButton Комманда1;
    QLabel Метка4;  // e-mail link
    QLabel Метка3;  // web link
    QLabel Метка2;  // English rules
    QLabel Метка1;  // Russian rules
    QLabel Изображение1;

    void Form_Load();
    void Комманда1_Click();
    void Метка3_Click();
    void Метка4_Click();
    void Form_MouseMove();
    void Метка3_MouseMove();
    void Метка4_MouseMove();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void layOut();
    void connectHandlers();
};
