// clock_step_notice: tells everything on this machine that waits for a step of
// the system clock that one happened, while the time stays as it was. The
// real-desktop tests run it after moving a program's faked clock, as a user
// setting the clock would be heard. Exits 1 where that is not allowed.
#include <cstdio>

#include "ClockStep.h"

int main() {
    if (stepClockThereAndBack()) return 0;
    std::perror("clock_step_notice");
    return 1;
}
