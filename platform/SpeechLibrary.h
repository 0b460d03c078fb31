#pragma once

#include <QLibrary>
#include <QString>
#include <optional>

#include "UserText.h"

// One speech library, loaded by its file name at the first call and kept
// loaded. Its entry point is
//     extern "C" int Speak(void);  0 when the time was said, else a failure's code
// A file that is missing, damaged, built for another processor or without
// Speak is never kept, so that a later call finds it once it has been put
// right; a damaged file is refused before it is loaded at all (LibraryCheck).
class SpeechLibrary {
  public:
    // `baseName` is the library's name without prefix or suffix ("Eng").
    SpeechLibrary(const QString& directory, const QString& baseName);

    struct Outcome {
        bool spoken;
        UserText reason;  // why not, when not spoken
    };
    Outcome Speak();

    QString filePath() const { return path_; }

  private:
    std::optional<UserText> load();

    using SpeakFunction = int (*)();

    QString path_;
    QLibrary library_;
    SpeakFunction speak_ = nullptr;
};

// The file name of a library on this platform: "libEng.so", "Eng.dll".
QString speechLibraryFileName(const QString& baseName);
