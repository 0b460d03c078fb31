#include "ClockStep.h"

#include <sys/timex.h>
#include <time.h>

#include <initializer_list>

bool stepClockThereAndBack() {
    for (bool forwards : {true, false}) {
        timex step{};
        step.modes = ADJ_SETOFFSET | ADJ_NANO;
        step.time.tv_sec = forwards ? 0 : -1;
        step.time.tv_usec = forwards ? 1 : 999'999'999;  // nanoseconds, with ADJ_NANO
        if (clock_adjtime(CLOCK_REALTIME, &step) < 0) return false;
    }
    return true;
}
