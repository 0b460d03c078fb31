#pragma once

#include <optional>
#include <string>

namespace horalo::speech {

// The time of day as an English speaking clock says it, on the 12-hour clock:
// "It's one fifteen p.m.", "It's nine oh five a.m.", "It's six a.m.",
// "It's noon.", "It's midnight.". nullopt for an impossible time or when ICU
// lacks its English data. flite reads it as it stands.
std::optional<std::string> englishTimePhrase(int hour, int minute);

}  // namespace horalo::speech
