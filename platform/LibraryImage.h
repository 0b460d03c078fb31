#pragma once

#include <QString>
#include <optional>

#include "UserText.h"

// The bytes of a shared library, readied for loading. A library is mapped into
// the process, and touching a mapped page past the end of a file cut short
// ends the process. On Linux the file is therefore read once into a private
// in-memory file, checked there and loaded from there: a file that is cut
// short is refused before anything is mapped, and nothing done to the file on
// disk later (an interrupted copy over it, an update) can reach the library in
// use. Elsewhere the file on disk is loaded as it is.
class LibraryImage {
  public:
    explicit LibraryImage(const QString& path);
    ~LibraryImage();
    LibraryImage(const LibraryImage&) = delete;
    LibraryImage& operator=(const LibraryImage&) = delete;

    // Why the file must not be loaded, or nothing.
    const std::optional<UserText>& problem() const { return problem_; }
    // Tells one content of the file from another.
    size_t digest() const { return digest_; }
    // Where to load the library from while this object lives.
    QString loadPath() const;
    // To be called once the system has loaded the library from loadPath(): the
    // private copy then stays for as long as the process runs, since the system
    // may keep the library under that path even after it is let go, and a new
    // copy that came to have the same path would be taken for it.
    void keepLoaded();

  private:
    QString path_;
    std::optional<UserText> problem_;
    size_t digest_ = 0;
    int copy_ = -1;  // the private copy's file descriptor
};
