#pragma once

#include <QLabel>
#include <QWidget>

#include "platform/LinkLauncher.h"
#include "ui/Form1.h"
#include "windows/LinkLabel.h"

// What the About and Rules windows share: a borderless black window at a fixed
// first position, opened without an owner, unloaded by its close, and reading
// the interface language from the main window.
class HelpWindow : public QWidget {
  public:
    HelpWindow(const Form1& main, LinkLauncher& launcher, QRect designRect);

  protected:
    // Lays `control` out on the window at `designRect`, given in twips.
    static void place(QWidget& control, const char16_t* name, QWidget& parent, QRect designRect);
    static void placeLabel(QLabel& label, const char16_t* name, QWidget& parent, QRect designRect,
                           QColor colour);
    // A picture shown at its own size from the window's top-left corner of `designRect`.
    void placePicture(QLabel& picture, QRect designRect, const QString& resource);
    void placeLink(QLabel& link, const char16_t* name, QRect designRect, LinkKind kind);

    void launchWeb(const QLabel& link);
    void launchMail();

    const Form1& main_;

  private:
    LinkLauncher& launcher_;
};
