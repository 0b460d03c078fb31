// A speech library for the benchmarks: each Speak appends the wall-clock time
// of the call, in nanoseconds since the epoch, to the file named by
// HORALO_BENCH_SPEAK_LOG. Under libfaketime that is the program's faked time,
// the one its marks are on.
#include <cstdio>
#include <cstdlib>
#include <ctime>

extern "C" __attribute__((visibility("default"))) int Speak(void) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (const char* path = std::getenv("HORALO_BENCH_SPEAK_LOG")) {
        if (std::FILE* log = std::fopen(path, "a")) {
            std::fprintf(log, "%lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
            std::fclose(log);
        }
    }
    return 0;
}
