#pragma once

#include <QString>
#include <optional>

#include "UserText.h"

// Why the shared library at `path` must not be loaded, or nothing. A library
// is mapped into the process, and touching a mapped page past the end of a
// file cut short ends the process: the file is read whole under the limits of
// FileLimits and, where the program reads the system's library format (ELF on
// Linux), a file that is cut short, no library or built for another processor
// is refused before anything is mapped. Elsewhere the system's loader is the
// only judge of what the file holds.
std::optional<UserText> libraryFileProblem(const QString& path);
