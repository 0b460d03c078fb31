#pragma once

#include <QLibrary>
#include <QString>

// A speech library loaded from disk by file name and its entry point
// resolved by name, as the program does it.
class LoadedSpeechLibrary {
  public:
    explicit LoadedSpeechLibrary(const char* path);

    bool loaded() const { return speak_; }
    QString error() const { return library_.errorString(); }

    int speak() const { return speak_(); }
    bool unload() { return library_.unload(); }

  private:
    QLibrary library_;
    int (*speak_)() = nullptr;
};
