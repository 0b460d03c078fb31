#pragma once

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <functional>

#include "SecondTicker.h"
#include "SecondTimer.h"
#include "SecondsTurned.h"
#include "SettingsStore.h"
#include "SpeechBackend.h"
#include "TimeSource.h"
#include "TimeText.h"
#include "TrayIcon.h"

// What the main window needs from outside.
struct Form1Services {
    const TimeSource& time;
    SecondTicker& ticker;
    SpeechBackends& speech;
    SettingsStore& settings;
    TrayIcon& tray;
    // Ends the whole program: every window closes and the event loop stops.
    std::function<void()> endProgram;
};

// The main window. Its controls hold the program's state and are addressed by
// name, so they are public: the other windows read and set them too.
class Form1 : public QMainWindow {
  public:
    explicit Form1(const Form1Services& services);

    // The client area; every control below lies on it.
    QWidget client;

    QGroupBox Рамка3;  // logo pane
    QLabel TalkPict;
    QPushButton Комманда3;  // Exit, the cancel button
    QPushButton Комманда1;  // Say Time
    QGroupBox Рамка2;       // clock pane
    QLabel VBTime;
    QLabel Изображение2;
    QLabel Изображение1;
    QComboBox Комбо1;  // interval
    QGroupBox Рамка1;
    QPushButton Комманда2;  // the default button; it has no action
    QLabel SlogoC;          // show-logo flag
    QLabel ParamP;          // view mode
    QLabel Param;           // language code
    QLabel Время;           // time text the announcement checks compare

    SecondTimer Часы3{false};  // animation, second half
    SecondTimer Часы2{true};   // animation, first half
    SecondTimer Min30{false};  // half-hour check
    SecondTimer Min10{false};  // quarter-hour check
    SecondTimer Часы4{true};   // time text
    SecondTimer Min60{false};  // hourly check
    SecondTimer Часы1{true};   // clock face

    QMenu main{this};
    QAction slogo, options, saytime, esc;
    QMenu language{this};
    QAction eng, rus;
    QMenu help{this};
    QAction pravila, about;

    // Window events: load (once, when the window is first used) and unload (exit).
    void Form_Load();
    void Form_Unload();

    // Timer handlers.
    void Часы4_Timer();
    void Часы1_Timer();
    void Min10_Timer();
    void Min30_Timer();
    void Min60_Timer();
    void Часы2_Timer();
    void Часы3_Timer();

    // Click handlers.
    void saytime_Click();
    void Комманда1_Click();
    void esc_Click();
    void Комманда3_Click();
    void eng_Click();
    void rus_Click();
    void options_Click();
    void slogo_Click();
    void TalkPict_Click();
    void VBTime_Click();
    void Изображение1_Click();
    void Изображение2_Click();
    void Рамка2_MouseMove();
    void Form_MouseDown();
    void TrayIcon_Click(TrayIcon::Click click);
    void about_Click();
    void pravila_Click();

    // Open the About and Rules windows; set by whoever creates the main window.
    std::function<void()> showAbout;
    std::function<void()> showRules;

    // Maps the text of Комбо1 onto the three checks and stores it.
    void ApplyInterval();
    // Captions, check marks and Param for "eng" or "rus".
    void ApplyLanguage(const QString& code);
    void ShowLogoView();
    void ShowClockView();
    // Says the time as Say Time does, for a request from outside the window;
    // false when no language is chosen, so there is nothing to say it in.
    bool SayTimeNow();
    // Brings the window up from the notification area: normal, in front, shown.
    void RestoreFromTray();
    // Starts the window manager's own interactive move of `window`.
    void EasyMove(QWidget& window);

    void setVisible(bool visible) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void layOutWindow();
    void layOutPanes();
    void layOutInterval();
    void layOutButtons();
    void layOutStateLabels();
    void buildMenus();
    void connectTimers();
    // The seconds tick only while someone can see them.
    void followVisibility();
    void connectClicks();
    void watchPointer();
    // What a screen reader finds: roles, names in the interface language of
    // `code`, and nothing of the controls only the program itself uses.
    void shapeForAssistiveTechnology();
    void nameForAssistiveTechnology(const QString& code);

    // Runs whenever the window's size or state changes: first show, minimise, restore.
    void Form_Resize();
    void SaveSetting(const QString& key, const QString& text);
    QString GetSetting(const QString& key) const;
    void SayTime();
    // Runs one announcement check: `first` and `second` are the language codes
    // in the order the check tests them.
    void checkMarks(const QStringList& marks, const QString& first, const QString& second);
    SpeechBackend* backendFor(const QString& code);

    const TimeSource& time_;
    SecondTicker& ticker_;
    SpeechBackends& speech_;
    SettingsStore& settings_;
    TrayIcon& tray_;
    std::function<void()> endProgram_;
    // The window is laid out minimised; that state change is no resize step.
    bool laidOut_ = false;
    bool unloading_ = false;
    SecondsTurned secondsTurned_;
    QStringList turnedTo_;  // the seconds the last Часы4 tick saw begin
    ClockFace clockFace_{QLocale::system()};
};
