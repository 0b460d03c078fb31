// speak_once LIBRARY... [unload]: loads the speech libraries, calls Speak of
// each once in turn and exits with the first code that is not 0 (100 if a
// library cannot be loaded), having unloaded the libraries first if asked.
// Tests run it where a fresh process is needed: espeak-ng's engine starts
// once per process, and a process ends only once.
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "LoadedSpeechLibrary.h"

int main(int argc, char** argv) {
    const bool unload = argc > 2 && std::strcmp(argv[argc - 1], "unload") == 0;
    std::vector<std::unique_ptr<LoadedSpeechLibrary>> libraries;
    for (int i = 1; i < argc - int(unload); ++i) {
        libraries.push_back(std::make_unique<LoadedSpeechLibrary>(argv[i]));
        if (!libraries.back()->loaded()) {
            std::fprintf(stderr, "%s\n", qPrintable(libraries.back()->error()));
            return 100;
        }
    }
    if (libraries.empty()) {
        std::fprintf(stderr, "usage: speak_once LIBRARY... [unload]\n");
        return 100;
    }
    int code = 0;
    for (const auto& library : libraries) {
        const int spoken = library->speak();
        std::printf("%d\n", spoken);
        code = code ? code : spoken;
    }
    std::fflush(stdout);
    for (const auto& library : libraries)
        if (unload && !library->unload()) return 100;
    return code;
}
