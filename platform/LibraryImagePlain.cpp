// Systems whose library format the program does not read: the system's own
// loader is the only judge there, and the file on disk is loaded as it is.
#include <QFile>

#include "LibraryImage.h"

LibraryImage::LibraryImage(const QString& path) : path_(path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        problem_ = unreadableLibrary(file.errorString());
    else
        digest_ = qHash(file.readAll());
}

LibraryImage::~LibraryImage() = default;

QString LibraryImage::loadPath() const {
    return path_;
}

void LibraryImage::keepLoaded() {}
