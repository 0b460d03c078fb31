#pragma once

#include <string>

// The phones flite says for `text` with its US English lexicon and text rules,
// space-separated, pauses left out: what a listener hears, whatever the
// spelling.
std::string flitePronunciation(const std::string& text);
