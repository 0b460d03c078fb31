# Measuring helpers of desktop-bench.sh, read by it with `source`.

# Context switches (voluntary and involuntary: each one a wake-up) and CPU
# nanoseconds of all threads of a process so far.
wakeups_and_cpu() {
    local switches=0 cpu=0 task
    for task in /proc/"$1"/task/*; do
        switches=$((switches + $(awk '/ctxt_switches/ { s += $2 } END { print s }' "$task/status")))
        cpu=$((cpu + $(cut -d' ' -f1 "$task/schedstat")))
    done
    echo "$switches $cpu"
}

rss_kb() {
    awk '/^VmRSS/ { print $2 }' /proc/"$1"/status
}

fmt() {
    printf '%.1f' "$1"
}

ratio() {  # a b: a/b, or "-" when b is nothing
    if [ "$(echo "$2 > 0" | bc -l)" = 1 ]; then printf '%.2fx' "$(echo "$1 / $2" | bc -l)"; else echo "-"; fi
}

# Runs the check (a command) every 10 ms until it succeeds or `seconds` pass.
wait_for() {  # seconds what command...
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "gave up waiting for $what" >&2
            return 1
        fi
        sleep 0.01
    done
}

tray_window() {
    xdotool search --classname '^panel$' >/dev/null 2>&1
}

# Whether at least `count` icons are docked in the tray.
icons_docked() {
    local panel
    panel=$(xdotool search --classname '^panel$' 2>/dev/null | head -1)
    [ -n "$panel" ] && [ "$(xwininfo -children -id "$panel" | grep -c '^     0x.*": (')" -ge "$1" ]
}

# The latest Speak call logged, in nanoseconds since the epoch of the faked clock.
speak_calls_from() {  # log since-ns
    [ -f "$1" ] && awk -v since="$2" '$1 >= since' "$1"
}

# Starts the program `count` times, each a few seconds before a quarter-hour
# mark of a faked clock running at real speed, and reads when Speak was called
# for the mark. Prints the worst delay in ms, the marks missed and doubled.
mark_to_speak() {  # count work program
    local count=$1 work=$2 program=$3 worst=0 missed=0 doubled=0 i
    local day
    day=$(date +%F)
    for ((i = 0; i < count; i++)); do
        local mark start_at mark_ns log="$work/marks.log"
        mark=$(date -d "$day 13:15:00 $((i * 15)) minutes" '+%F %T')
        start_at=$(date -d "$mark 3 seconds ago" '+%F %T')
        mark_ns=$(($(date -d "$mark" +%s) * 1000000000))
        rm -f "$log"
        HORALO_BENCH_SPEAK_LOG="$log" FAKETIME_DONT_FAKE_MONOTONIC=1 \
            faketime -f "@$start_at" "$program" >>"$work/programs.log" 2>&1 &
        local pid=$!
        wait_for 8 "the mark" speak_calls_from "$log" "$mark_ns" >/dev/null || true
        sleep 1  # a second call for the same mark would come within it
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        local calls
        calls=$(speak_calls_from "$log" "$mark_ns" | awk -v m="$mark_ns" '$1 < m + 60e9' | wc -l)
        if [ "$calls" -eq 0 ]; then missed=$((missed + 1)); continue; fi
        [ "$calls" -gt 1 ] && doubled=$((doubled + 1))
        local delay
        delay=$(speak_calls_from "$log" "$mark_ns" | head -1 | awk -v m="$mark_ns" '{ printf "%.1f", ($1 - m) / 1e6 }')
        worst=$(echo "if ($delay > $worst) $delay else $worst" | bc -l)
    done
    echo "$(fmt "$worst") $missed $doubled"
}

# The program's docked icon window, by its class.
icon_window() {  # class
    local panel
    panel=$(xdotool search --classname '^panel$' 2>/dev/null | head -1)
    xwininfo -tree -id "$panel" | awk -v c="(\"$1\"" 'index($0, c) { print $1; exit }'
}

main_window_shown() {
    xdotool search --onlyvisible --name '^Horalo' >/dev/null 2>&1
}

# Clicks the program's tray icon and waits for its main window.
show_window() {
    local icon
    icon=$(icon_window horalo)
    xdotool mousemove --window "$icon" 4 4 click 1
    wait_for 10 "the main window" main_window_shown
}

# Milliseconds from exec to the icon docked: the median of `runs` starts.
median_startup_ms() {  # runs program
    local runs=$1 program=$2 i
    for ((i = 0; i < runs; i++)); do "$bench_bin/startup_to_dock" "$program"; done |
        sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

speak_calls() {
    if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi
}

calls_reached() {  # log count
    [ "$(speak_calls "$1")" -ge "$2" ]
}

# Resident size after the 10th and the 100th announcement asked for with Ctrl+S.
rss_over_announcements() {  # pid log
    local pid=$1 log=$2 n rss10=0 window
    window=$(xdotool search --onlyvisible --name '^Horalo' | head -1)
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    local first
    first=$(speak_calls "$log")
    for ((n = 1; n <= 100; n++)); do
        xdotool key ctrl+s
        wait_for 10 "announcement $n" calls_reached "$log" $((first + n))
        [ "$n" = 10 ] && rss10=$(rss_kb "$pid")
    done
    echo "$rss10 $(rss_kb "$pid")"
}
