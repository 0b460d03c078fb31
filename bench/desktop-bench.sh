#!/usr/bin/env bash
# Horalo beside the floor (a Qt program that only shows a tray icon, built with
# the benchmarks) on a private X display with a window manager and a tray.
# Prints one table: idle wake-ups and CPU, mark to Speak call, start-up and
# memory, each with its target.
#
#     bench/desktop-bench.sh BUILD_DIR [IDLE_SECONDS]      idle default 300
set -euo pipefail
build=$(realpath "$1")
idle_seconds=${2:-300}
here=$(dirname "$(realpath "$0")")
bench_bin="$build/bin"
work=$(mktemp -d)
pids=()
loops=()

# shellcheck source=tests/desktop/session.sh
source "$here/../tests/desktop/session.sh"
# shellcheck source=tests/desktop/faked-clock.sh
source "$here/../tests/desktop/faked-clock.sh"
# shellcheck source=bench/measure.sh
source "$here/measure.sh"

exit_hook() {
    for pid in "${pids[@]}" "${loops[@]}" $(cat "$work/mark-run.pid" 2>/dev/null); do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}

# The program as installed: its speech libraries beside it, here the ones that
# note the time of each call; its settings in a folder of its own.
prepare_program() {
    mkdir -p "$work/program" "$work/config"
    cp "$build/bin/horalo" "$work/program/"
    cp "$build"/bench/speak-clock/*.so "$work/program/"
    export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" HORALO_BENCH_SPEAK_LOG="$work/speak.log"
}

store_settings() {  # language interval
    printf '[Options]\nLanguage=%s\nInterval=%s\nPicture=logo\nlogo=no\n' "$1" "$2" \
        >"$work/config/Zef.ini"
}

start() {  # program args...: starts it in the background; its pid in $started
    "$@" >>"$work/programs.log" 2>&1 &
    started=$!
    pids+=("$started")
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

row() {  # what floor horalo ratio target
    printf '%-44s %12s %12s %9s   %s\n' "$@"
}

start_desktop
start_tray
prepare_program
store_settings eng "15 минут"
echo "Horalo beside the floor program; the figures in the last column are the targets."
row "" "floor" "horalo" "ratio" "target"

# 1. Idle in the tray, window hidden, both programs side by side.
start "$build/bin/tray_floor"
floor=$started
start "$work/program/horalo"
horalo=$started
wait_until 20 icons_docked || fail "the icons were not docked"
sleep 5  # past start-up
floor_rss=$(rss_kb "$floor")
horalo_rss=$(rss_kb "$horalo")
read -r floor_before floor_cpu_before < <(wakeups_and_cpu "$floor")
read -r horalo_before horalo_cpu_before < <(wakeups_and_cpu "$horalo")
sleep "$idle_seconds"
read -r floor_after floor_cpu_after < <(wakeups_and_cpu "$floor")
read -r horalo_after horalo_cpu_after < <(wakeups_and_cpu "$horalo")
minutes=$(echo "$idle_seconds / 60" | bc -l)
fw=$(echo "($floor_after - $floor_before) / $minutes" | bc -l)
hw=$(echo "($horalo_after - $horalo_before) / $minutes" | bc -l)
fc=$(echo "($floor_cpu_after - $floor_cpu_before) / 1000000" | bc -l)
hc=$(echo "($horalo_cpu_after - $horalo_cpu_before) / 1000000" | bc -l)
row "idle hidden: wake-ups a minute (${idle_seconds} s)" "$(fmt "$fw")" "$(fmt "$hw")" \
    "$(ratio "$hw" "$fw")" "<= floor + 1"
row "idle hidden: CPU ms over ${idle_seconds} s" "$(fmt "$fc")" "$(fmt "$hc")" \
    "$(ratio "$hc" "$fc")" "<= 1.2x"

# 2. Idle with the window shown: in front with the caret blinking in the
# interval box, then behind another click.
show_window
for focus in "in front" "not in front"; do
    [ "$focus" = "not in front" ] && xdotool mousemove 5 700 click 1
    sleep 3
    read -r floor_before _ < <(wakeups_and_cpu "$floor")
    read -r horalo_before _ < <(wakeups_and_cpu "$horalo")
    sleep 30
    read -r floor_after _ < <(wakeups_and_cpu "$floor")
    read -r horalo_after _ < <(wakeups_and_cpu "$horalo")
    fw=$(echo "($floor_after - $floor_before) / 30" | bc -l)
    hw=$(echo "($horalo_after - $horalo_before) / 30" | bc -l)
    row "idle shown, $focus: wake-ups a second" "$(fmt "$fw")" "$(fmt "$hw")" \
        "+$(fmt "$(echo "$hw - $fw" | bc -l)")" "<= floor + 1"
done

# 5. Memory after start beside the floor, and over 100 announcements.
row "resident KiB after start" "$floor_rss" "$horalo_rss" "$(ratio "$horalo_rss" "$floor_rss")" \
    "<= 1.3x"
show_window
read -r rss10 rss100 < <(rss_over_announcements "$horalo" "$HORALO_BENCH_SPEAK_LOG")
row "resident KiB after 10 / 100 announcements" "$rss10" "$rss100" \
    "$(ratio "$rss100" "$rss10")" "<= 1.01x"
stop "$horalo"
stop "$floor"

# 3. Mark to Speak, idle and beside two CPU-bound loops.
for load in 0 2; do
    loops=()
    for ((i = 0; i < load; i++)); do
        bash -c 'while :; do :; done' &
        loops+=($!)
    done
    read -r worst missed doubled < <(mark_to_speak 12 "$work" "$work/program/horalo")
    for loop in "${loops[@]}"; do kill "$loop"; done
    loops=()
    limit=$([ "$load" = 0 ] && echo 20 || echo 50)
    row "mark to Speak ms, worst of 12, $load CPU loops" "" "$worst" "" \
        "<= $limit ms; missed $missed, doubled $doubled (0, 0)"
done

# 4. Start-up, exec to icon docked, nothing stored but the splash switched off.
printf '[Options]\nlogo=no\n' >"$XDG_CONFIG_HOME/Zef.ini"
floor_ms=$(median_startup_ms 5 "$build/bin/tray_floor")
horalo_ms=$(median_startup_ms 5 "$work/program/horalo")
row "start-up ms, exec to icon docked (median of 5)" "$floor_ms" "$horalo_ms" \
    "$(ratio "$horalo_ms" "$floor_ms")" "<= 1.3x"
source "$here/speech-bench.sh"
