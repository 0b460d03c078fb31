#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>

#include "UserText.h"

// Tells the user about a problem the program goes on running with: a message
// box that does not block the clock, and the same text on stderr.
void tellUser(const QString& text);

// The same in the interface language that `languageCode` names (the caption of
// Form1's Param): Russian for "rus", English for anything else.
void tellUser(const UserText& text, const QString& languageCode);

// For what the user must read before the program ends: a message that waits
// for the user, a minute at most, and the same text on stderr.
void tellUserBeforeEnd(const QString& text);

// Tells the user what the parts below the windows report, each message in the
// interface language of the moment. Those parts are built before the main
// window, so its language label is followed once it exists; until then, and
// after it is gone, messages are in English.
class UserMessages {
  public:
    void followLanguageOf(const QLabel& languageCode) { language_ = &languageCode; }
    // Valid as long as this object lives.
    UserReport reporter() const;
    // tellUserBeforeEnd in the interface language of the moment.
    void tellBeforeEnd(const UserText& text) const;

  private:
    QPointer<const QLabel> language_;
};
