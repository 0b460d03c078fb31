#!/usr/bin/env bash
# The program in hostile and broken surroundings on a real desktop: speech
# libraries that are a pipe or a huge file, a start under nohup, a disk with no
# room for the settings at exit, another account squatting where the
# single-instance socket could be, and the process frozen across a mark.
# Usage: hostile-test.sh PROGRAM RECORDING_SPEECH_DIR SOCKET_SQUATTER
set -euo pipefail
here=$(dirname "$0")
source "$here/session.sh"
source "$here/program.sh"
source "$here/faked-clock.sh"

copy_program "$1" "$2"
squatter=$3
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" HORALO_SPEECH_LOG="$work/speech.log"
settings="$XDG_CONFIG_HOME/Zef.ini"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"

exit_hook() {
    local p
    for p in "${PROGRAM_PID:-}" "${SQUATTER_PID:-}"; do
        [ -z "$p" ] || kill -9 "$p" 2>/dev/null || true
    done
    rm -rf "$work"
}
# start_program [WRAPPER...]: the program on the faked clock, behind WRAPPER,
# which ends by running it in its own place.
start_program() {
    : >"$work/horalo.log"
    start_on_faked_clock "$work/horalo.log" "$@" "$work/horalo"
    PROGRAM_PID=$FAKED_PID
}
store() {  # language
    printf '[Options]\nLanguage=%s\nInterval=15 минут\nPicture=logo\nlogo=no\n' "$1" >"$settings"
}
said_count() {
    local n
    n=$(grep -c . "$HORALO_SPEECH_LOG" 2>/dev/null) || true
    echo "${n:-0}"
}
said_reaches() { (($(said_count) >= $1)); }
told() { grep -q "$1" "$work/horalo.log"; }
# ends_on_term CODE: SIGTERM ends it within ten seconds with exit code CODE.
ends_on_term() {
    kill -TERM "$PROGRAM_PID"
    wait_until 10 program_ended || fail "SIGTERM did not end the program"
    local code=0
    wait "$PROGRAM_PID" || code=$?
    [ "$code" = "$1" ] || fail "the program ended with $code, not $1: $(cat "$work/horalo.log")"
}
# A second start is answered by the running program's thread; two of them in
# a row mean that thread has handled whatever came before.
hand_over_twice() {
    "$work/horalo" >>"$work/second.log" 2>&1 || fail "a second start was not handed over"
    "$work/horalo" >>"$work/second.log" 2>&1 || fail "a second start was not handed over"
}

start_desktop
start_tray
# Clear of any mark: a mark said after the good library is back would be counted
# as the farewell.
fake_clock_reads 10:05:00

for kind in pipe huge; do
    echo "a speech library that is a $kind: told at start without a hang, then taken up once good"
    store eng
    rm -f "$HORALO_SPEECH_LOG"
    mv "$work/libEng.so" "$work/libEng.good"
    if [ "$kind" = pipe ]; then
        mkfifo "$work/libEng.so"
        reason="it is not a regular file"
    else
        truncate -s 30G "$work/libEng.so"
        reason="it is larger than any such file"
    fi
    start_program
    wait_until 20 told "English speech is unavailable: .*libEng.so: $reason" ||
        fail "the $kind was not told: $(cat "$work/horalo.log")"
    wait_until 20 icon_docked || fail "the program did not come up"
    rm "$work/libEng.so"
    mv "$work/libEng.good" "$work/libEng.so"
    ends_on_term 0
    [ "$(said_count)" = 1 ] || fail "the good library did not say the farewell: $(said_count)"
done

echo "started under nohup: a hang-up is left ignored, SIGTERM still ends it"
store eng
rm -f "$HORALO_SPEECH_LOG"
start_program nohup
wait_until 20 said_reaches 1 || fail "no greeting"
kill -HUP "$PROGRAM_PID"
hand_over_twice
! program_ended || fail "the hang-up ended the program"
[ "$(said_count)" = 1 ] || fail "the hang-up ran the exit step"
ends_on_term 0


read_message() {
    wait_until 10 message_up || fail "no message on the screen"
    xdotool windowactivate --sync "$(message_box)" key Return
}
# ends_after_message CODE: SIGTERM, the message at the end read, exit code CODE.
ends_after_message() {
    kill -TERM "$PROGRAM_PID"
    wait_until 15 told "$2" || fail "the exit did not tell: $(cat "$work/horalo.log")"
    wait_until 10 message_up || fail "no message on the screen at exit"
    ! program_ended || fail "the program ended before the message was read"
    read_message
    wait_until 10 program_ended || fail "the program did not end once the message was read"
    local code=0
    wait "$PROGRAM_PID" || code=$?
    [ "$code" = "$1" ] || fail "the program ended with $code, not $1"
}
# A folder's every name, kind, mode and content, to compare.
fingerprint() { (cd "$1" && find . -printf '%p %y %m %s %l\n' | sort && find . -type f -exec cat {} +); }

