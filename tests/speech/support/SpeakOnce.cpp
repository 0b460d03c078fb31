// speak_once LIBRARY: loads a speech library, calls Speak once and exits with
// its code (100 if the library cannot be loaded). Tests run it where a fresh
// process is needed: espeak-ng's engine starts once per process.
#include <cstdio>

#include "LoadedSpeechLibrary.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: speak_once LIBRARY\n");
        return 100;
    }
    const LoadedSpeechLibrary library(argv[1]);
    if (!library.loaded()) {
        std::fprintf(stderr, "%s\n", qPrintable(library.error()));
        return 100;
    }
    const int code = library.speak();
    std::printf("%d %s\n", code, library.errorText(code));
    return code;
}
