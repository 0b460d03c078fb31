#!/usr/bin/env bash
# The program running natively on a Wayland compositor whose desktop shows
# StatusNotifier items (waybar's tray on sway): the icon registered over D-Bus
# with its tip, Activate bringing the window up, exit taking the icon away;
# and, without any tray host, the window staying on the desktop.
# Usage: wayland-tray-test.sh PROGRAM RECORDING_SPEECH_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/program.sh"
source "$here/wayland.sh"
wayland_requirements
on_own_session_bus "$@"

copy_program "$1" "$2"
export XDG_CONFIG_HOME="$work/config" HORALO_SPEECH_LOG="$work/speech.log"
mkdir -p "$XDG_CONFIG_HOME"
printf '[Options]\nLanguage=eng\nInterval=15 минут\nPicture=logo\nlogo=no\n' >"$XDG_CONFIG_HOME/Zef.ini"
icon_registered() { [ -n "$(tray_items)" ]; }
icon_gone() { ! icon_registered; }
window_shown() { wayland_window_shown Horalo; }
window_out_of_sight() { ! window_shown; }
# Activate until the window is up: the program learns that it has lost the
# focus from the compositor, and an Activate that comes over D-Bus first finds
# it still active. Activate is harmless to repeat.
activate_until_shown() {
    local try
    for try in 1 2 3 4 5; do
        item_call "$item" org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
        wait_until 3 window_shown && return
    done
    return 1
}

start_wayland_desktop
start_tray_host

echo "start: the icon is registered with its tip, the window stays hidden"
start_program
wait_until 20 icon_registered || fail "no StatusNotifier item was registered: $(cat "$work/horalo.log")"
item=$(tray_items)
tip=$(item_call "$item" org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem ToolTip)
[[ "$tip" == *" Хорало 2.5 "* ]] || fail "the icon's tip is $tip"
wait_until 10 grep -q Eng "$HORALO_SPEECH_LOG" || fail "the greeting was not said"
window_shown && fail "the main window is on screen at start"

echo "Activate, as the tray does on a click, brings the window up; again, it stays up"
item_call "$item" org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
wait_until 10 window_shown || fail "Activate did not bring the window up"
item_call "$item" org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
wait_until 10 window_shown || fail "a second Activate lost the window"

echo "out of sight on another workspace, Activate brings it where the user is"
swaymsg workspace 2 >/dev/null
wait_until 10 window_out_of_sight ||
    fail "the window is still in sight on another workspace"
activate_until_shown || fail "Activate did not bring the window from another workspace"
[ "$(wayland_window Horalo | wc -l)" = 1 ] || fail "more than one main window"

echo "closing the window is exit: the program ends and its icon goes"
swaymsg '[title="^Horalo$"] kill' >/dev/null
wait_until 10 program_ended || fail "closing the window did not end the program"
wait_until 10 icon_gone || fail "the icon stayed registered: $(tray_items)"

echo "without a tray host the window comes up at start and stays on the desktop"
stop_tray_host
start_program
wait_until 20 window_shown || fail "without a tray host the window is not shown"
kill -TERM "$PROGRAM_PID"
wait_until 10 program_ended || fail "SIGTERM did not end the program"
[ "$(grep -c Eng "$HORALO_SPEECH_LOG")" = 4 ] ||
    fail "greeting and farewell were not said once each run: $(cat "$HORALO_SPEECH_LOG")"

echo "1 passed, 0 failed"
