#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "SingleInstance.h"

// What this start was asked for on its command line, of the arguments Qt
// left after taking its own (-platform, ...). --help and --version are
// answered here and end the program; a mistake is told on stderr and gives
// no request. Every text is in the interface language that `language` gives
// (a language code), which is only asked for when there are arguments to read.
std::optional<SingleInstance::Request> readCommandLine(const std::function<QString()>& language);
