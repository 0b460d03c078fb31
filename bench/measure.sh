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

# Whether both icons, the floor's and horalo's, are docked in the tray.
icons_docked() {
    [ -n "$(docked_icon tray_floor)" ] && [ -n "$(docked_icon horalo)" ]
}

called_since() {  # log since-ns
    speak_calls_from "$1" "$2" | grep -q .
}

# The Speak calls logged from a time on, in nanoseconds since the epoch of the
# faked clock; nothing when none was logged.
speak_calls_from() {  # log since-ns
    [ -f "$1" ] || return 0
    awk -v since="$2" '$1 >= since' "$1"
}

# Starts the program `count` times, each a few seconds before a quarter-hour
# mark of a faked clock running at real speed, and reads when Speak was called
# for the mark. Prints the worst delay in ms, the marks missed and doubled.
mark_to_speak() {  # count work program
    local count=$1 work=$2 program=$3 worst=0 missed=0 doubled=0 i
    for ((i = 0; i < count; i++)); do
        local mark mark_ns log="$work/marks.log"
        mark=$(date -d "13:15:00 $((i * 15)) minutes" '+%T')
        mark_ns=$(($(date -d "$(date +%F) $mark" +%s) * 1000000000))
        rm -f "$log"
        fake_clock_reads "$(date -d "$mark 3 seconds ago" '+%T')"
        HORALO_BENCH_SPEAK_LOG="$log" start_on_faked_clock "$work/programs.log" "$program"
        echo "$FAKED_PID" >"$work/mark-run.pid"  # for the bench's end, should it come now
        wait_until 8 called_since "$log" "$mark_ns" || true
        sleep 1  # a second call for the same mark would come within it
        # What was called before the end: the end's own farewell is no mark.
        local before_end="$work/marks-before-end.log"
        if [ -f "$log" ]; then cp "$log" "$before_end"; else rm -f "$before_end"; fi
        kill "$FAKED_PID" 2>/dev/null || true
        wait "$FAKED_PID" 2>/dev/null || true
        FAKED_PID=
        local calls
        calls=$(speak_calls_from "$before_end" "$mark_ns" | wc -l)
        if [ "$calls" -eq 0 ]; then missed=$((missed + 1)); continue; fi
        [ "$calls" -gt 1 ] && doubled=$((doubled + 1))
        local delay
        delay=$(speak_calls_from "$before_end" "$mark_ns" | head -1 | awk -v m="$mark_ns" '{ printf "%.1f", ($1 - m) / 1e6 }')
        [ -z "${BENCH_DEBUG:-}" ] || echo "mark $mark: $calls calls, first $delay ms after" >&2
        worst=$(echo "if ($delay > $worst) $delay else $worst" | bc -l)
    done
    echo "$(fmt "$worst") $missed $doubled"
}

# The main window: the program's mapped window wider than any tray icon.
main_window() {
    local id
    for id in $(xdotool search --onlyvisible --class horalo 2>/dev/null); do
        [ "$(xwininfo -id "$id" | awk '/Width:/ { print $2 }')" -gt 100 ] && echo "$id" && return
    done
    return 1
}

main_window_shown() {
    main_window >/dev/null
}

# Clicks the program's tray icon and waits for its main window.
show_window() {
    xdotool mousemove --window "$(docked_icon horalo)" 8 8 click 1
    wait_until 10 main_window_shown || fail "the main window did not come"
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
    window=$(main_window)
    xdotool windowactivate --sync "$window"
    local first
    first=$(speak_calls "$log")
    for ((n = 1; n <= 100; n++)); do
        xdotool key ctrl+s
        wait_until 10 calls_reached "$log" $((first + n)) || fail "announcement $n was not made"
        [ "$n" = 10 ] && rss10=$(rss_kb "$pid")
    done
    echo "$rss10 $(rss_kb "$pid")"
}
