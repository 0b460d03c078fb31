#pragma once

#include <QString>

// The speech libraries are the program's own, not the system's. A build keeps
// them next to the executable; an install puts them into a private library
// folder found relative to the executable (bin/../lib/<triplet>/horalo), so an
// installed copy works under any prefix without a search path.

// The private library folder of a program whose executable lies in `executableDir`.
QString privateLibraryFolder(const QString& executableDir);

// The folder to load the speech libraries from: the first of the executable's
// own folder and the private library folder that holds either library. When
// neither does, the private folder if it exists (so a message names the place
// an install uses), else the executable's folder.
QString speechLibraryFolder(const QString& executableDir);
