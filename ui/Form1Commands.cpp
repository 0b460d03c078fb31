#include <QKeyEvent>

#include "Form1.h"

void Form1::connectClicks() {
    connect(&saytime, &QAction::triggered, this, [this] { saytime_Click(); });
    connect(&Комманда1, &QPushButton::clicked, this, [this] { Комманда1_Click(); });
    connect(&esc, &QAction::triggered, this, [this] { esc_Click(); });
    connect(&Комманда3, &QPushButton::clicked, this, [this] { Комманда3_Click(); });
    connect(&eng, &QAction::triggered, this, [this] { eng_Click(); });
    connect(&rus, &QAction::triggered, this, [this] { rus_Click(); });
    connect(&options, &QAction::triggered, this, [this] { options_Click(); });
    connect(&slogo, &QAction::triggered, this, [this] { slogo_Click(); });
    connect(&about, &QAction::triggered, this, [this] { about_Click(); });
    connect(&pravila, &QAction::triggered, this, [this] { pravila_Click(); });
}

void Form1::saytime_Click() {
    SayTime();
}

void Form1::Комманда1_Click() {
    SayTime();
}

void Form1::esc_Click() {
    close();
}

void Form1::Комманда3_Click() {
    close();
}

void Form1::about_Click() {
    if (showAbout) showAbout();
}

void Form1::pravila_Click() {
    if (showRules) showRules();
}

bool Form1::SayTimeNow() {
    if (!backendFor(Param.text())) return false;
    saytime.trigger();
    return true;
}

void Form1::SayTime() {
    if (Param.text() == u"rus") speech_.Voice.Speak();
    if (Param.text() == u"eng") speech_.Eng.Speak();
}

// The window has a default button (Enter) and a cancel button (Esc), as a
// dialog would; keys that no control took arrive here.
void Form1::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Комманда2.click();
            return;
        case Qt::Key_Escape:
            Комманда3.click();
            return;
        default:
            QMainWindow::keyPressEvent(event);
    }
}
