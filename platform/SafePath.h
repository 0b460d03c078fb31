#pragma once

#include <QString>
#include <optional>

#include "UserText.h"

// Why another account could change what `path` names, or nothing; `path` is a
// folder, or a file (that need not exist yet) in a folder. Every folder the
// system passes on the way from "/", links followed, must be this user's or
// root's, and others must not be able to write in it: neither other accounts
// nor a group with other members. A shared folder that others may write in,
// such as /tmp, is passed only when it is sticky and the entry taken from it
// is this user's or root's, which no one else can then rename or replace. The
// folder the path ends in is held to more: others may put nothing in it at all.
// A link in such a folder was made by the user (or root) and is followed.
std::optional<UserText> othersCanChangeProblem(const QString& path);
