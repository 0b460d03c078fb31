// Systems whose library format the program does not read: the system's own
// loader is the only judge there, and the file on disk is loaded as it is.
#include <QHash>

#include "FileLimits.h"
#include "LibraryImage.h"

LibraryImage::LibraryImage(const QString& path) : path_(path) {
    const FileBytes file = readWholeFile(path, kSpeechLibraryLimit);
    problem_ = file.problem;
    digest_ = qHash(file.bytes);
}

LibraryImage::~LibraryImage() = default;

QString LibraryImage::loadPath() const {
    return path_;
}

void LibraryImage::keepLoaded() {}
