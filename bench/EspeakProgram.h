#pragma once

#include <string>

#include "Pcm.h"

// What the espeak-ng command-line program says for `text` in `voice`, taken
// from its standard output instead of a sound device; empty on failure.
horalo::speech::Pcm espeakProgramSpeech(const char* voice, const std::string& text);

// From the first sample of `pcm` to its first sample above the speech level.
double quietStartMs(const horalo::speech::Pcm& pcm);
