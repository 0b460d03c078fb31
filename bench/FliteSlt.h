#pragma once

#include <string>

#include "Pcm.h"

// `text` said by flite's other US English voice, cmu_us_slt, into memory.
horalo::speech::Pcm fliteSltSpeech(const std::string& text);
