#pragma once

#include <QString>

// Tells the user about a problem the program goes on running with: a message
// box that does not block the clock, and the same text on stderr.
void tellUser(const QString& text);
