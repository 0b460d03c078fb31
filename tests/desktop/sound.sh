# A private PulseAudio server with one null sink for the real-desktop tests,
# and the server's own account of playback: when each stream was opened, by the
# real clock. (A recording of the sink loses time at its start; the server's
# events do not.) Source it after session.sh.

start_sound_server() {
    local dir="$SESSION_DIR/pulse"
    mkdir -p "$dir/home" "$dir/runtime"
    printf '%s\n' "load-module module-null-sink sink_name=horalo_sink" \
        "load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
        "set-default-sink horalo_sink" >"$dir/server.pa"
    HOME="$dir/home" PULSE_RUNTIME_PATH="$dir/runtime" XDG_RUNTIME_DIR="$dir/runtime" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --realtime=no \
        --high-priority=no --enable-memfd=no --log-target=stderr --log-level=error \
        -F "$dir/server.pa" 2>"$dir/server.log" &
    SOUND_SERVER_PID=$!
    export PULSE_SERVER="unix:$dir/native" PULSE_COOKIE="$dir/cookie"
    wait_until 20 pactl info >/dev/null 2>&1 || fail "the sound server did not start"
}

stop_sound_server() {
    [ -z "${SOUND_SERVER_PID:-}" ] && return
    kill "$SOUND_SERVER_PID" 2>/dev/null || true
    wait "$SOUND_SERVER_PID" 2>/dev/null || true
    SOUND_SERVER_PID=
}

# From now on, each playback stream opened is written to STREAMS as the real
# time in milliseconds since the epoch.
watch_streams() {
    STREAMS="$SESSION_DIR/streams"
    : >"$STREAMS"
    pactl subscribe | while read -r line; do
        if [[ $line == "Event 'new' on sink-input"* ]]; then
            echo $((${EPOCHREALTIME/./} / 1000)) >>"$STREAMS"
        fi
    done &
    wait_until 10 subscribed || fail "the stream events do not come"
}

subscribed() {
    [ "$(pactl list short clients | grep -c pactl)" -ge 2 ]
}

# When each announcement began: the first of a run of streams opened less than
# a second apart (a lead-in, then the speech).
announcements() {
    awk 'NR == 1 || $1 - previous > 1000 { print $1 } { previous = $1 }' "$STREAMS"
}

announcement_count() {
    announcements | wc -l
}

announcements_reach() {
    [ "$(announcement_count)" -ge "$1" ]
}
