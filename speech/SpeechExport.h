#pragma once

#include "SpeakStatus.h"
#include "TimeAnnouncer.h"

#if defined(_WIN32)
#define HORALO_SPEECH_EXPORT __declspec(dllexport)
#else
#define HORALO_SPEECH_EXPORT __attribute__((visibility("default")))
#endif

// The two entry points of a speech library; everything else stays hidden, so
// both libraries can live in one process without their copies of the shared
// code meeting.
#define HORALO_SPEECH_LIBRARY(language)                                    \
    extern "C" HORALO_SPEECH_EXPORT int Speak(void) {                      \
        return horalo::speech::announceTime(language);                     \
    }                                                                      \
    extern "C" HORALO_SPEECH_EXPORT const char* SpeakErrorText(int code) { \
        return horalo::speech::speakStatusText(code);                      \
    }
