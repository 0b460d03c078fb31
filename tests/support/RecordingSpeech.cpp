// A stand-in speech library for the program's tests. Each Speak appends the
// library's name to the file named by HORALO_SPEECH_LOG and returns the number
// in HORALO_SPEECH_RESULT (0 when unset), so tests see every call, in order,
// across both libraries.
#include <cstdio>
#include <cstdlib>

#define EXPORT extern "C" __attribute__((visibility("default")))

EXPORT int Speak(void) {
    if (const char* path = std::getenv("HORALO_SPEECH_LOG")) {
        if (std::FILE* log = std::fopen(path, "a")) {
            std::fprintf(log, "%s\n", LIBRARY_NAME);
            std::fclose(log);
        }
    }
    const char* result = std::getenv("HORALO_SPEECH_RESULT");
    return result ? std::atoi(result) : 0;
}

EXPORT const char* SpeakErrorText(int code) {
    return code == 1 ? "no sound device" : "recorded failure";
}
