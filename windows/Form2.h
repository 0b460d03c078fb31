#pragma once

#include <QLabel>
#include <QPushButton>

#include "windows/HelpWindow.h"

// The About window: the product's name and version, the credits in the
// interface language, a picture and the two links. Almost any click closes it.
class Form2 : public HelpWindow {
  public:
    Form2(const Form1& main, LinkLauncher& launcher);

    // Listed from the top of the stacking order down; the button is on top.
    QPushButton Комманда1;
    QLabel Метка5;  // web link
    QLabel Метка4;  // e-mail link
    QLabel Изображение1;
    QLabel Метка1;  // banner
    QLabel Метка2;  // Russian credits
    QLabel Метка3;  // English credits

    void Form_Load();
    void Form_Click();
    void Комманда1_Click();
    void Метка1_Click();
    void Метка2_Click();
    void Метка3_Click();
    void Метка5_Click();
    void Метка4_Click();
    void Form_MouseMove();
    void Метка5_MouseMove();
    void Метка4_MouseMove();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void layOut();
    void connectHandlers();
};
