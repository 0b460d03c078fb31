#pragma once

#include <QString>

#include "SpeechLibrary.h"
#include "UserText.h"

// The speech library of one language as the program uses it: a call that
// cannot be made, or that fails, is reported to the user once per failure
// streak (the first failure after the start or after a call that spoke), and
// the program goes on. Every call tries the library again, so putting it
// right makes speech work without a restart.
class SpeechBackend {
  public:
    // `unavailable` heads the report: "English speech is unavailable".
    SpeechBackend(UserText unavailable, const QString& directory, const QString& baseName,
                  UserReport report);

    // Has the library say the time; returns whether it did.
    bool Speak();

  private:
    UserText unavailable_;
    SpeechLibrary library_;
    UserReport report_;
    bool failing_ = false;
};

// The two speech libraries, found in one directory: Eng for "eng", Voice for "rus".
struct SpeechBackends {
    SpeechBackends(const QString& directory, const UserReport& report);

    SpeechBackend Eng;
    SpeechBackend Voice;
};
