#pragma once

#include <QString>
#include <optional>

#include "UserText.h"

// A folder that only this user can reach: owned by the user, a real folder and
// not a link to one, closed to everyone else, on a way from "/" that no other
// account can change (see SafePath.h). What the program puts there
// (its single-instance socket and lock) no other account can take, replace or
// listen on.
//
// The runtime folder the session gives ($XDG_RUNTIME_DIR) when it is such a
// folder; otherwise "horalo-runtime" in the user's cache folder, made and checked
// here. A shared folder such as /tmp is never used: another account could
// have made the name first.
struct PrivateFolder {
    QString path;                     // empty when there is none
    std::optional<UserText> problem;  // why there is none
};
PrivateFolder privateRuntimeFolder();

// Why `path` is not such a folder, or nothing.
std::optional<UserText> privateFolderProblem(const QString& path);
