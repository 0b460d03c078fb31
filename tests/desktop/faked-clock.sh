# A faked wall clock for the program under test, through libfaketime: it reads
# a chosen time of day and runs on at real speed (a whole-second offset from the
# real clock in libfaketime's control file). The monotonic clock stays real, so
# the program, when it looks at its clocks (HORALO_CLOCK_WATCH=polling), sees
# the faked clock moved as a user setting the clock, while the machine's own
# clock is never touched. Source it after session.sh.

FAKETIME_LIBRARY=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -1)

# fake_clock_reads TIME: the faked clock reads TIME of today now.
fake_clock_reads() {
    FAKETIME_FILE="$SESSION_DIR/faketimerc"
    local now=${EPOCHREALTIME/./}
    FAKE_OFFSET=$(($(date -d "$(date +%F) $1" +%s) - (now + 500000) / 1000000))
    printf '%+d\n' "$FAKE_OFFSET" >"$FAKETIME_FILE"
}

# real_ms_at TIME: the real moment, in milliseconds since the epoch, at which
# the faked clock reads TIME of today.
real_ms_at() {
    echo $((($(date -d "$(date +%F) $1" +%s) - FAKE_OFFSET) * 1000))
}

# start_on_faked_clock LOG COMMAND...: starts COMMAND in the background on the
# faked clock, its output added to LOG; its own pid, not a wrapper's, in
# FAKED_PID.
start_on_faked_clock() {
    local log=$1
    shift
    LD_PRELOAD="$FAKETIME_LIBRARY" FAKETIME_TIMESTAMP_FILE="$FAKETIME_FILE" FAKETIME_NO_CACHE=1 \
        FAKETIME_DONT_FAKE_MONOTONIC=1 FAKETIME_DONT_RESET=1 "$@" >>"$log" 2>&1 &
    FAKED_PID=$!
}

# wait_for_real_ms MS: lets time pass until the real clock reads MS.
wait_for_real_ms() {
    local left=$(($1 - ${EPOCHREALTIME/./} / 1000))
    ((left <= 0)) || sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"
}
