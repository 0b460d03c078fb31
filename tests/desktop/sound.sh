# A private sound server with one null sink, horalo_sink, for the real-desktop
# tests, and the server's own account of playback: when each stream was opened,
# by the real clock. (A recording of the sink loses time at its start; the
# server's events do not.) Source it after session.sh.
#
# SOUND_SERVER names the server: pulseaudio (the default) or pipewire, which
# answers the same PulseAudio clients through its PulseAudio service
# (pipewire-pulse). Either runs with a home, configuration and runtime folder
# of its own, and is reached through PULSE_SERVER.

start_sound_server() {
    case ${SOUND_SERVER:=pulseaudio} in
        pulseaudio) start_pulseaudio ;;
        pipewire) start_pipewire ;;
        *) fail "unknown sound server $SOUND_SERVER" ;;
    esac
}

start_pulseaudio() {
    local dir="$SESSION_DIR/pulse"
    mkdir -p "$dir/home" "$dir/runtime"
    printf '%s\n' "load-module module-null-sink sink_name=horalo_sink" \
        "load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
        "set-default-sink horalo_sink" >"$dir/server.pa"
    HOME="$dir/home" PULSE_RUNTIME_PATH="$dir/runtime" XDG_RUNTIME_DIR="$dir/runtime" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --realtime=no \
        --high-priority=no --enable-memfd=no --log-target=stderr --log-level=error \
        -F "$dir/server.pa" 2>"$dir/server.log" &
    SOUND_SERVER_PIDS=($!)
    export PULSE_SERVER="unix:$dir/native" PULSE_COOKIE="$dir/cookie"
    wait_until 20 pactl info >/dev/null 2>&1 || fail "the sound server did not start"
}

# PipeWire, its session manager WirePlumber, which links the streams to the
# sink, and its PulseAudio service; WirePlumber needs a session bus, which gets
# one of its own. None of them sees the test's environment.
start_pipewire() {
    local dir="$SESSION_DIR/pipewire" program
    for program in dbus-daemon pipewire wireplumber pipewire-pulse; do
        command -v "$program" >/dev/null ||
            skip "$program is missing (Debian packages dbus-daemon, pipewire, wireplumber, pipewire-pulse)"
    done
    mkdir -p "$dir/home" "$dir/config/pipewire/pipewire.conf.d" "$dir/state"
    mkdir -m 700 "$dir/runtime"
    # A desktop's PipeWire keeps time at real-time priority; this one has none,
    # and on a busy machine its graph, woken every 21 ms by default, misses
    # cycles and drops sound. Woken every 170 ms, it keeps up, as PulseAudio
    # does with its long buffers.
    printf 'context.properties = {\n    %s\n    %s\n    %s\n}\n' \
        "default.clock.quantum = 8192" "default.clock.min-quantum = 8192" \
        "default.clock.max-quantum = 8192" >"$dir/config/pipewire/pipewire.conf.d/horalo.conf"
    local bus="unix:path=$dir/runtime/bus"
    dbus-daemon --session --nofork --nopidfile --address="$bus" >"$dir/dbus.log" 2>&1 &
    SOUND_SERVER_PIDS=($!)
    wait_until 10 test -S "$dir/runtime/bus" || skip "no session bus for PipeWire: $(cat "$dir/dbus.log")"
    for program in pipewire wireplumber pipewire-pulse; do
        env -i PATH="$PATH" HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" \
            XDG_STATE_HOME="$dir/state" XDG_RUNTIME_DIR="$dir/runtime" \
            DBUS_SESSION_BUS_ADDRESS="$bus" "$program" >"$dir/$program.log" 2>&1 &
        SOUND_SERVER_PIDS+=($!)
        # The other two connect to PipeWire once, at their start.
        [ "$program" != pipewire ] || wait_until 20 test -S "$dir/runtime/pipewire-0" ||
            skip "PipeWire does not start here: $(tail -n 5 "$dir/pipewire.log")"
    done
    export PULSE_SERVER="unix:$dir/runtime/pulse/native" PULSE_COOKIE="$dir/cookie"
    wait_until 20 pactl info >/dev/null 2>&1 ||
        skip "PipeWire's PulseAudio service does not start here: $(tail -n 5 "$dir/pipewire-pulse.log")"
    wait_until 20 pipewire_managed ||
        skip "WirePlumber does not start here: $(tail -n 5 "$dir/wireplumber.log")"
    pactl load-module module-null-sink sink_name=horalo_sink >/dev/null &&
        pactl set-default-sink horalo_sink || fail "PipeWire made no null sink"
}

pipewire_managed() { pactl list short clients | grep -q wireplumber; }

stop_sound_server() {
    [ -z "${SOUND_SERVER_PIDS:-}" ] && return
    kill "${SOUND_SERVER_PIDS[@]}" 2>/dev/null || true
    wait "${SOUND_SERVER_PIDS[@]}" 2>/dev/null || true
    SOUND_SERVER_PIDS=()
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
