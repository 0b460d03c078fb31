// Systems whose library format the program does not read: the system's own
// loader is the only judge there.
#include "platform/LibraryFile.h"

std::optional<UserText> libraryFileProblem(QFile&) {
    return std::nullopt;
}
