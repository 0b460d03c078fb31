#!/usr/bin/env bash
# The program as a screen reader meets it: the accessibility bus on, every
# window's tree read over AT-SPI in English and in Russian, and the About
# window's web link opened through its accessible action.
# Usage: accessibility-test.sh PROGRAM RECORDING_SPEECH_DIR
# Exits 77 (skipped) when the machine lacks the accessibility bus or pyatspi.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/program.sh"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the accessibility bus is missing (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi is missing (package python3-pyatspi)"
# The accessibility bus starts on demand on the test's own session bus.
on_own_session_bus "$@"

copy_program "$1" "$2"
# A stand-in web browser that only writes down what it is handed, found both
# as the desktop's handler of web addresses and through BROWSER.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION
export BROWSER="$work/browser" OPENED="$work/opened" HORALO_SPEECH_LOG="$work/speech.log"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$OPENED" >"$BROWSER"
chmod +x "$BROWSER"
printf '[Desktop Entry]\nType=Application\nName=Recorder\nExec=%s %%u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n' \
    "$BROWSER" >"$XDG_DATA_HOME/applications/recorder.desktop"
printf '[Default Applications]\nx-scheme-handler/http=recorder.desktop\nx-scheme-handler/https=recorder.desktop\n' \
    >"$XDG_CONFIG_HOME/mimeapps.list"

start_desktop

# run LANGUAGE: the program with the splash shown, read by the probe, then ended.
run() {
    rm -f "$OPENED"
    printf '[Options]\nLanguage=%s\nInterval=15 минут\nPicture=logo\nlogo=yes\n' "$1" \
        >"$XDG_CONFIG_HOME/Zef.ini"
    start_program
    /usr/bin/python3 "$here/accessible_tree.py" "$1" "$OPENED" || fail "the $1 interface, above"
    kill -TERM "$PROGRAM_PID"
    wait_until 10 program_ended || fail "the program did not end"
}

# The accessibility bus is up before the program starts, as in a session with a screen reader.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)'
echo "English: the splash, the main window, About and its web link, Rules"
run eng
echo "Russian: the same"
run rus
echo "1 passed, 0 failed"