echo "no room on the disk for the settings at exit: the old file stays, the exit tells and waits"
store rus  # the message's title, Horalo, is then not the main window's
printf '[Notes]\nkeep=%s\n' "$(printf '%6000s' | tr ' ' x)" >>"$settings"
cp "$settings" "$work/settings.before"
# A write past the limit fails with EFBIG instead of ending the program.
start_program bash -c 'trap "" XFSZ; exec prlimit --fsize=4000 "$@"' limited
wait_until 20 icon_docked || fail "the program did not come up"
ends_after_message 1 "выбор этого сеанса не сохранён"
cmp -s "$settings" "$work/settings.before" || fail "the settings file changed: $(cat "$settings")"
[ "$(ls -A "$XDG_CONFIG_HOME")" = Zef.ini ] || fail "left beside the settings: $(ls -A "$XDG_CONFIG_HOME")"

echo "settings through a link the user made in a folder of their own: read and stored"
mkdir -m 700 "$work/dotfiles" "$work/linked"
store eng
mv "$settings" "$work/dotfiles/Zef.ini"
ln -s "$work/dotfiles/Zef.ini" "$work/linked/Zef.ini"
rm -f "$HORALO_SPEECH_LOG"
start_program env XDG_CONFIG_HOME="$work/linked"
wait_until 20 said_reaches 1 || fail "the settings were not read through the link"
ends_on_term 0
[ -L "$work/linked/Zef.ini" ] || fail "the link was replaced"
grep -qx 'Picture=logo' "$work/dotfiles/Zef.ini" || fail "not stored: $(cat "$work/dotfiles/Zef.ini")"

echo "no session bus: no bus is launched and no process is left behind"
store eng
rm -f "$HORALO_SPEECH_LOG"
# What the program starts carries the mark in its environment.
start_program env -u DBUS_SESSION_BUS_ADDRESS HORALO_TEST_RUN="$work"
wait_until 20 said_reaches 1 || fail "no greeting"
wait_until 20 icon_docked || fail "the icon was not docked"
ends_on_term 0
left=$(grep -lzx "HORALO_TEST_RUN=$work" /proc/[0-9]*/environ 2>/dev/null || true)
[ -z "$left" ] || fail "left running: $left"
[ ! -e "$HOME/.dbus" ] || fail "~/.dbus was made"
bus=$(xprop -root _DBUS_SESSION_BUS_ADDRESS 2>&1 || true)
[[ $bus == *'not found'* || $bus == *'no such atom'* ]] || fail "a bus was launched for the display: $bus"

