# The program while it talks, for the real-desktop tests and benchmarks: what
# the private sound server plays, and how soon the About window comes. Source
# it after session.sh and sound.sh.

playing() { [ -n "$(pactl list short sink-inputs)" ]; }
silent() { ! playing; }
about_up() { [ -n "$(window_named horalo "Форма1")" ]; }
about_gone() { ! about_up; }

# about_ms WINDOW_TIMING MAIN_WINDOW: milliseconds from F2 in the main window
# to the About window on screen; the About window is closed again.
about_ms() {
    local from ms
    xdotool windowactivate --sync "$2"
    from=${EPOCHREALTIME/./}
    xdotool key F2
    ms=$("$1" mapped "Форма1" "$from" 10000) || fail "F2 opened no About window"
    close_about || fail "the About window did not close"
    echo "$ms"
}

# Alt+F4 to the About window until it has gone: on a busy machine the window
# manager can take the key before the window has the focus, and lose it.
close_about() {
    local try
    for try in 1 2 3 4 5; do
        xdotool windowactivate --sync "$(window_named horalo "Форма1")" key alt+F4
        wait_until 3 about_gone && return
    done
    return 1
}

# copy_speaking_program PROGRAM SPEECH_DIR: the program in a new folder $work
# beside SPEECH_DIR's libraries, with a settings folder of its own whose file
# is $settings.
copy_speaking_program() {
    copy_program "$1" "$2"
    export XDG_CONFIG_HOME="$work/config"
    settings="$XDG_CONFIG_HOME/Zef.ini"
    mkdir -p "$XDG_CONFIG_HOME"
}
# What a speaking test leaves to end, passed or not.
end_speaking() {
    [ -z "${PROGRAM_PID:-}" ] || kill -9 "$PROGRAM_PID" 2>/dev/null || true
    [ -z "${RECORDER_PID:-}" ] || kill "$RECORDER_PID" 2>/dev/null || true
    stop_sound_server
    rm -rf "$work"
}

# The sink's monitor, recorded from now on into $work/heard.raw.
HEARD_RATE=22050
record() {
    parecord --device=horalo_sink.monitor --raw --format=s16le --rate=$HEARD_RATE --channels=1 \
        "$work/heard.raw" &
    RECORDER_PID=$!
    wait_until 10 test -s "$work/heard.raw" || fail "the monitor is not recorded"
}
recorded_bytes() { stat -c %s "$work/heard.raw"; }
# bursts_over N: the recording holds N bursts of sound each followed by a
# second of quiet, so that what plays next is a burst of its own. The
# recording, not the sound server's streams, is asked: it lags them by as much
# as the machine is busy, and PipeWire ends a stream before its sound is played
# out. The caller names the voiced_bursts tool in $bursts.
bursts_over() { (($("$bursts" "$work/heard.raw" $HEARD_RATE parted | wc -l) >= $1)); }
recorded_past() { (($(recorded_bytes) >= $1)); }
# Stops the recording once it runs a second past now, so that the last sound
# played is in it.
stop_recording() {
    wait_until 10 recorded_past $(($(recorded_bytes) + 2 * HEARD_RATE)) ||
        fail "the recording stalled"
    kill -INT "$RECORDER_PID"
    wait "$RECORDER_PID" 2>/dev/null || true
    RECORDER_PID=
}
