# The program while it talks, with its real speech libraries on a private
# sound server: start-up with a greeting beside the floor program, the About
# window opened during speech beside idle, and horalo --say-time heard beside
# Say Time pressed in the window. Read by desktop-bench.sh with
# `source`, on its desktop, after its other rows.

# shellcheck source=tests/desktop/sound.sh
source "$here/../tests/desktop/sound.sh"
# shellcheck source=tests/desktop/speaking.sh
source "$here/../tests/desktop/speaking.sh"

speaking_docked() { [ -n "$(docked_icon horalo)" ]; }
# Milliseconds from F2 to the About window, after COMMAND...; then quiet again.
about_after() {
    local window ms
    window=$(main_window)
    "$@"
    ms=$(about_ms "$build/tests/window_timing" "$window")
    wait_until 15 silent || fail "the speech did not end"
    echo "$ms"
}
say_time() {
    xdotool key ctrl+s
    wait_until 5 playing || fail "Say Time said nothing"
    sleep 0.2  # a user's F2 a moment into the speech
}
median_of_5() { sort -n | sed -n 3p; }

start_sound_server
pids+=("${SOUND_SERVER_PIDS[@]}")
mkdir -p "$work/speaking"
cp "$build/bin/horalo" "$build"/bin/lib*.so "$work/speaking/"
store_settings eng "15 минут"
floor_ms=$(median_startup_ms 5 "$build/bin/tray_floor")
greeting_ms=$(median_startup_ms 5 "$work/speaking/horalo")
row "start-up ms, exec to icon docked, greeting said" "$floor_ms" "$greeting_ms" \
    "$(ratio "$greeting_ms" "$floor_ms")" "<= 1.3x"

start "$work/speaking/horalo"
speaking=$started
wait_until 20 speaking_docked || fail "the icon was not docked"
wait_until 15 silent || fail "the greeting did not end"
show_window
idle_ms=$(for i in 1 2 3 4 5; do about_after true; done | median_of_5)
busy_ms=$(for i in 1 2 3 4 5; do about_after say_time; done | median_of_5)
row "F2 to About shown ms (median of 5)" "idle $idle_ms" "$busy_ms" \
    "$(ratio "$busy_ms" "$idle_ms")" "talking <= 2x idle"

# Milliseconds from COMMAND... to the first sample of speech; then quiet again.
first_speech_ms() {
    "$build/bin/first_speech" "$@" || fail "$* was not heard"
    wait_until 15 silent || fail "the speech did not end"
}
pressed_ms=$(for i in 1 2 3 4 5; do
    xdotool windowactivate --sync "$(main_window)"
    first_speech_ms xdotool key ctrl+s
done | median_of_5)
command_ms=$(for i in 1 2 3 4 5; do
    first_speech_ms "$work/speaking/horalo" --say-time
done | median_of_5)
row "to first speech ms: horalo --say-time (median of 5)" "Ctrl+S $pressed_ms" "$command_ms" \
    "$(ratio "$command_ms" "$pressed_ms")" "<= 1.5x Ctrl+S in the window"
stop "$speaking"
