// What checking a speech library before loading it costs: reading the file
// under its limits and checking its headers, beside a bare stat of the same
// file and beside the load itself, which it always precedes. It runs only when a library is loaded:
// at its first call, and at each call while it cannot be loaded.
//
//   library_check_bench [RUNS]     RUNS per library, default 2000
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>
#include <cstdlib>

#include "LibraryCheck.h"

namespace {

template <typename Step>
double microsecondsPerRun(int runs, Step step) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i) step();
    return double(timer.nsecsElapsed()) / 1000.0 / runs;
}

void measure(const char* title, const QString& path, int runs) {
    const double ready = microsecondsPerRun(runs, [&] {
        if (libraryFileProblem(path)) std::abort();
    });
    const double stat = microsecondsPerRun(runs, [&] {
        if (!QFileInfo::exists(path)) std::abort();
    });
    QLibrary library(path);
    const double load = microsecondsPerRun(1, [&] {
        if (!library.load() || !library.resolve("Speak")) std::abort();
    });
    std::printf("%-8s %12.1f %10.1f %12.1f %10lld\n", title, ready, stat, load,
                QFileInfo(path).size() / 1024);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::printf("%d runs; microseconds per call; the load is the first one, in this process\n",
                runs);
    std::printf("%-8s %12s %10s %12s %10s\n", "library", "check", "stat", "first load", "size KiB");
    measure("Eng", QStringLiteral(ENG_LIBRARY), runs);
    measure("Voice", QStringLiteral(VOICE_LIBRARY), runs);
}
