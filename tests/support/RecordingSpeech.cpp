// A stand-in speech library for the program's tests. Each Speak appends the
// library's name to the file named by HORALO_SPEECH_LOG and returns the number
// in HORALO_SPEECH_RESULT (0 when unset), so tests see every call, in order,
// across both libraries. With HORALO_SPEECH_WITNESS naming a file, each entry
// also tells what that file held at the moment of the call, on the same line.
// With HORALO_SPEECH_HOLD naming a file, a call holds its caller while that
// file exists (a minute at most), as a call that does not come back would.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

void witness(std::FILE* log) {
    const char* path = std::getenv("HORALO_SPEECH_WITNESS");
    std::FILE* file = path ? std::fopen(path, "r") : nullptr;
    if (!file) return;
    std::fprintf(log, " saw:");
    for (int c; (c = std::fgetc(file)) != EOF;) std::fputc(c == '\n' ? ' ' : c, log);
    std::fclose(file);
}

void holdWhileAsked() {
    const char* path = std::getenv("HORALO_SPEECH_HOLD");
    for (int waited = 0; path && access(path, F_OK) == 0 && waited < 60000; waited += 10)
        usleep(10000);
}

}  // namespace

EXPORT int Speak(void) {
    if (const char* path = std::getenv("HORALO_SPEECH_LOG")) {
        if (std::FILE* log = std::fopen(path, "a")) {
            std::fprintf(log, "%s", LIBRARY_NAME);
            witness(log);
            std::fprintf(log, "\n");
            std::fclose(log);
        }
    }
    holdWhileAsked();
    const char* result = std::getenv("HORALO_SPEECH_RESULT");
    return result ? std::atoi(result) : 0;
}
