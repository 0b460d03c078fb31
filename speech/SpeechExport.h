#pragma once

#include "SpeakStatus.h"
#include "TimeAnnouncer.h"

// The two entry points of a speech library, the only names it exports.
#define HORALO_SPEECH_LIBRARY(language)                                 \
    extern "C" HORALO_SPEECH_API int Speak(void) {                      \
        return horalo::speech::announceTime(language);                  \
    }                                                                   \
    extern "C" HORALO_SPEECH_API const char* SpeakErrorText(int code) { \
        return horalo::speech::speakStatusText(code);                   \
    }