if [ "$(id -u)" = 0 ]; then
    intruder=horalo-intruder
    id "$intruder" >/dev/null 2>&1 ||
        useradd --system --no-create-home --shell /usr/sbin/nologin "$intruder"
    chmod 711 "$work"
    as_intruder() { runuser -u "$intruder" -- "$@"; }

    echo "a settings folder another account may write in: it plants links, nothing is deleted or exposed"
    private="$work/private"
    mkdir -m 700 "$private" "$private/notes"
    echo "the user's secret" >"$private/secret"
    echo "kept" >"$private/notes/kept"
    before=$(fingerprint "$private")
    loose="$work/loose"
    mkdir -m 777 "$loose"
    as_intruder ln -s "$private/notes/kept" "$loose/Zef.ini.previous"
    as_intruder ln -s "$private/secret" "$loose/Zef.ini"
    start_program env XDG_CONFIG_HOME="$loose"
    wait_until 20 told "other accounts may write in the folder \"$loose\" (mode 777); \"chmod go-w $loose\"" ||
        fail "the refusal was not told: $(cat "$work/horalo.log")"
    read_message
    ends_after_message 1 "the choices of this run are not stored"
    [ "$(grep -c "chmod go-w" "$work/horalo.log")" = 2 ] ||
        fail "the refusal was told more than at the first save and the end: $(cat "$work/horalo.log")"
    [ "$(fingerprint "$private")" = "$before" ] || fail "the private folder changed"
    [ "$(find "$loose" -mindepth 1 -not -type l | wc -l)" = 0 ] ||
        fail "something was written in the loose folder: $(ls -la "$loose")"
    [ "$(readlink "$loose/Zef.ini")" = "$private/secret" ] || fail "the planted link was replaced"

    echo "the cache folder is a link into another account's folder: the start says why"
    mkdir -m 1777 "$work/public"
    as_intruder mkdir "$work/public/cache"
    mkdir -m 700 "$work/victim"
    ln -s "$work/public/cache" "$work/victim/.cache"
    : >"$work/horalo.log"
    code=0
    env -u XDG_RUNTIME_DIR HOME="$work/victim" "$work/horalo" >>"$work/horalo.log" 2>&1 &
    PROGRAM_PID=$!
    wait_until 20 told "\"$work/public/cache\" belongs to another account (user $(id -u "$intruder"))" ||
        fail "the start did not say why: $(cat "$work/horalo.log")"
    read_message
    wait_until 10 program_ended || fail "the refused start did not end"
    wait "$PROGRAM_PID" || code=$?
    [ "$code" = 1 ] || fail "the refused start ended with $code"
    [ -z "$(ls -A "$work/public/cache")" ] || fail "the start wrote in the other account's folder"
    rm -rf "$work/victim" "$work/public" "$loose"

    echo "another account squats on the socket's name in a shared runtime folder: no hijack"
    shared="$work/shared"
    mkdir -m 1777 "$shared"
    cp "$squatter" "$shared/squatter"
    key=$(printf 'xcb\n%s\n%s' "$DISPLAY" "$(realpath "$XDG_CONFIG_HOME")" | sha256sum | cut -c1-16)
    runuser -u "$intruder" -- "$shared/squatter" "$shared/horalo-$key.socket" \
        "$shared/calls" >"$work/squatter.out" 2>&1 &
    SQUATTER_PID=$!
    wait_until 10 grep -q listening "$work/squatter.out" || fail "the squatter did not listen"
    store eng
    rm -f "$HORALO_SPEECH_LOG"
    cd "$shared"
    start_program env XDG_RUNTIME_DIR="$shared"
    cd - >/dev/null
    wait_until 20 said_reaches 1 || fail "the start did not run its own clock: $(cat "$work/horalo.log")"
    [ ! -e "$shared/calls" ] || fail "the start called the squatter: $(cat "$shared/calls")"
    [ -S "$HOME/.cache/horalo-runtime/horalo-$key.socket" ] ||
        fail "the socket is not in the user's own folder"
    env -u XDG_RUNTIME_DIR "$work/horalo" >>"$work/second.log" 2>&1 ||
        fail "a second start without a runtime folder was not handed over"
    [ "$(said_count)" = 1 ] || fail "two clocks run"
    ends_on_term 0
    kill "$SQUATTER_PID"
else
    echo "SKIP: another account planting links in the settings folder, owning the cache folder or squatting on the socket's name needs root to create the account; the rest ran"
fi

# freeze_over FROM UNTIL: the process stopped from FROM to UNTIL of the faked
# clock, as a stalled machine or a frozen session stops it.
freeze_over() {
    wait_for_real_ms "$(real_ms_at "$1")"
    kill -STOP "$PROGRAM_PID"
    wait_for_real_ms "$(real_ms_at "$2")"
    kill -CONT "$PROGRAM_PID"
}
# greeted_in_time TIME: the program is up before the freeze from TIME.
greeted_in_time() {
    ((${EPOCHREALTIME/./} / 1000 < $(real_ms_at "$1"))) || fail "the start took until after $1"
}
echo "frozen across a mark in the tray: the mark is said once at a thaw within its minute"
store eng
rm -f "$HORALO_SPEECH_LOG"
fake_clock_reads 13:14:40
start_program
wait_until 20 said_reaches 1 || fail "no greeting"
greeted_in_time 13:14:58
freeze_over 13:14:58 13:15:03
wait_until 10 said_reaches 2 || fail "13:15:00 was not said after a thaw at 13:15:03"
hand_over_twice
[ "$(said_count)" = 2 ] || fail "13:15:00 was said more than once"
echo "frozen across a mark with the window up: said once at a thaw 11 s later"
ends_on_term 0
rm -f "$HORALO_SPEECH_LOG"
fake_clock_reads 13:29:40
start_program
wait_until 20 said_reaches 1 || fail "no greeting"
wait_until 20 icon_docked || fail "the icon was not docked"
bring_by_icon 1 "Horalo" || fail "the window did not come up"
greeted_in_time 13:29:58
freeze_over 13:29:58 13:30:09
wait_until 10 said_reaches 2 || fail "13:30:00 was not said after a thaw at 13:30:09"
hand_over_twice
[ "$(said_count)" = 2 ] || fail "13:30:00 was said more than once"
ends_on_term 0

echo "1 passed, 0 failed"
