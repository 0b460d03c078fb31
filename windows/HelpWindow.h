#pragma once

#include <QLabel>
#include <QWidget>

#include "Form1.h"
#include "LinkLabel.h"
#include "LinkLauncher.h"
#include "UserText.h"

// What the About and Rules windows share: a borderless black window at a fixed
// first position, opened without an owner, unloaded by its close, and reading
// the interface language from the main window. A screen reader meets it as a
// dialog, its controls named in that language.
class HelpWindow : public QWidget {
  public:
    HelpWindow(const Form1& main, LinkLauncher& launcher, QRect designRect);

  protected:
    // Lays `control` out on the window at `designRect`, given in twips.
    static void place(QWidget& control, const char16_t* name, QWidget& parent, QRect designRect);
    static void placeLabel(QLabel& label, const char16_t* name, QWidget& parent, QRect designRect,
                           QColor colour);
    // A picture shown at its own size from the window's top-left corner of
    // `designRect`; `shows` tells a screen reader what it shows.
    void placePicture(QLabel& picture, QRect designRect, const QString& resource,
                      const UserText& shows);
    void placeLink(QLabel& link, const char16_t* name, QRect designRect, LinkKind kind);

    // The name a screen reader gives `control`, in the language the window opened in.
    void announceAs(QWidget& control, const UserText& text) const;
    // A screen reader reads the text of `label` without what is there for the
    // eye alone: rows of underscores, the runs of blanks that lay it out, and
    // the addresses the window's links read already.
    static void announceText(QLabel& label);

    void launchWeb(const QLabel& link);
    void launchMail();

    const Form1& main_;

  private:
    LinkLauncher& launcher_;
};
