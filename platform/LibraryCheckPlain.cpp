#include "FileLimits.h"
#include "LibraryCheck.h"

std::optional<UserText> libraryFileProblem(const QString& path) {
    return readWholeFile(path, kSpeechLibraryLimit).problem;
}
