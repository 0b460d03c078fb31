// speak_once LIBRARY [unload]: loads a speech library, calls Speak once and
// exits with its code (100 if the library cannot be loaded), having unloaded
// the library first if asked. Tests run it where a fresh process is needed:
// espeak-ng's engine starts once per process, and a process ends only once.
#include <cstdio>

#include "LoadedSpeechLibrary.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: speak_once LIBRARY [unload]\n");
        return 100;
    }
    LoadedSpeechLibrary library(argv[1]);
    if (!library.loaded()) {
        std::fprintf(stderr, "%s\n", qPrintable(library.error()));
        return 100;
    }
    const int code = library.speak();
    std::printf("%d %s\n", code, library.errorText(code));
    std::fflush(stdout);
    if (argc == 3 && !library.unload()) return 100;
    return code;
}
