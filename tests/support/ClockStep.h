#pragma once

// Steps the system clock by one nanosecond forward and one back: the time ends
// where it was, and everything waiting for a step of the clock hears of two,
// as when a user sets the clock. Needs CAP_SYS_TIME; returns whether it could.
bool stepClockThereAndBack();
