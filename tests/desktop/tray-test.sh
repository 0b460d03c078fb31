#!/usr/bin/env bash
# The program on a real X desktop with a notification area, as a user meets
# it: start into the tray, the icon's clicks, minimising, exit, the next start,
# and a start on a desktop that has no notification area.
# Usage: tray-test.sh PROGRAM RECORDING_SPEECH_DIR
set -euo pipefail
here=$(dirname "$0")
source "$here/session.sh"
source "$here/program.sh"

copy_program "$1" "$2"
export XDG_CONFIG_HOME="$work/config" HORALO_SPEECH_LOG="$work/speech.log"
settings="$XDG_CONFIG_HOME/Zef.ini"

exit_hook() {
    [ -z "${PROGRAM_PID:-}" ] || kill -9 "$PROGRAM_PID" 2>/dev/null || true
    rm -rf "$work"
}
start_program() {
    "$work/horalo" >>"$work/horalo.log" 2>&1 &
    PROGRAM_PID=$!
}

start_desktop
start_tray

echo "first start, nothing stored: the splash and the icon, no main window"
start_program
wait_until 20 icon_docked || fail "the icon was not docked"
wait_until 10 main_is_mapped "Форма2" || fail "the splash is not up"
splash=$(main_window "Форма2")
main_is_mapped "Horalo " && fail "the main window is on screen at start"
wait_until 12 bash -c "! xwininfo -id $splash 2>/dev/null | grep -q IsViewable" ||
    fail "the splash stayed up"
main_is_mapped "Horalo " && fail "the main window came up after the splash"

echo "a left click brings the window, minimising sends it back, a right click brings it again"
bring_by_icon 1 "Horalo " || fail "a left click did not bring the window"
xdotool windowminimize "$(main_window "Horalo ")"
wait_until 10 bash -c "! xwininfo -id $(main_window "Horalo ") | grep -q IsViewable" ||
    fail "minimising did not hide the window"
icon_docked || fail "the icon went away on minimising"
bring_by_icon 3 "Horalo " || fail "a right click did not bring the window"

echo "Ctrl+Q: the icon goes, the program ends, the four values are stored"
xdotool windowactivate --sync "$(main_window "Horalo ")" key ctrl+q
wait_until 10 program_ended || fail "the program did not end"
icon_docked && fail "the icon is still there"
for key in Interval Language Picture logo; do
    grep -q "^$key=" "$settings" || fail "$key was not stored"
done
grep -qi "^logo=" "$settings" && [ "$(grep -ci '^logo=' "$settings")" = 1 ] ||
    fail "the show-logo flag is stored under more than one spelling"
[ ! -s "$HORALO_SPEECH_LOG" ] || fail "something was said without a language"

echo "the next start with Russian stored comes up titled Хорало"
printf '[Options]\nLanguage=rus\nlogo=no\n' >"$settings"
start_program
wait_until 20 icon_docked || fail "the icon was not docked"
bring_by_icon 1 "Хорало" || fail "no window titled Хорало"
kill -TERM "$PROGRAM_PID"
wait_until 10 program_ended || fail "SIGTERM did not end the program"
[ "$(cat "$HORALO_SPEECH_LOG")" = "$(printf 'Voice\nVoice')" ] ||
    fail "greeting and farewell were not said once each: $(cat "$HORALO_SPEECH_LOG")"

echo "without a notification area the window comes up, and minimised it stays reachable"
stop_tray
start_program
wait_until 20 main_is_mapped "Хорало" || fail "without a notification area the window is not shown"
xdotool windowminimize "$(main_window "Хорало")"
wait_until 10 is_iconic "$(main_window "Хорало")" || fail "minimising did not leave it on the taskbar"
xdotool windowactivate "$(main_window "Хорало")"
wait_until 10 main_is_mapped "Хорало" || fail "the minimised window could not be brought back"
kill -TERM "$PROGRAM_PID"
wait_until 10 program_ended || fail "SIGTERM did not end the program"

echo "1 passed, 0 failed"
