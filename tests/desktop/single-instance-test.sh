#!/usr/bin/env bash
# One program per session: a second start hands over to the running one and
# ends, a program killed outright does not block the next start, and starts
# racing each other leave one program.
# Usage: single-instance-test.sh PROGRAM RECORDING_SPEECH_DIR
set -euo pipefail
here=$(dirname "$0")
source "$here/session.sh"
source "$here/program.sh"

# Settings of the test's own make it a session of its own.
copy_program "$1" "$2"
export XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_CONFIG_HOME"
# Russian: the window's title, Хорало, is not the icon's.
printf '[Options]\nLanguage=rus\nInterval=15 минут\nPicture=logo\nlogo=no\n' \
    >"$XDG_CONFIG_HOME/Zef.ini"

declare -A pid
exit_hook() {
    local name
    for name in "${!pid[@]}"; do kill -9 "${pid[$name]}" 2>/dev/null || true; done
    rm -rf "$work"
}
# start NAME [WRAPPER...]: a start whose speech goes to $work/NAME.speech.
start() {
    local name=$1
    shift
    HORALO_SPEECH_LOG="$work/$name.speech" "$@" "$work/horalo" >>"$work/$name.log" 2>&1 &
    pid[$name]=$!
}
running() { kill -0 "${pid[$1]}" 2>/dev/null; }
ended() { ! running "$1"; }
said() { cat "$work/$1.speech" 2>/dev/null || true; }
greeted() { [ "$(said "$1")" = Voice ]; }
# ended_cleanly NAME: it ends within ten seconds, with exit code 0.
ended_cleanly() {
    wait_until 10 ended "$1" || return 1
    wait "${pid[$1]}"
}

start_desktop
start_tray

echo "a second start hands over: the running program shows its window"
start first
wait_until 20 greeted first || fail "the first start did not greet: $(said first)"
wait_until 20 icon_docked || fail "the icon was not docked"
main_is_mapped Хорало && fail "the main window is on screen at start"
# LeakSanitizer cannot work under a tracer; a sanitizer build checks the other starts.
start second env "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    strace -f -e trace=%file,connect -o "$work/second.trace"
ended_cleanly second || fail "the second start did not end with exit code 0"
[ -z "$(said second)" ] || fail "the second start said: $(said second)"
grep -q 'horalo-.*\.socket' "$work/second.trace" || fail "the second start did not look for the first"
! grep -E 'Zef\.ini|libEng\.so|libVoice\.so' "$work/second.trace" ||
    fail "the second start reached the settings or a speech library"
wait_until 10 main_is_mapped Хорало || fail "the running program did not show its window"
running first || fail "the running program ended"

echo "after kill -9 of the running program the next start becomes the program"
kill -9 "${pid[first]}"
wait "${pid[first]}" 2>/dev/null || true
compgen -G "$XDG_RUNTIME_DIR/horalo-*.socket" >/dev/null || fail "no socket was left behind"
start next
wait_until 20 greeted next || fail "the start after the kill did not greet: $(said next)"
start later
ended_cleanly later || fail "the start after that did not hand over"
[ -z "$(said later)" ] || fail "the start after that said: $(said later)"
running next || fail "the program ended"

echo "starts racing each other, the desktop spelt in different ways, leave one program"
kill -TERM "${pid[next]}"
wait "${pid[next]}" 2>/dev/null || true
racers=(r1 r2 r3 r4)
start r1 env -u QT_QPA_PLATFORM
start r2 env DISPLAY="$DISPLAY.0"
start r3 env QT_QPA_PLATFORM=xcb
start r4 env DISPLAY="unix$DISPLAY" XDG_CONFIG_HOME="$XDG_CONFIG_HOME/"
still_running() {
    local name
    for name in "${racers[@]}"; do
        if running "$name"; then echo "$name"; fi
    done
}
one_left() { [ "$(still_running | wc -l)" = 1 ]; }
wait_until 20 one_left || fail "racing starts still running: $(still_running | xargs)"
winner=$(still_running)
for name in "${racers[@]}"; do
    if [ "$name" = "$winner" ]; then continue; fi
    wait "${pid[$name]}" || fail "$name handed over and ended with an error"
    [ -z "$(said "$name")" ] || fail "$name handed over but said: $(said "$name")"
done
wait_until 20 greeted "$winner" || fail "the running program did not greet: $(said "$winner")"

echo "1 passed, 0 failed"
