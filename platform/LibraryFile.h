#pragma once

#include <QFile>
#include <optional>

#include "platform/UserText.h"

// What keeps `file`, open for reading, from being loaded safely as a shared
// library of this program, or nothing when it looks sound. A library is mapped
// into the process when it is loaded, and touching a mapped page that lies
// past the end of a file cut short ends the process: such a file must be
// refused before it is loaded, not after.
std::optional<UserText> libraryFileProblem(QFile& file);
