#pragma once

#include <QString>

// A program killed while it takes a QLockFile leaves a lock file that names no
// owner, and QLockFile then waits up to half a minute for it to age before it
// counts it as stale, the whole program frozen meanwhile. The owner's flock
// ends with the owner, so a lock file that names no owner and that nobody
// holds is left over: this removes it.
void removeOwnerlessLock(const QString& lockFile);
