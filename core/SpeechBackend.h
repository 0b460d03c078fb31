#pragma once

#include <QString>
#include <functional>

#include "platform/SpeechLibrary.h"

// Receives a message for the user (shown, and written to stderr).
using UserReport = std::function<void(const QString&)>;

// The speech library of one language as the program uses it: a call that
// cannot be made, or that fails, is reported to the user the first time only,
// and the program goes on. Every call tries the library again, so installing
// it later makes speech work without a restart.
class SpeechBackend {
  public:
    SpeechBackend(const QString& language, const QString& directory, const QString& baseName,
                  const UserReport& report);

    // Has the library say the time; returns whether it did.
    bool Speak();

  private:
    QString language_;
    SpeechLibrary library_;
    const UserReport& report_;
    bool reported_ = false;
};

// The two speech libraries, found in one directory: Eng for "eng", Voice for "rus".
struct SpeechBackends {
    SpeechBackends(const QString& directory, UserReport report);
    SpeechBackends(const SpeechBackends&) = delete;
    SpeechBackends& operator=(const SpeechBackends&) = delete;

    UserReport report;
    SpeechBackend Eng;
    SpeechBackend Voice;
};
