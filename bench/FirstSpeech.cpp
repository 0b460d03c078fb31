// first_speech COMMAND [ARGUMENT...]: runs COMMAND and prints the milliseconds
// from its start to the first sample of speech on the private sound server's
// monitor (horalo_sink.monitor of the server PULSE_SERVER names). Exit 1 when
// no speech comes within ten seconds.
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>

#include "MonitorRecorder.h"

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_speech COMMAND [ARGUMENT...]\n");
        return 2;
    }
    const MonitorRecorder heard("horalo_sink.monitor", 22050);
    if (!heard.recording()) {
        std::fprintf(stderr, "first_speech: the monitor cannot be recorded\n");
        return 2;
    }
    const MonitorRecorder::Clock::time_point from = MonitorRecorder::Clock::now();
    pid_t command = 0;
    if (posix_spawnp(&command, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 2;
    }
    int status = 0;
    waitpid(command, &status, 0);
    using namespace std::chrono_literals;
    const auto speech = heard.speechAfter(from, 300ms, 10s);
    if (!speech) return 1;
    std::printf("%.0f\n", std::chrono::duration<double, std::milli>(speech->start - from).count());
    return 0;
}
