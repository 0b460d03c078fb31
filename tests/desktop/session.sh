# A private desktop for the real-desktop tests: an X server (Xvfb), the openbox
# window manager and, on request, a trayer panel as the notification area.
# Source it; every wait is bounded and fails the test when its time runs out.

# wait_until SECONDS COMMAND...: polls COMMAND until it succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# What the machine lacks is no failure: CTest counts exit code 77 as skipped.
skip() {
    echo "SKIP: $*"
    exit 77
}

# on_own_session_bus "$@": runs the calling test script again inside a D-Bus
# session of its own, so that nothing it registers meets another test's.
on_own_session_bus() {
    [ -z "${HORALO_OWN_SESSION_BUS:-}" ] || return 0
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is missing (package dbus-daemon)"
    HORALO_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
}

start_desktop() {
    local fifo
    SESSION_DIR=$(mktemp -d)
    # The session's runtime folder, where the program keeps its socket.
    export XDG_RUNTIME_DIR="$SESSION_DIR/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    fifo="$SESSION_DIR/display"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>"$SESSION_DIR/xvfb.log" &
    XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || fail "Xvfb did not start"
    export DISPLAY=":$number"
    openbox --sm-disable >"$SESSION_DIR/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    wait_until 60 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 ||
        fail "openbox did not start: $(cat "$SESSION_DIR/openbox.log")"
    trap 'stop_desktop; exit_hook' EXIT
}

start_tray() {
    trayer --edge top --align right --widthtype pixel --width 200 --height 32 \
        >"$SESSION_DIR/trayer.log" 2>&1 &
    TRAYER_PID=$!
    wait_until 60 tray_is_up || fail "trayer did not start: $(cat "$SESSION_DIR/trayer.log")"
}

# The window tree is read whole: a reader that stops early would make
# xwininfo fail on a broken pipe, which pipefail counts as not found.
window_tree() { xwininfo -root -tree 2>/dev/null || true; }

tray_is_up() {
    [[ "$(window_tree)" == *'"panel": ("panel" "trayer")'* ]]
}

stop_tray() {
    if [ -n "${TRAYER_PID:-}" ]; then
        kill "$TRAYER_PID" 2>/dev/null || true
        wait "$TRAYER_PID" 2>/dev/null || true
    fi
    TRAYER_PID=
}

stop_desktop() {
    stop_tray
    kill "$OPENBOX_PID" "$XVFB_PID" 2>/dev/null
    wait "$OPENBOX_PID" "$XVFB_PID" 2>/dev/null || true
    rm -rf "$SESSION_DIR"
}

# copy_program PROGRAM SPEECH_DIR: the program in a new folder $work, beside
# the libraries of SPEECH_DIR (stand-ins that record their calls, or the real ones).
copy_program() {
    work=$(mktemp -d)
    cp "$1" "$work/horalo"
    cp "$2"/lib*.so "$work/"
}

# What a test still has to clean up when it ends, passed or not; tests redefine it.
exit_hook() { :; }

# The window of a class docked in the trayer panel, if any.
docked_icon() {
    window_tree | awk -v class="(\"$1\"" '
        /"panel": \("panel" "trayer"\)/ { inPanel = 1 }
        inPanel && index($0, class) && !found { print $1; found = 1 }'
}

# Top-level windows of a class whose title is exactly NAME.
window_named() {
    local id
    for id in $(xdotool search --class "$1" 2>/dev/null); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$2" ]; then
            echo "$id"
            return
        fi
    done
}

is_mapped() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

is_iconic() {
    xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'
}
