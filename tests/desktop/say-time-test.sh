#!/usr/bin/env bash
# The command line, on a real desktop with a real sound server: `horalo
# --say-time` has the clock hidden in the tray say the time, one phrase for
# one call and no more than Say Time presses give for a burst, and starts the
# clock when none runs; without a language it is refused and nothing is
# written; --help, mistakes and Qt's own options are answered at once.
# Usage: say-time-test.sh PROGRAM SPEECH_DIR VOICED_BURSTS
set -euo pipefail
here=$(dirname "$0")
source "$here/session.sh"
source "$here/program.sh"
source "$here/sound.sh"
source "$here/faked-clock.sh"
source "$here/speaking.sh"
bursts=$3

copy_speaking_program "$1" "$2"
exit_hook() { end_speaking; }
# run_horalo ARGUMENT...: the program as a command, its output in $work/out and $work/err.
run_horalo() { "$work/horalo" "$@" >"$work/out" 2>"$work/err"; }
refused() {
    if run_horalo "$@"; then fail "horalo $* ended with exit code 0"; fi
    [ -s "$work/err" ] || fail "horalo $* said nothing on stderr"
}
# voiced_counts: the voiced samples of each burst of what was recorded.
voiced_counts() { "$bursts" "$work/heard.raw" $HEARD_RATE; }
# within COUNT REFERENCE PHRASES: COUNT is PHRASES times REFERENCE, give or take 10 %.
within() {
    (($1 * 100 > $2 * ($3 * 100 - 10) && $1 * 100 < $2 * ($3 * 100 + 10)))
}

start_desktop
start_tray
start_sound_server

echo "--help lists the options, a mistake is told in the stored language and refused"
printf '[Options]\nLanguage=rus\n' >"$settings"
run_horalo -platform xcb --help || fail "--help after a Qt option failed: $(cat "$work/err")"
grep -q -- '--say-time' "$work/out" && grep -q -- '--show' "$work/out" ||
    fail "--help does not list --say-time and --show: $(cat "$work/out")"
grep -q 'Показывает окно' "$work/out" || fail "--help is not in Russian: $(cat "$work/out")"
for mistake in --say stray; do
    refused "$mistake"
    grep -q 'Неизвестный параметр\|Лишний аргумент' "$work/err" ||
        fail "horalo $mistake was not told in Russian: $(cat "$work/err")"
done

echo "no language stored: --say-time is refused, nothing is said or written"
rm "$settings"
refused --say-time
grep -q 'no language' "$work/err" || fail "the refusal does not say why: $(cat "$work/err")"
! ls -A "$XDG_CONFIG_HOME" | grep -i zef || fail "the refusal wrote the settings"
silent || fail "the refusal made a sound"

echo "no clock running: --say-time starts the clock, whose greeting says the time"
# The greeting and every phrase after it fall in one minute, far from any mark
# of the hourly interval, so they say the same words. Russian: the window's
# title, Хорало, is not the icon's.
printf '[Options]\nLanguage=rus\nInterval=60 минут\nPicture=logo\nlogo=no\n' >"$settings"
record
fake_clock_reads 13:14:02
start_on_faked_clock "$work/horalo.log" "$work/horalo" --say-time
PROGRAM_PID=$FAKED_PID
wait_until 10 playing || fail "no greeting was heard"
wait_until 15 silent || fail "the greeting did not end"
wait_until 15 bursts_over 1 || fail "the greeting was not followed by quiet on the recording"
wait_until 10 icon_docked || fail "the clock started by --say-time has no icon"

echo "the clock hidden in the tray: one call, one phrase of the same words, taken while it plays"
run_horalo --say-time || fail "--say-time ended with an error: $(cat "$work/err")"
# The command was answered once the phrase was under way, not when it had ended.
wait_until 3 playing || fail "nothing played once --say-time had ended"
wait_until 15 silent || fail "the phrase did not end"
main_is_mapped Хорало && fail "--say-time brought the window up"
stop_recording
counts=$(voiced_counts)
[ "$(echo "$counts" | wc -l)" = 2 ] || fail "not a greeting and one phrase: $counts"
phrase=$(echo "$counts" | tail -1)
within "$phrase" "$(echo "$counts" | head -1)" 1 ||
    fail "the phrase had $phrase voiced samples where the greeting had $(echo "$counts" | head -1)"

echo "ten calls in a row: the phrase playing and one more at most, as for Say Time"
record
for call in 1 2 3 4 5 6 7 8 9 10; do
    run_horalo -s || fail "call $call ended with an error: $(cat "$work/err")"
done
wait_until 5 playing || fail "ten calls said nothing"
wait_until 20 silent || fail "the calls' speech did not end"
stop_recording
total=$(voiced_counts | awk '{ s += $1 } END { print s }')
echo "voiced samples: one phrase $phrase, ten calls $total"
((total * 100 > phrase * 90 && total * 100 < phrase * 250)) ||
    fail "ten calls gave $total voiced samples, where one phrase has $phrase"
kill -TERM "$PROGRAM_PID"
wait_until 15 program_ended || fail "the clock did not end"
echo "1 passed, 0 failed"
